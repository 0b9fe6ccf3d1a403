#pragma once

#include <QDate>
#include <QString>

// The medical day-counter's entry of a civil day in RoozShomar.xml: the
// month key and the two-digit day, e.g. "jan05", "feb29".
QString RoozShomarElement(const QDate& date);

// The title line: the solar-hijri day and month, 90 spaces, the Gregorian
// day (two digits) and month name.
QString RoozShomarTitle(const QDate& date);

// Texts of the today page.
QString ShamsiDayAndMonth(const QDate& date); // form 4 without its year
QString MiladiCaption(const QDate& date);     // "d  month  yyyy"
QString HijriCaption(const QDate& date);      // "d  month  yyyy"; "" outside the tables
