#include "shell/frmMain.h"

#include "calendar/DayCounterPage.h"
#include "calendar/TodayPage.h"
#include "data/KeyboardLayout.h"
#include "data/SettingsStore.h"
#include "shell/AboutPage.h"
#include "shell/ImageControl.h"
#include "shell/MainPage.h"
#include "shell/ResPicture.h"
#include "shell/SettingsPage.h"
#include "shell/TextPost.h"
#include "shell/Units.h"

#include <QChildEvent>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace {

using Rule = HoverButtons::Rule;

// Every page's controls, in the order they are hidden.
const QStringList& makhfyList() {
    static const QStringList list = [] {
        QStringList l;
        const auto add = [&l](std::initializer_list<const char*> names) {
            for (const char* n : names) {
                l.append(QString::fromLatin1(n));
            }
        };
        add({"imgBank1", "imgBank2", "imgTrooz1", "imgTrooz2", "imgMonasebat1", "imgMonasebat2"});
        add({"imgGhably1", "imgGhably2", "imgBady1", "imgBady2"});
        add({"imgNext1", "imgNext2", "imgBack1", "imgBack2"});
        add({"imgHeader", "imgRL", "txtPost", "lblTitle", "cboSearch", "imgBackTR"});
        add({"lblShamsi", "lblMiladi", "lblHijri", "lblRokhdad", "lblSher", "lblTarikh"});
        add({"picSearch"});
        add({"lblSite", "lblMail"});
        add({"imgPezeshki1",     "imgPezeshki2",     "imgPezeshki3", "imgRavanShenasi1",
             "imgRavanShenasi2", "imgRavanShenasi3", "imgDaroo1",    "imgDaroo2",
             "imgDaroo3",        "imgOmoomi1",       "imgOmoomi2",   "imgOmoomi3",
             "lblObject1",       "lblObject2",       "lblObject3",   "lblObject4",
             "imgObjectA1",      "imgObjectA2",      "imgObjectB1",  "imgObjectB2",
             "imgObjectC1",      "imgObjectC2",      "imgObjectD1",  "imgObjectD2"});
        add({"imgTagvimRooz1", "imgTagvimRooz2", "imgTagvimRooz3", "imgRoozShomarPezeshki1",
             "imgRoozShomarPezeshki2", "imgRoozShomarPezeshki3", "imgFalnameh1", "imgFalnameh2",
             "imgFalnameh3"});
        add({"imgSherChap1", "imgSherChap2", "imgSherRast1", "imgSherRast2"});
        add({"imgTopRoozShomar", "lblTarikhRoozShomar"});
        for (int i = 1; i <= 459; ++i) {
            l.append(QStringLiteral("lblNumber(%1)").arg(i));
        }
        add({"imgBackFal"});
        add({"imgNext1", "imgNext2", "imgBack1", "imgBack2", "imgSherRast1", "imgSherRast2",
             "imgSherChap1", "imgSherChap2"});
        add({"lblTitleSher", "lblM1", "lblM2", "lblM3", "lblM4", "lblMatnFal", "lblShomarehFal"});
        add({"imgPrevious1", "imgPrevious2", "imgAsli", "imgFMataleb"});
        add({"imgSetting1", "imgSetting2"});
        add({"chOnTop", "chAlpha", "h_s_alpha"});
        add({"lblTip", "imgBakht1", "imgBakht2", "imgBack_tip1", "imgBack_tip2", "imgNext_tip1",
             "imgNext_tip2"});
        add({"cmdSave_Setting", "lblSource", "chSound", "pic_rang_neveshteh", "cmdRang_neveshteh",
             "pic_rang_pas_neveshteh", "cmd_rang_paszamineh_neveshteh", "cmdAbout_fal"});
        add({"imgzir_mataleb"});
        add({"lbl_esm", "lbl_mane_esm", "lbl_risheh_esm", "cbo_alefba", "cbo_jensiat"});
        add({"imgBoland_fal1", "imgBoland_fal2", "imgKootah_fal1", "imgKootah_fal2",
             "lblSoton_fal1", "lblSoton_fal2", "lblBady_fal", "lblGhably_fal"});
        add({"imgAsamy1", "imgAsamy2", "imgAsamy3", "imgMonasebat_pezeshki1",
             "imgMonasebat_pezeshki2", "imgMonasebat_pezeshki3", "imgShomareh1", "imgShomareh2",
             "imgShomareh3"});
        add({"imgAzmoon_ravanshenasi1", "imgAzmoon_ravanshenasi2", "imgAzmoon_ravanshenasi3"});
        add({"SelectTest1", "Test1", "Download1"});
        return l;
    }();
    return list;
}

