#pragma once

#include "messageboxes.h"
#include "platform.h"
#include "settingsstore.h"
#include "windowhub.h"

#include <QCoreApplication>
#include <QMap>

// Stand-ins that keep a benchmark away from the user's settings and windows.
class MemorySettings final : public SettingsStore
{
public:
    QString Read(const QString &section, const QString &key, const QString &fallback) override
    {
        return m_values.value(section + QLatin1Char('/') + key, fallback);
    }
    void Write(const QString &section, const QString &key, const QString &value) override
    {
        m_values[section + QLatin1Char('/') + key] = value;
    }

private:
    QMap<QString, QString> m_values;
};

class YesBoxes final : public MessageBoxes
{
public:
    void Inform(QWidget *, const QString &, const QString &) override {}
    bool Ask(QWidget *, const QString &, const QString &) override { return true; }
};

class NoWindows final : public WindowHub
{
public:
    void ShowBrowser() override {}
    void ShowAbout(QWidget *) override {}
    void ShowHelp(QWidget *) override {}
};
