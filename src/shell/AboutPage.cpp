#include "shell/AboutPage.h"

#include "shell/Label.h"
#include "shell/Shell.h"
#include "shell/Units.h"

#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWidget>

const QString AboutPage::kSite = QStringLiteral("https://darvista.example.org");
const QString AboutPage::kMail = QStringLiteral("info@darvista.example.org");

QString ScrollText(QString& text) {
    if (!text.isEmpty()) {
        text = text.mid(1) + text.at(0);
    }
    return text;
}

AboutPage::AboutPage(Shell& shell) : shell_(shell) {
    QWidget* w = shell.surface();
    const QString linkStyle = QStringLiteral("color: #0b4f6c; text-decoration: underline;");
    lblSite_ = new Label(w, QStringLiteral("lblSite"), kSite);
    lblSite_->setStyleSheet(linkStyle);
    lblSite_->setCursor(Qt::PointingHandCursor);
    lblSite_->adjustSize();
    lblMail_ = new Label(w, QStringLiteral("lblMail"), kMail);
    lblMail_->setStyleSheet(linkStyle);
    lblMail_->setCursor(Qt::PointingHandCursor);
    lblMail_->adjustSize();
    QObject::connect(lblSite_, &Label::clicked, lblSite_, [this] { lblSite_Click(); });
    QObject::connect(lblMail_, &Label::clicked, lblMail_, [this] { lblMail_Click(); });

    lblSource_ = new Label(w, QStringLiteral("lblSource"),
                           QStringLiteral("Further reading: who.int  -  medlineplus.gov  -  "
                                          "cdc.gov  -  nhs.uk  -  britannica.com  -  "));
    lblSource_->setStyleSheet(QStringLiteral("color: #24424f;"));
    lblSource_->setLayoutDirection(Qt::LeftToRight);

    cmdAbout_fal_ = new QPushButton(QStringLiteral("در باب فالنامه"), w);
    cmdAbout_fal_->setObjectName(QStringLiteral("cmdAbout_fal"));
    cmdAbout_fal_->setCursor(Qt::PointingHandCursor);
    cmdAbout_fal_->resize(120, 26);
    cmdAbout_fal_->hide();

    tmrScroll_ = new QTimer(w);
    tmrScroll_->setObjectName(QStringLiteral("tmrScroll"));
    tmrScroll_->setInterval(250);
    QObject::connect(tmrScroll_, &QTimer::timeout, tmrScroll_, [this] { tmrScroll_Timer(); });
    tmrScroll_->start(); // stops itself at its first tick on any other page
}

void AboutPage::imgDast2_Click() {
    const bool update = shell_.beginBarPage();
    shell_.setPageTag(QStringLiteral("7"));
    shell_.showHeader(QStringLiteral("about"));
    placeAt(lblSite_, 20, 3950);
    lblSite_->show();
    placeAt(lblMail_, 20, 4200);
    lblMail_->show();
    tmrScroll_->start();
    placeAt(lblSource_, 170, 4530, 250, 260);
    lblSource_->show();
    placeAt(cmdAbout_fal_, 335, 4000);
    cmdAbout_fal_->show();
    shell_.playClick(QStringLiteral("titr.wav"));
    shell_.endBarPage(update);
}

void AboutPage::lblSite_Click() {
    shell_.openUrl(QUrl(kSite));
}

void AboutPage::lblMail_Click() {
    shell_.openUrl(QUrl(QStringLiteral("mailto:") + kMail + QStringLiteral("?subject=VEMO")));
}

void AboutPage::tmrScroll_Timer() {
    if (shell_.pageTag() != QLatin1String("7")) {
        tmrScroll_->stop();
    }
    QString caption = lblSource_->text();
    lblSource_->setText(ScrollText(caption));
}

void AboutPage::placeSharedLabels() {
    // Labels of other pages that keep the places start-up gives them.
    struct Place {
        const char* name;
        double left;
        double top;
    };
    static const Place places[] = {
        {"lblObject1", 477.677, 1700}, {"lblObject2", 130.006, 1700}, {"lblObject3", 475.137, 2885},
        {"lblObject4", 130.853, 2885}, {"lblShamsi", 585, 1600},      {"lblTitleSher", 290, 1200},
    };
    QWidget* w = shell_.surface();
    for (const Place& p : places) {
        if (auto* c =
                w->findChild<QWidget*>(QString::fromLatin1(p.name), Qt::FindDirectChildrenOnly)) {
            placeAt(c, p.left, p.top);
        }
    }
}
