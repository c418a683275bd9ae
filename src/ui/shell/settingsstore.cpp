#include "settingsstore.h"

#include "appinfo.h"

#include <QSettings>

QString QtSettingsStore::Read(const QString &section, const QString &key, const QString &defaultValue)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::kTitle, AppInfo::kTitle);
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void QtSettingsStore::Write(const QString &section, const QString &key, const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::kTitle, AppInfo::kTitle);
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}
