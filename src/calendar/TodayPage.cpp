#include "calendar/TodayPage.h"

#include "calendar/DayCounter.h"
#include "calendar/ShamsiDate.h"
#include "shell/HoverButtons.h"
#include "shell/ImageControl.h"
#include "shell/Label.h"
#include "shell/Services.h"
#include "shell/Shell.h"
#include "shell/Units.h"

namespace {

using Rule = HoverButtons::Rule;

const QString kGroup = QStringLiteral("calendar");
// lblShamsi sizes itself to its text and keeps its right edge inside the
// right panel.
constexpr int kShamsiRightEdge = 491;
// The poem panel of the page's background ends here.
constexpr int kPoemPanelBottom = 306;

Label* makeLabel(QWidget* parent, const char* name, const char* caption, double points,
                 Qt::Alignment align) {
    auto* l = new Label(parent, QString::fromLatin1(name), QString::fromLatin1(caption));
    l->setLayoutDirection(Qt::RightToLeft);
    l->setAlignment(align | Qt::AlignTop);
    l->setWordWrap(true);
    // The page's texts are set in a face with a short line, so that the
    // poem and the events fit their panels.
    QFont f = l->font();
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Naskh Arabic"),
                   QStringLiteral("Noto Sans Arabic")});
    f.setPointSizeF(points);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: #12343b;"));
    return l;
}

} // namespace

TodayPage::TodayPage(Shell& shell)
    : shell_(shell), events_(shell.xml(), shell.dataPath(QStringLiteral("Rokhdadha.xml"))),
      poem_(shell.xml(), shell.shuffle(), shell.dataPath(QStringLiteral("purepoem.xml"))) {
    QWidget* w = shell.surface();
    HoverButtons& hover = shell.hover();

    imgBackTR_ = new ImageControl(w, QStringLiteral("imgBackTR"));
    imgBackTR_->setPicture(QStringLiteral("imgBackTR"));
    QObject::connect(imgBackTR_, &ImageControl::mouseMoved, imgBackTR_,
                     [this] { resetOnBackground(); });

    hover.addTab(w, QStringLiteral("imgTagvimRooz"), kGroup, QStringLiteral("تقويم روز"));
    hover.addTab(w, QStringLiteral("imgRoozShomarPezeshki"), kGroup,
                 QStringLiteral("روزشمار پزشکي"));
    hover.addTab(w, QStringLiteral("imgFalnameh"), kGroup, QStringLiteral("فالنامه"));
    hover.onClick(QStringLiteral("imgTagvimRooz"), [this] { imgTagvimRooz2_Click(); });

    hover.addPair(w, QStringLiteral("imgNext"), QStringLiteral("روز بعد"));
    hover.addPair(w, QStringLiteral("imgBack"), QStringLiteral("روز قبل"));
    hover.addPair(w, QStringLiteral("imgSherChap"), QStringLiteral("شعر بعدي"));
    hover.addPair(w, QStringLiteral("imgSherRast"), QStringLiteral("شعر قبلي"));
    hover.onClick(QStringLiteral("imgNext"), [this] { imgNext2_Click(); });
    hover.onClick(QStringLiteral("imgBack"), [this] { imgBack2_Click(); });
    hover.onClick(QStringLiteral("imgSherChap"), [this] { imgSherChap2_Click(); });
    hover.onClick(QStringLiteral("imgSherRast"), [this] { imgSherRast2_Click(); });
    hover.onClick(QStringLiteral("imgTrooz"), [this] { imgTrooz2_Click(); });

    lblTarikh_ = makeLabel(w, "lblTarikh", "", 9, Qt::AlignHCenter);
    lblTarikh_->setText(QStringLiteral("تاريخ"));
    lblTarikh_->setStyleSheet(QStringLiteral("color: white;"));
    lblTarikh_->setWordWrap(false);
    lblShamsi_ = makeLabel(w, "lblShamsi", "Shamsi", 8.25, Qt::AlignRight);
    lblShamsi_->setWordWrap(false);
    QFont bold = lblShamsi_->font();
    bold.setBold(true);
    lblShamsi_->setFont(bold);
    lblMiladi_ = makeLabel(w, "lblMiladi", "Miladi", 8.25, Qt::AlignRight);
    lblHijri_ = makeLabel(w, "lblHijri", "Hejiri", 8.25, Qt::AlignRight);
    lblRokhdad_ = makeLabel(w, "lblRokhdad", "Rokhdad", 8.25, Qt::AlignRight);
    QObject::connect(lblRokhdad_, &Label::mouseMoved, lblRokhdad_,
                     [this] { lblRokhdad_->setToolTip(lblRokhdad_->text()); });
    lblRokhdad_->setElideToFit(true);
    lblSher_ = makeLabel(w, "lblSher", "Sher", 9.75, Qt::AlignHCenter);
    lblSher_->setElideToFit(true);
}