const HoverButtons::Resets kBarButtons = {{"imgMin", Rule::A},
                                          {"imgasli", Rule::A},
                                          {"imgfMataleb", Rule::A},
                                          {"imgDast", Rule::A},
                                          {"imgExit", Rule::A}};

const HoverButtons::Resets kMainPageButtons = {{"imgTrooz", Rule::A},    {"imgMonasebat", Rule::A},
                                               {"imgBank", Rule::A},     {"imgSetting", Rule::A},
                                               {"imgBack_tip", Rule::A}, {"imgNext_tip", Rule::A}};
const HoverButtons::Resets kCalendarTabs = {
    {"imgTagvimRooz", Rule::B}, {"imgRoozShomarPezeshki", Rule::B}, {"imgFalnameh", Rule::B}};
const HoverButtons::Resets kGroupTabs = {
    {"imgMonasebat_pezeshki", Rule::B}, {"imgAsamy", Rule::B}, {"imgShomareh", Rule::B}};
const HoverButtons::Resets kTestsTab = {{"imgAzmoon_ravanshenasi", Rule::B}};
const HoverButtons::Resets kLongFortune = {{"imgBoland_fal", Rule::B}};
const HoverButtons::Resets kShortFortune = {{"imgKootah_fal", Rule::B}};
const HoverButtons::Resets kAreaTabs = {{"imgPezeshki", Rule::B},
                                        {"imgDaroo", Rule::B},
                                        {"imgOmoomi", Rule::B},
                                        {"imgRavanShenasi", Rule::B}};

// What the window's background puts back, by page tag.
const QHash<QString, HoverButtons::Resets>& backgroundResets() {
    static const QHash<QString, HoverButtons::Resets> table = {
        {QStringLiteral("1"), kMainPageButtons},
        {QStringLiteral("2"),
         {{"imgGhably", Rule::A}, {"imgBady", Rule::A}, {"imgPrevious", Rule::A}}},
        {QStringLiteral("6"), kCalendarTabs},
        {QStringLiteral("4"), kGroupTabs},
        {QStringLiteral("5"), kTestsTab},
        {QStringLiteral("3"),
         {{"imgPezeshki", Rule::B},
          {"imgDaroo", Rule::B},
          {"imgOmoomi", Rule::B},
          {"imgRavanShenasi", Rule::B},
          {"imgObjectA", Rule::B},
          {"imgObjectB", Rule::B},
          {"imgObjectC", Rule::B},
          {"imgObjectD", Rule::B}}},
        {QStringLiteral("9"), kLongFortune},
        {QStringLiteral("9.1"), kShortFortune},
    };
    return table;
}

// What the header picture puts back, by page tag.
const QHash<QString, HoverButtons::Resets>& headerResets() {
    static const QHash<QString, HoverButtons::Resets> table = {
        {QStringLiteral("1"), kMainPageButtons}, {QStringLiteral("2"), {{"imgPrevious", Rule::A}}},
        {QStringLiteral("3"), kAreaTabs},        {QStringLiteral("4"), kGroupTabs},
        {QStringLiteral("5"), kTestsTab},        {QStringLiteral("6"), kCalendarTabs},
        {QStringLiteral("9"), kLongFortune},     {QStringLiteral("9.1"), kShortFortune},
    };
    return table;
}

const HoverButtons::Resets kDayArrowsAndPoemArrows = {
    {"imgBack", Rule::A}, {"imgNext", Rule::A}, {"imgSherChap", Rule::A}, {"imgSherRast", Rule::A}};
const HoverButtons::Resets kPoemArrows = {{"imgSherChap", Rule::A}, {"imgSherRast", Rule::A}};

const QString kTodayMarker = QStringLiteral("taghvimrooz");

} // namespace

