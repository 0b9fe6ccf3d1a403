#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <map>
#include <memory>

// The per-user store of the five preferences: application "VEMO", section
// "option". Values are texts; an absent key reads as "".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& key) const = 0;
    virtual QList<QPair<QString, QString>> all() const = 0;
    virtual void setValue(const QString& key, const QString& value) = 0;
};

// QSettings under the user's scope (the registry on Windows).
std::unique_ptr<SettingsStore> makeUserSettingsStore();

// An in-memory store, for tests and for running without a user profile.
class MemorySettingsStore final : public SettingsStore {
public:
    QString value(const QString& key) const override;
    QList<QPair<QString, QString>> all() const override;
    void setValue(const QString& key, const QString& value) override;

private:
    std::map<QString, QString> values_;
};

// How the stored texts are read. A value the program would not have written
// (not a number, out of range) reads as the "off" state: opacity 255, no
// colour.
namespace StoredSetting {
constexpr int kOpaque = 255;
constexpr int kMinAlpha = 180;
int alpha(const QString& text);
// A colour as red + 256 * green + 65536 * blue; -1 when the text is not one.
long long colour(const QString& text);
} // namespace StoredSetting
