#include "shell/Appearance.h"

#include <QApplication>
#include <QFont>

void applyAppearance(QApplication& app) {
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans Arabic"),
                      QStringLiteral("Noto Naskh Arabic"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(9);
    app.setFont(font);
    app.setStyleSheet(QStringLiteral(
        "QPushButton { background: #e9f5f2; color: #0d3b3a; border: 1px solid #7fb8ae;"
        " border-radius: 4px; padding: 0 6px; }"
        "QPushButton:hover { background: #d3efe8; }"
        "QToolTip { color: #0d3b3a; background: #fdfaf0; border: 1px solid #c9b57a; }"));
}
