#include "data/SettingsStore.h"

#include <QSettings>

namespace {

const QString kApplication = QStringLiteral("vemo");
const QString kOrganisation = QStringLiteral("VEMO");
const QString kSection = QStringLiteral("option");

class UserSettingsStore final : public SettingsStore {
public:
    UserSettingsStore() : settings_(QSettings::UserScope, kOrganisation, kApplication) {}

    QString value(const QString& key) const override {
        return settings_.value(kSection + QLatin1Char('/') + key).toString();
    }
    QList<QPair<QString, QString>> all() const override {
        QList<QPair<QString, QString>> out;
        auto& s = const_cast<QSettings&>(settings_);
        s.beginGroup(kSection);
        for (const QString& key : s.childKeys()) {
            out.append({key, s.value(key).toString()});
        }
        s.endGroup();
        return out;
    }
    void setValue(const QString& key, const QString& value) override {
        settings_.setValue(kSection + QLatin1Char('/') + key, value);
        settings_.sync();
    }

private:
    QSettings settings_;
};

} // namespace

std::unique_ptr<SettingsStore> makeUserSettingsStore() {
    return std::make_unique<UserSettingsStore>();
}

QString MemorySettingsStore::value(const QString& key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? QString() : it->second;
}

QList<QPair<QString, QString>> MemorySettingsStore::all() const {
    QList<QPair<QString, QString>> out;
    for (const auto& [k, v] : values_) {
        out.append({k, v});
    }
    return out;
}

void MemorySettingsStore::setValue(const QString& key, const QString& value) {
    values_[key] = value;
}

namespace StoredSetting {

int alpha(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < kMinAlpha || v > kOpaque) {
        return kOpaque;
    }
    return v;
}

long long colour(const QString& text) {
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 0 || v > 0xFFFFFF) {
        return -1;
    }
    return v;
}

} // namespace StoredSetting
