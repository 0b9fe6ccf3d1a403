#pragma once

#include "shell/Services.h"

#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class Shell;
class frmMain;

// The settings page: always on top, click sounds, the glass effect with its
// live preview, the two colours of the reader's text, and saving.
class SettingsPage {
public:
    explicit SettingsPage(frmMain& window);

    void imgSetting2_Click();
    void chAlpha_Click();
    void h_s_alpha_Change();
    void cmdRang_neveshteh_Click();
    void cmd_rang_paszamineh_neveshteh_Click();
    void cmdSave_Setting_Click();

    // The colours chosen or loaded, as decimal text.
    QString textColourTag() const { return textColourTag_; }
    QString backColourTag() const { return backColourTag_; }
    void setTextColourTag(const QString& tag) { textColourTag_ = tag; }
    void setBackColourTag(const QString& tag) { backColourTag_ = tag; }
    const ColorChooser::CustomColors& customColors() const { return CustomColors_; }

private:
    void chooseColour(QLabel* sample, QString& tag);

    frmMain& window_;
    Shell& shell_;
    QCheckBox* chOnTop_ = nullptr;
    QCheckBox* chSound_ = nullptr;
    QCheckBox* chAlpha_ = nullptr;
    QScrollBar* h_s_alpha_ = nullptr;
    QPushButton* cmdRang_neveshteh_ = nullptr;
    QPushButton* cmd_rang_paszamineh_neveshteh_ = nullptr;
    QPushButton* cmdSave_Setting_ = nullptr;
    QLabel* pic_rang_neveshteh_ = nullptr;
    QLabel* pic_rang_pas_neveshteh_ = nullptr;
    QString textColourTag_;
    QString backColourTag_;
    ColorChooser::CustomColors CustomColors_{};
};
