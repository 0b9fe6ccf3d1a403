#pragma once

class QApplication;

// The program's font and colours: a Persian face (Tahoma where installed,
// else Noto Sans Arabic) and a light palette for its few standard controls.
void applyAppearance(QApplication& app);
