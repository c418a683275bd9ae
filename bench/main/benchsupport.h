// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogueloader.h"
#include "frmmain.h"
#include "gamerecord.h"
#include "messageboxes.h"
#include "platform.h"
#include "settingsstore.h"
#include "windowhub.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <QMap>
#include <memory>

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
    void ShowPastPicks() override {}
    PrintResult Print(QWidget *, const QString &, const PagePainter &) override { return PrintResult::Cancelled; }
};

// Shows a window and returns once the window system has put it on screen.
inline void ShowExposed(QWidget *window)
{
    window->show();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

// The main window over the default catalogue, in a folder of its own, with the
// given game saved as the last one chosen; loaded and on screen.
class BenchWindow
{
public:
    BenchWindow(const QString &savedRow, EventPump &pump, RandomSource *random = nullptr)
    {
        if (!m_folder.isValid() || !QDir::setCurrent(m_folder.path()) || !WriteDefaultCatalogue())
            return;
        m_settings.Write(QStringLiteral("GameName"), QStringLiteral("Game"), savedRow);
        m_window = std::make_unique<FrmMain>(m_catalogue, m_hub, m_boxes, m_settings, pump, random);
        m_window->Load();
        ShowExposed(m_window.get());
    }

    bool Ok() const { return m_window != nullptr; }
    FrmMain &Window() { return *m_window; }
    GameCatalogue &Catalogue() { return m_catalogue; }
    WindowHub &Hub() { return m_hub; }
    MessageBoxes &Boxes() { return m_boxes; }

private:
    QTemporaryDir m_folder;
    GameCatalogue m_catalogue;
    NoWindows m_hub;
    YesBoxes m_boxes;
    MemorySettings m_settings;
    std::unique_ptr<FrmMain> m_window;
};