void TodayPage::placeTabs() {
    HoverButtons& hover = shell_.hover();
    hover.place(QStringLiteral("imgTagvimRooz"), 459.892, 440);
    hover.place(QStringLiteral("imgRoozShomarPezeshki"), 327.132, 440);
    hover.place(QStringLiteral("imgFalnameh"), 193, 440);
    hover.select(QStringLiteral("imgTagvimRooz"), true);
}

void TodayPage::imgTrooz2_Click() {
    shell_.Makhfy();
    placeTabs();

    const QDate today = shell_.clock().today();
    shownDate_ = today;
    lblShamsi_->setText(Shamsi_Date::MiladiToShamsi(today, 3).toString());
    showDayTexts();

    placeAt(imgBackTR_, 15.196, 1000);
    imgBackTR_->show();
    shell_.showHeader(QStringLiteral("HTROOZ"));
    // Centred in the strip up to the next-day arrow.
    placeAt(lblTarikh_, 485.004, 4350);
    lblTarikh_->resize(Units::x(603.025) - Units::x(485.004), 22);
    lblTarikh_->show();
    lblShamsi_->adjustSize();
    lblShamsi_->move(kShamsiRightEdge - lblShamsi_->width(), Units::y(1600));
    lblShamsi_->show();
    placeAt(lblMiladi_, 470, 2100, 153.721, 375);
    lblMiladi_->show();
    placeAt(lblHijri_, 470, 2500, 153.721, 375);
    lblHijri_->show();
    placeAt(lblRokhdad_, 440, 3200, 184.211, 975);
    lblRokhdad_->show();
    placeAt(lblSher_, 40, 1960, 367.151, 2055);
    fitPoem();
    lblSher_->show();

    HoverButtons& hover = shell_.hover();
    hover.place(QStringLiteral("imgNext"), 603.025, 4308);
    hover.place(QStringLiteral("imgBack"), 432.027, 4308);
    hover.place(QStringLiteral("imgSherChap"), 136.1, 1020);
    hover.place(QStringLiteral("imgSherRast"), 280.63, 1020);

    shell_.playClick(QStringLiteral("click.wav"));
    shell_.setPageTag(QStringLiteral("6"));
}

void TodayPage::imgTagvimRooz2_Click() {
    HoverButtons& hover = shell_.hover();
    hover.select(QStringLiteral("imgTagvimRooz"), true);
    hover.select(QStringLiteral("imgRoozShomarPezeshki"), false);
    hover.select(QStringLiteral("imgFalnameh"), false);
    imgTrooz2_Click();
    shell_.setCalendarMarker(QStringLiteral("taghvimrooz"));
    shell_.playClick(QStringLiteral("mouse.wav"));
}

void TodayPage::step(int days) {
    shownDate_ = shownDate_.addDays(days);
    showDayTexts();
}

// The texts that follow the shown day; a new poem is drawn with each.
void TodayPage::showDayTexts() {
    lblTarikh_->setText(ShamsiDayAndMonth(shownDate_));
    lblMiladi_->setText(MiladiCaption(shownDate_));
    if (const QString hijri = HijriCaption(shownDate_); !hijri.isEmpty()) {
        lblHijri_->setText(hijri);
    }
    lblRokhdad_->setText(events_.biaRokhdad(shownDate_));
    lblSher_->setText(poem_.Sher());
    fitPoem();
}

void TodayPage::imgSherChap2_Click() {
    lblSher_->setText(poem_.next());
    fitPoem();
}

void TodayPage::imgSherRast2_Click() {
    lblSher_->setText(poem_.previous());
    fitPoem();
}

void TodayPage::fitPoem() {
    // A poem taller than its place grows down to the bottom of the panel.
    const int top = Units::y(1960);
    const int least = Units::y(2055);
    const int most = kPoemPanelBottom - top;
    const int needed = lblSher_->heightForWidth(lblSher_->width());
    lblSher_->resize(lblSher_->width(), std::clamp(needed, least, most));
}

void TodayPage::resetOnBackground() {
    if (shell_.pageTag() != QLatin1String("6")) {
        return;
    }
    static const HoverButtons::Resets resets = {
        {"imgBack", Rule::A},     {"imgNext", Rule::A},       {"imgSherChap", Rule::A},
        {"imgSherRast", Rule::A}, {"imgTagvimRooz", Rule::B}, {"imgRoozShomarPezeshki", Rule::B},
    };
    shell_.hover().reset(resets);
}