frmMain::frmMain(Services services)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), services_(std::move(services)),
      shuffle_(*services_.random) {
    initPictureResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Darvista"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/darvista.png")));
    setFixedSize(Units::twips(7740), Units::twips(6945));
    setMouseTracking(true);
    background_ = formPicture(QStringLiteral("background"));

    // Creation order is stacking order: the header lies under every page's
    // controls, the bar buttons and the reader's text box above them.
    imgHeader_ = new ImageControl(this, QStringLiteral("imgHeader"));
    imgHeader_->move(Units::twips(153), Units::twips(430));
    connect(imgHeader_, &ImageControl::mouseMoved, this, &frmMain::resetOnHeader);

    main_ = std::make_unique<MainPage>(*this);
    today_ = std::make_unique<TodayPage>(*this);
    dayCounter_ = std::make_unique<DayCounterPage>(*this);
    about_ = std::make_unique<AboutPage>(*this);
    settingsPage_ = std::make_unique<SettingsPage>(*this);

    txtPost_ = new TextPost(this);
    connect(txtPost_, &TextPost::escapePressed, this, [this] {
        if (pageTag_ == QLatin1String("2")) {
            if (auto* back = findChild<ImageControl*>(QStringLiteral("imgPrevious2"))) {
                back->click();
            }
        }
    });
    connect(txtPost_, &TextPost::mouseMoved, this, [this] {
        if (pageTag_ == QLatin1String("2")) {
            hover_.reset(QStringLiteral("imgPrevious"), Rule::A);
        }
    });

    buildBarButtons();
    hover_.onClick(QStringLiteral("imgSetting"), [this] { settingsPage_->imgSetting2_Click(); });
}

frmMain::~frmMain() = default;

void frmMain::buildBarButtons() {
    hover_.addPair(this, QStringLiteral("imgasli"), QStringLiteral("صفحه اصلي"), false, false);
    hover_.addPair(this, QStringLiteral("imgfMataleb"), QStringLiteral("فهرست مطالب"), false,
                   false);
    hover_.addPair(this, QStringLiteral("imgDast"), QStringLiteral("درباره برنامه"), true, true);
    hover_.addPair(this, QStringLiteral("imgMin"), QStringLiteral("کوچک کردن پنجره"), false, false);
    hover_.addPair(this, QStringLiteral("imgExit"), QStringLiteral("خروج از برنامه"), false, false);
    const auto placeTwips = [this](const char* base, int left, int top) {
        HoverButtons::Button* b = hover_.find(QString::fromLatin1(base));
        for (ImageControl* img : {b->normal, b->hover}) {
            img->move(Units::twips(left), Units::twips(top));
        }
        b->normal->show();
    };
    placeTwips("imgMin", 12, 6);
    placeTwips("imgasli", 5550, 5160);
    placeTwips("imgfMataleb", 5550, 5760);
    placeTwips("imgExit", 5550, 6360);
    placeTwips("imgDast", 289, 5655);

    // The main-page button's active state lies on it while the main page shows.
    imgAsli_ = new ImageControl(this, QStringLiteral("imgAsli"));
    imgAsli_->setPicture(QStringLiteral("imgasli2"));
    imgAsli_->setAccessibleName(QStringLiteral("صفحه اصلي"));
    imgAsli_->move(Units::twips(5550), Units::twips(5160));

    hover_.onClick(QStringLiteral("imgasli"), [this] { openMainPage(); });
    hover_.onClick(QStringLiteral("imgDast"), [this] { about_->imgDast2_Click(); });
    hover_.onClick(QStringLiteral("imgMin"), [this] { showMinimized(); });
    hover_.onClick(QStringLiteral("imgExit"), [this] { close(); });
}

void frmMain::Form_Load() {
    Setting();
    openMainPage();
    SetKeyboardLayout(*services_.keyboard, QStringLiteral("00000429"));
    about_->placeSharedLabels();
    main_->showFirstTip();
    // Centred on the screen it opens on.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void frmMain::Makhfy() {
    if (controlsDirty_) {
        controls_.clear();
        for (QObject* child : children()) {
            if (auto* w = qobject_cast<QWidget*>(child); w && !w->objectName().isEmpty()) {
                controls_.insert(w->objectName(), w);
            }
        }
        controlsDirty_ = false;
    }
    for (const QString& name : makhfyList()) {
        if (QWidget* w = controls_.value(name, nullptr)) {
            w->setVisible(false);
        }
    }
}

void frmMain::childEvent(QChildEvent* e) {
    if (e->added() || e->removed()) {
        controlsDirty_ = true;
    }
    QWidget::childEvent(e);
}

void frmMain::showHeader(const QVariant& resource) {
    try {
        imgHeader_->setPicture(cLoadResPicture().LoadResPicture(resource, QStringLiteral("JPG")));
        imgHeader_->show();
    } catch (const ResPictureError&) {
        // The page goes on without its header.
        imgHeader_->hide();
    }
}

