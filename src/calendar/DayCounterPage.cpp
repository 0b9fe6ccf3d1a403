#include "calendar/DayCounterPage.h"

#include "calendar/DayCounter.h"
#include "data/XmlStore.h"
#include "shell/HoverButtons.h"
#include "shell/ImageControl.h"
#include "shell/Label.h"
#include "shell/Services.h"
#include "shell/Shell.h"
#include "shell/TextPost.h"
#include "shell/Units.h"

namespace {
// The title sizes itself to its text and keeps its right edge at the right
// end of the title bar.
constexpr int kTitleRightEdge = 500;
} // namespace

DayCounterPage::DayCounterPage(Shell& shell) : shell_(shell) {
    QWidget* w = shell.surface();
    imgTopRoozShomar_ = new ImageControl(w, QStringLiteral("imgTopRoozShomar"));
    imgTopRoozShomar_->setPicture(QStringLiteral("imgTopRoozShomar"));
    lblTarikhRoozShomar_ = new Label(w, QStringLiteral("lblTarikhRoozShomar"),
                                     QStringLiteral("تاريخ براي عنوان روزشمار"));
    lblTarikhRoozShomar_->setLayoutDirection(Qt::RightToLeft);
    lblTarikhRoozShomar_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTarikhRoozShomar_->move(Units::twips(5520), Units::twips(1080));
    shell.hover().onClick(QStringLiteral("imgRoozShomarPezeshki"),
                          [this] { imgRoozShomarPezeshki2_Click(); });
}

void DayCounterPage::imgRoozShomarPezeshki2_Click() {
    HoverButtons& hover = shell_.hover();
    shell_.Makhfy();
    hover.select(QStringLiteral("imgTagvimRooz"), false);
    hover.select(QStringLiteral("imgFalnameh"), false);
    hover.select(QStringLiteral("imgRoozShomarPezeshki"), true);
    shell_.setPageTag(QStringLiteral("9"));

    placeAt(imgTopRoozShomar_, 14.196, 1000);
    imgTopRoozShomar_->show();
    shell_.showHeader(QStringLiteral("HTROOZ"));
    TextPost* post = shell_.txtPost();
    placeAt(post, 15.196, 1370, 626.398, 3350);
    post->show();

    const QDate today = shell_.clock().today();
    lblTarikhRoozShomar_->setText(RoozShomarTitle(today));
    lblTarikhRoozShomar_->setStyleSheet(QStringLiteral("color: rgb(7, 150, 246);"));
    lblTarikhRoozShomar_->adjustSize();
    lblTarikhRoozShomar_->move(kTitleRightEdge - lblTarikhRoozShomar_->width(),
                               lblTarikhRoozShomar_->y());
    lblTarikhRoozShomar_->show();
    lblTarikhRoozShomar_->raise();

    shell_.xml().OpenXmlDoc(shell_.dataPath(QStringLiteral("RoozShomar.xml")), 0);
    post->setPlainText(
        shell_.xml().GetXmlText(QStringLiteral("/RoozShomar/") + RoozShomarElement(today)));

    shell_.setCalendarMarker(QStringLiteral("roozshomarpezeshki"));
    shell_.playClick(QStringLiteral("mouse.wav"));
}
