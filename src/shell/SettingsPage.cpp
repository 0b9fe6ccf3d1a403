#include "shell/SettingsPage.h"

#include "data/SettingsStore.h"
#include "shell/TextPost.h"
#include "shell/Units.h"
#include "shell/frmMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

const QString kAlpha = QStringLiteral("alpha");
const QString kOnTop = QStringLiteral("on_top");
const QString kSound = QStringLiteral("sound");
const QString kTextColour = QStringLiteral("rang_neveshteh");
const QString kBackColour = QStringLiteral("rang_paszamineh_neveshteh");

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setLayoutDirection(Qt::RightToLeft);
    c->setCursor(Qt::PointingHandCursor);
    c->setStyleSheet(QStringLiteral(
        "QCheckBox { color: #10343f; background: transparent; spacing: 6px; }"
        "QCheckBox::indicator { width: 12px; height: 12px; border: 1px solid #2f7d73;"
        " border-radius: 3px; background: white; }"
        "QCheckBox::indicator:checked { background: #1f8a7a; border: 3px solid #d9f0ea; }"));
    c->hide();
    return c;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setCursor(Qt::PointingHandCursor);
    b->hide();
    return b;
}

QLabel* makeSample(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAutoFillBackground(true);
    l->setFrameShape(QFrame::Box);
    l->hide();
    return l;
}

void showColour(QLabel* sample, const QString& stored) {
    const long long c = StoredSetting::colour(stored);
    QPalette p = sample->palette();
    p.setColor(QPalette::Window, c >= 0 ? colourFromStored(c) : QColor(Qt::transparent));
    sample->setPalette(p);
}

} // namespace

SettingsPage::SettingsPage(frmMain& window) : window_(window), shell_(window) {
    QWidget* w = shell_.surface();
    chOnTop_ = makeCheck(w, "chOnTop", QStringLiteral("پنجره هميشه در بالا"));
    chSound_ = makeCheck(w, "chSound", QStringLiteral("پخش صداي روي دکمه ها"));
    chAlpha_ = makeCheck(w, "chAlpha", QStringLiteral("شيشه اي شدن برنامه"));
    chOnTop_->resize(190, 22);
    chSound_->resize(214, 22);
    chAlpha_->resize(206, 22);

    h_s_alpha_ = new QScrollBar(Qt::Horizontal, w);
    h_s_alpha_->setObjectName(QStringLiteral("h_s_alpha"));
    // Left end more transparent, right end opaque.
    h_s_alpha_->setRange(StoredSetting::kMinAlpha, StoredSetting::kOpaque);
    h_s_alpha_->resize(190, 17);
    h_s_alpha_->hide();

    cmdRang_neveshteh_ =
        makeButton(w, "cmdRang_neveshteh",
                   QStringLiteral("براي تـــــغيير رنـــــگ نــــوشته ها کـــليک کنيد"));
    cmd_rang_paszamineh_neveshteh_ =
        makeButton(w, "cmd_rang_paszamineh_neveshteh",
                   QStringLiteral("براي تغيير رنگ  پس زمينه نوشته ها کليک کنيد"));
    cmdSave_Setting_ = makeButton(w, "cmdSave_Setting", QStringLiteral("ذخيره تنظيمات"));
    cmdSave_Setting_->resize(110, 26);
    pic_rang_neveshteh_ = makeSample(w, "pic_rang_neveshteh");
    pic_rang_pas_neveshteh_ = makeSample(w, "pic_rang_pas_neveshteh");

    QObject::connect(chAlpha_, &QCheckBox::clicked, chAlpha_, [this] { chAlpha_Click(); });
    QObject::connect(h_s_alpha_, &QScrollBar::valueChanged, h_s_alpha_,
                     [this] { h_s_alpha_Change(); });
    QObject::connect(cmdRang_neveshteh_, &QPushButton::clicked, cmdRang_neveshteh_,
                     [this] { cmdRang_neveshteh_Click(); });
    QObject::connect(cmd_rang_paszamineh_neveshteh_, &QPushButton::clicked,
                     cmd_rang_paszamineh_neveshteh_,
                     [this] { cmd_rang_paszamineh_neveshteh_Click(); });
    QObject::connect(cmdSave_Setting_, &QPushButton::clicked, cmdSave_Setting_,
                     [this] { cmdSave_Setting_Click(); });
}

