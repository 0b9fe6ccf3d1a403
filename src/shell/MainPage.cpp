#include "shell/MainPage.h"

#include "data/XmlStore.h"
#include "shell/HoverButtons.h"
#include "shell/Label.h"
#include "shell/Shell.h"
#include "shell/Units.h"

namespace {
const QString kTipFile = QStringLiteral("details.xml");
}

MainPage::MainPage(Shell& shell) : shell_(shell) {
    QWidget* w = shell.surface();
    HoverButtons& hover = shell.hover();
    // Made first, so that the tip arrows lie above the tip.
    lblTip_ = new Label(w, QStringLiteral("lblTip"), QStringLiteral("tip"));
    lblTip_->setWordWrap(true);
    lblTip_->setAlignment(Qt::AlignCenter);
    lblTip_->setStyleSheet(QStringLiteral("color: white;"));
    // Two lines; the arrows lie over the ends of the second.
    placeAt(lblTip_, 20, 740, 613, 660);
    QObject::connect(lblTip_, &Label::mouseMoved, lblTip_, [&hover] {
        hover.reset(QStringLiteral("imgBack_tip"), HoverButtons::Rule::A);
    });
    hover.addPair(w, QStringLiteral("imgTrooz"),
                  QStringLiteral("تقويم روز، روزشمار پزشکي و فالنامه"));
    hover.addPair(w, QStringLiteral("imgMonasebat"),
                  QStringLiteral("مناسبت هاي پزشکي، فرهنگ نام ها و شماره تلفن ها"));
    hover.addPair(w, QStringLiteral("imgBank"), QStringLiteral("آزمون هاي روانشناسي"));
    hover.addPair(w, QStringLiteral("imgSetting"), QStringLiteral("تنظيمات"));
    hover.addPair(w, QStringLiteral("imgNext_tip"), QStringLiteral("نکته بعدي"));
    hover.addPair(w, QStringLiteral("imgBack_tip"), QStringLiteral("نکته قبلي"));
    hover.onClick(QStringLiteral("imgNext_tip"), [this] { imgNext_tip2_Click(); });
    hover.onClick(QStringLiteral("imgBack_tip"), [this] { imgBack_tip2_Click(); });
}

void MainPage::show() {
    HoverButtons& hover = shell_.hover();
    hover.place(QStringLiteral("imgTrooz"), 13, 1850);
    hover.place(QStringLiteral("imgMonasebat"), 13, 2600);
    hover.place(QStringLiteral("imgBank"), 13, 3350);
    hover.place(QStringLiteral("imgSetting"), 275.41, 4300);
    hover.place(QStringLiteral("imgBack_tip"), 578.6, 1100);
    hover.place(QStringLiteral("imgNext_tip"), 13, 1100);

    // The tip shown stays; its position starts again at 1.
    lblTip_->setLayoutDirection(Qt::LeftToRight);
    lblTip_->show();
    tipPosition_ = QStringLiteral("1");

    shell_.xml().OpenXmlDoc(shell_.dataPath(kTipFile), 0);
    tipCount_ = shell_.xml().GetXmlText(QStringLiteral("/details/info/tedad"));
}

void MainPage::showFirstTip() {
    shell_.xml().OpenXmlDoc(shell_.dataPath(kTipFile), 0);
    lblTip_->setText(shell_.xml().GetXmlText(QStringLiteral("/details/details1/title")));
    placeAt(lblTip_, 20, 740);
    lblTip_->show();
}

QString MainPage::tipPath(const QString& number) const {
    return QStringLiteral("/details/details") + number + QStringLiteral("/title");
}

bool MainPage::tipCountIsANumber() const {
    bool ok = false;
    tipCount_.toInt(&ok);
    return ok;
}

void MainPage::imgNext_tip2_Click() {
    shell_.xml().OpenXmlDoc(shell_.dataPath(kTipFile), 0);
    if (!tipCountIsANumber()) {
        return; // without a count there is nothing to step through
    }
    if (tipPosition_ != tipCount_) {
        const int p = tipPosition_.toInt() + 1;
        lblTip_->setText(shell_.xml().GetXmlText(tipPath(QString::number(p))));
        tipPosition_ = QString::number(p);
    } else {
        lblTip_->setText(shell_.xml().GetXmlText(tipPath(QStringLiteral("1"))));
        tipPosition_ = QStringLiteral("1");
    }
}

void MainPage::imgBack_tip2_Click() {
    shell_.xml().OpenXmlDoc(shell_.dataPath(kTipFile), 0);
    if (!tipCountIsANumber()) {
        return;
    }
    if (tipPosition_.toInt() != 1) {
        const int p = tipPosition_.toInt() - 1;
        lblTip_->setText(shell_.xml().GetXmlText(tipPath(QString::number(p))));
        tipPosition_ = QString::number(p);
    } else {
        lblTip_->setText(shell_.xml().GetXmlText(tipPath(tipCount_)));
        tipPosition_ = tipCount_;
    }
}