void frmMain::playClick(const QString& file) {
    if (services_.settings->value(QStringLiteral("sound")) == QLatin1String("1")) {
        services_.sound->play(dataPath(QStringLiteral("Sounds/") + file));
    }
}

bool frmMain::beginBarPage() {
    calendarMarker_.clear();
    const bool updateShowing = updateShowing_ && updateShowing_();
    Makhfy();
    return updateShowing;
}

void frmMain::endBarPage(bool updateWasShowing) {
    alpha(StoredSetting::alpha(services_.settings->value(QStringLiteral("alpha"))));
    if (updateWasShowing && cancelUpdate_) {
        cancelUpdate_();
    }
}

void frmMain::setUpdateHooks(std::function<bool()> showing, std::function<void()> cancel) {
    updateShowing_ = std::move(showing);
    cancelUpdate_ = std::move(cancel);
}

void frmMain::openMainPage() {
    const bool update = beginBarPage();
    pageTag_ = QStringLiteral("1");
    showHeader(2001);
    main_->show();
    imgAsli_->show();
    imgAsli_->raise();
    playClick(QStringLiteral("click.wav"));
    endBarPage(update);
}

void frmMain::alpha(int value) {
    setWindowOpacity(std::clamp(value, 0, 255) / 255.0);
}

void frmMain::PutWindowOnTop() {
    setOnTop(true);
}

void frmMain::PutWindowNotOnTop() {
    setOnTop(false);
}

void frmMain::setOnTop(bool onTop) {
    // A window that exists already changes band in place, without being
    // hidden and shown again.
    if (QWindow* w = windowHandle()) {
        w->setFlag(Qt::WindowStaysOnTopHint, onTop);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    }
}

bool frmMain::isOnTop() const {
    const Qt::WindowFlags flags = windowHandle() ? windowHandle()->flags() : windowFlags();
    return flags.testFlag(Qt::WindowStaysOnTopHint);
}

QString frmMain::dataPath(const QString& relative) const {
    return services_.dataDir + QLatin1Char('/') + relative;
}

void frmMain::Setting() {
    for (const auto& [key, value] : services_.settings->all()) {
        if (key == QLatin1String("on_top")) {
            if (value == QLatin1String("1")) {
                PutWindowOnTop();
            }
        } else if (key == QLatin1String("rang_neveshteh")) {
            settingsPage_->setTextColourTag(value);
            txtPost_->setTextColour(value);
        } else if (key == QLatin1String("rang_paszamineh_neveshteh")) {
            settingsPage_->setBackColourTag(value);
            txtPost_->setBackgroundColour(value);
        }
    }
    alpha(StoredSetting::alpha(services_.settings->value(QStringLiteral("alpha"))));
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.isNull()) {
        p.fillRect(rect(), QColor(0x0f, 0x5e, 0x5a));
    } else {
        p.drawPixmap(0, 0, background_);
    }
}

bool frmMain::onBackground(const QPoint& pos) const {
    return childAt(pos) == nullptr;
}

void frmMain::mousePressEvent(QMouseEvent* e) {
    if (!onBackground(e->position().toPoint())) {
        return;
    }
    // Any button moves the window, as a press on a title bar would.
    if (QWindow* w = windowHandle(); w && w->startSystemMove()) {
        return;
    }
    manualMove_ = true;
    moveOffset_ = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void frmMain::mouseMoveEvent(QMouseEvent* e) {
    if (manualMove_) {
        move(e->globalPosition().toPoint() - moveOffset_);
        return;
    }
    if (onBackground(e->position().toPoint())) {
        resetOnBackground();
    }
}

void frmMain::mouseReleaseEvent(QMouseEvent*) {
    manualMove_ = false;
}

void frmMain::resetOnBackground() {
    hover_.reset(kBarButtons);
    hover_.reset(backgroundResets().value(pageTag_));
    if (calendarMarker_ == kTodayMarker) {
        hover_.reset(kDayArrowsAndPoemArrows);
    }
}

void frmMain::resetOnHeader() {
    hover_.reset(QStringLiteral("imgMin"), Rule::A);
    hover_.reset(headerResets().value(pageTag_));
    if (calendarMarker_ == kTodayMarker) {
        hover_.reset(kPoemArrows);
    }
}

void frmMain::closeEvent(QCloseEvent* e) {
    SetKeyboardLayout(*services_.keyboard, QStringLiteral("00000409"));
    e->accept();
}
