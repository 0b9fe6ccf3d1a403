#pragma once

#include <QPainterPath>
#include <QString>

// Parses the path data of SVG ("M 4 12 L 10 6 Z"): the commands M, L, H, V,
// C, S, Q, T and Z, absolute (upper case) and relative (lower case). Arcs are
// not taken; write them as cubic curves. Returns false with a message in
// `error` on malformed data.
bool parsePathData(const QString& data, QPainterPath& path, QString& error);