void SettingsPage::imgSetting2_Click() {
    SettingsStore& store = shell_.settings();
    shell_.Makhfy();
    shell_.setPageTag(QStringLiteral("Setting"));
    shell_.showHeader(QStringLiteral("back_option"));
    placeAt(cmdSave_Setting_, 30, 4200);
    cmdSave_Setting_->show();

    placeAt(chOnTop_, 380, 1500);
    chOnTop_->setChecked(store.value(kOnTop) == QLatin1String("1"));
    chOnTop_->show();
    placeAt(chSound_, 349, 2100);
    chSound_->setChecked(store.value(kSound) == QLatin1String("1"));
    chSound_->show();

    placeAt(chAlpha_, 360, 2620);
    chAlpha_->show();
    // A stored value the program would not have written counts as opaque.
    const int stored = StoredSetting::alpha(store.value(kAlpha));
    const QSignalBlocker block(h_s_alpha_);
    if (stored != StoredSetting::kOpaque) {
        chAlpha_->setChecked(true);
        h_s_alpha_->setValue(stored);
        h_s_alpha_->setEnabled(true);
    } else {
        chAlpha_->setChecked(false);
        h_s_alpha_->setValue(StoredSetting::kOpaque);
        h_s_alpha_->setEnabled(false);
    }
    placeAt(h_s_alpha_, 100, 2620);
    h_s_alpha_->show();

    placeAt(cmdRang_neveshteh_, 245, 3100, 300, 260);
    cmdRang_neveshteh_->show();
    placeAt(pic_rang_neveshteh_, 180, 3100, 57, 260);
    showColour(pic_rang_neveshteh_, store.value(kTextColour));
    pic_rang_neveshteh_->show();
    placeAt(cmd_rang_paszamineh_neveshteh_, 245, 3500, 300, 260);
    cmd_rang_paszamineh_neveshteh_->show();
    placeAt(pic_rang_pas_neveshteh_, 180, 3500, 57, 260);
    showColour(pic_rang_pas_neveshteh_, store.value(kBackColour));
    pic_rang_pas_neveshteh_->show();

    CustomColors_.fill(0);
}

void SettingsPage::h_s_alpha_Change() {
    shell_.alpha(h_s_alpha_->value());
}

void SettingsPage::chAlpha_Click() {
    if (chAlpha_->isChecked()) {
        h_s_alpha_->setEnabled(true);
    } else {
        h_s_alpha_->setEnabled(false);
        shell_.alpha(StoredSetting::kOpaque);
    }
}

void SettingsPage::chooseColour(QLabel* sample, QString& tag) {
    const long long c = window_.colors().choose(&window_, CustomColors_);
    if (c == -1) {
        return; // cancelled: nothing changes
    }
    showColour(sample, QString::number(c));
    tag = QString::number(c);
}

void SettingsPage::cmdRang_neveshteh_Click() {
    chooseColour(pic_rang_neveshteh_, textColourTag_);
}

void SettingsPage::cmd_rang_paszamineh_neveshteh_Click() {
    chooseColour(pic_rang_pas_neveshteh_, backColourTag_);
}

void SettingsPage::cmdSave_Setting_Click() {
    SettingsStore& store = shell_.settings();
    store.setValue(kAlpha, chAlpha_->isChecked() ? QString::number(h_s_alpha_->value())
                                                 : QStringLiteral("255"));
    if (chOnTop_->isChecked()) {
        store.setValue(kOnTop, QStringLiteral("1"));
        shell_.PutWindowOnTop();
    } else {
        store.setValue(kOnTop, QStringLiteral("0"));
        shell_.PutWindowNotOnTop();
    }
    store.setValue(kSound, chSound_->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    // A colour never chosen nor stored is not written: an empty value would
    // read back as no colour anyway, and the reader keeps its own.
    if (!textColourTag_.isEmpty()) {
        store.setValue(kTextColour, textColourTag_);
        shell_.txtPost()->setTextColour(textColourTag_);
    }
    if (!backColourTag_.isEmpty()) {
        store.setValue(kBackColour, backColourTag_);
        shell_.txtPost()->setBackgroundColour(backColourTag_);
    }
    shell_.openMainPage();
}
