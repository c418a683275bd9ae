#pragma once

#include <QString>

// The per-user settings store: (section, key) -> text.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString Read(const QString &section, const QString &key, const QString &defaultValue) = 0;
    // Written through to disk at once, so ending the program right after loses nothing.
    virtual void Write(const QString &section, const QString &key, const QString &value) = 0;
};

// QSettings under the application name "Drawsmith".
class QtSettingsStore final : public SettingsStore
{
public:
    QString Read(const QString &section, const QString &key, const QString &defaultValue) override;
    void Write(const QString &section, const QString &key, const QString &value) override;
};
