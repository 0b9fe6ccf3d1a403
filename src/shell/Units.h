#pragma once

#include <QRect>

#include <cmath>

// Positions on the main window are written in its own scale: one horizontal
// unit is 11.80715 twips, one vertical unit 1.0021584 twips, and a pixel is
// 15 twips at 96 dots per inch.
namespace Units {
constexpr double kTwipsPerPixel = 15.0;
constexpr double kTwipsPerUnitX = 11.80715;
constexpr double kTwipsPerUnitY = 1.0021584;

inline int x(double units) {
    return static_cast<int>(std::lround(units * kTwipsPerUnitX / kTwipsPerPixel));
}
inline int y(double units) {
    return static_cast<int>(std::lround(units * kTwipsPerUnitY / kTwipsPerPixel));
}
inline int twips(double t) {
    return static_cast<int>(std::lround(t / kTwipsPerPixel));
}
} // namespace Units

class QWidget;

// Moves a control to a place given in window units; width and height, when
// given, are in window units too.
void placeAt(QWidget* w, double left, double top);
void placeAt(QWidget* w, double left, double top, double width, double height);
