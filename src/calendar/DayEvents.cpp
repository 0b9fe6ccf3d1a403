#include "calendar/DayEvents.h"

#include "calendar/CalendarNames.h"
#include "calendar/ShamsiDate.h"
#include "data/XmlStore.h"

#include <array>

namespace {

const std::array<const char*, 12> kShamsi = {"farvardin", "ordibehesht", "khordad", "tir",
                                             "mordad",    "shahrivar",   "mehr",    "aban",
                                             "azar",      "dey",         "bahman",  "esfand"};
const std::array<const char*, 12> kMiladi = {"jan", "feb", "mar", "apr", "may", "jun",
                                             "jul", "aug", "sep", "oct", "nov", "dec"};
const std::array<const char*, 12> kHijri = {"moharam", "safar",  "rabia", "rabis",
                                            "jama",    "jams",   "rajab", "shaban",
                                            "ramazan", "shaval", "zelgh", "zelhaj"};

QString keyOf(const std::array<const char*, 12>& table, int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return QString::fromLatin1(table[static_cast<size_t>(month - 1)]);
}

bool inTable(const std::array<const char*, 12>& table, const QString& key) {
    for (const char* k : table) {
        if (key == QLatin1String(k)) {
            return true;
        }
    }
    return false;
}

} // namespace

const QString DayEvents::kNothingRecorded = QStringLiteral("هيچ رخدادي براي اين روز ثبت نشده است.");

QString ShamsiMonthKey(int month) {
    return keyOf(kShamsi, month);
}
QString MiladiMonthKey(int month) {
    return keyOf(kMiladi, month);
}
QString HijriMonthKey(int month) {
    return keyOf(kHijri, month);
}

void DayEvents::GetRokhdad(const QString& key, const QString& dayElement) {
    xml_.OpenXmlDoc(file_, 0);
    QString* box = nullptr;
    if (inTable(kShamsi, key)) {
        box = &txtRShamsi;
    } else if (inTable(kMiladi, key)) {
        box = &txtRMiladi;
    } else if (inTable(kHijri, key)) {
        box = &txtRHegri;
    }
    if (box) {
        *box = xml_.GetXmlText(QStringLiteral("/Rokhdad/") + key + QLatin1Char('/') + dayElement +
                               QStringLiteral("/koli"));
    }
}

QString DayEvents::biaRokhdad(const QDate& shown) {
    // Solar hijri: the day element is the first three letters of the key.
    const int m = Shamsi_Date::MiladiToShamsi(shown, 6).toInt();
    const int d = Shamsi_Date::MiladiToShamsi(shown, 5).toInt();
    const QString solarKey = ShamsiMonthKey(m);
    GetRokhdad(solarKey, solarKey.left(3) + QString::number(d));

    const QString gregorianKey = MiladiMonthKey(shown.month());
    GetRokhdad(gregorianKey, gregorianKey + QString::number(shown.day()));

    // The lunar date of the civil day itself.
    int16_t hy = 0;
    int16_t hm = 0;
    int16_t hd = 0;
    CalendarNames::HijriOfCivilDate(shown, hy, hm, hd);
    const QString lunarKey = HijriMonthKey(hm);
    GetRokhdad(lunarKey, lunarKey + QString::number(hd));

    if (txtRShamsi == QLatin1String("RokhShamsi")) {
        txtRShamsi.clear();
    }
    if (txtRMiladi == QLatin1String("RokhMiladi")) {
        txtRMiladi.clear();
    }
    if (txtRHegri == QLatin1String("RokhHegri")) {
        txtRHegri.clear();
    }
    if ((txtRShamsi + txtRHegri + txtRMiladi).isEmpty()) {
        return kNothingRecorded;
    }
    const QString caption =
        (txtRShamsi + QLatin1Char(' ') + txtRHegri + QStringLiteral("  ") + txtRMiladi).trimmed();
    txtRShamsi.clear();
    txtRMiladi.clear();
    txtRHegri.clear();
    return caption;
}
