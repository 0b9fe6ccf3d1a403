#pragma once

#include <QDate>
#include <QString>

class XmlStore;

// The events recorded for one civil day in the three calendars, read from
// Rokhdadha.xml: /Rokhdad/<month key>/<day element>/koli.
class DayEvents {
public:
    DayEvents(XmlStore& xml, QString file) : xml_(xml), file_(std::move(file)) {}

    // The caption of the events label for the shown day.
    QString biaRokhdad(const QDate& shown);

    // Loads the file and, for one of the 36 month keys, reads that day's
    // entry into its calendar's text. Another key changes nothing.
    void GetRokhdad(const QString& key, const QString& dayElement);

    static const QString kNothingRecorded;

    // What each calendar found, between the reads and the caption.
    QString txtRShamsi = QStringLiteral("RokhShamsi");
    QString txtRMiladi = QStringLiteral("RokhMiladi");
    QString txtRHegri = QStringLiteral("RokhHegri");

private:
    XmlStore& xml_;
    QString file_;
};

// Month keys of the data files: "farvardin" ... "esfand", "jan" ... "dec",
// "moharam" ... "zelhaj"; "" for a month outside 1..12.
QString ShamsiMonthKey(int month);
QString MiladiMonthKey(int month);
QString HijriMonthKey(int month);
