// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stands in for the desktop's services: logs each message box as "Title|Prompt" (a question
// with "|Yes" or "|No": Yes when `script` holds "...|Yes" at that place in the log), each
// setting written, the program's end and each window opened.
#include "messageboxes.h"
#include "pickgenerator.h"
#include "platform.h"
#include "settingsstore.h"
#include "windowhub.h"

#include <QPdfWriter>
#include <QtWidgets>

#include <cmath>
#include <functional>

// The most sets a run can draw (3000), then the clock-seeded source.
class LongestRunSource final : public RandomSource
{
public:
    void ReseedFromClock() override
    {
        m_first = true;
        m_clock.ReseedFromClock();
    }
    float Next() override
    {
        if (!m_first)
            return m_clock.Next();
        m_first = false;
        return std::nextafter(1.0f, 0.0f);
    }

private:
    bool m_first = true;
    ClockRandomSource m_clock;
};

// A dark theme as the desktop's platform theme hands it over (shades of Adwaita-dark).
inline QPalette DarkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(0xee, 0xee, 0xec));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::ToolTipBase, QColor(0x26, 0x26, 0x26));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    return dark;
}

// The top-level windows of that object name on screen.
inline QList<QWidget *> ShownWindows(const QString &objectName)
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == objectName && window->isVisible())
            found << window;
    return found;
}

struct StandIns final : MessageBoxes, SettingsStore, EventPump, RandomSource, WindowHub
{
    void Inform(QWidget *, const QString &text, const QString &head) override { events << head + '|' + text; }
    bool Ask(QWidget *, const QString &text, const QString &head) override
    {
        events << head + '|' + text + (script.value(events.size()).endsWith("|Yes") ? "|Yes" : "|No");
        return events.last().endsWith("|Yes");
    }
    QString Read(const QString &section, const QString &key, const QString &fallback) override
    {
        return saved.startsWith(section + '/' + key + '=') ? saved.section('=', 1) : fallback;
    }
    void Write(const QString &section, const QString &key, const QString &value) override
    {
        events << (saved = section + '/' + key + '=' + value);
    }
    void PumpOnce() override
    {
        if (++pumps == 1 && atFirstSet)
            atFirstSet();
        QCoreApplication::processEvents();
    }
    void EndProgram() override { events << "end"; }
    // The fewest sets, slot j at (j + 0.5) / 7 of its range, the Power Ball at the middle of its own.
    void ReseedFromClock() override { next = 0; }
    float Next() override { return next++ ? ((next - 2) % 8 == 7 ? .5f : ((next - 2) % 8 + .5f) / 7) : 0; }
    void ShowBrowser() override { events << "browser"; }
    void ShowAbout(QWidget *over) override { events << (over ? "about over " + over->objectName() : "about"); }
    void ShowHelp(QWidget *over) override { events << (over ? "help over " + over->objectName() : "help"); }
    // Past Picks opens through `pastPicks` when it is set; `recorded` hears each run kept.
    void ShowPastPicks() override { pastPicks ? pastPicks() : void(events << "past picks"); }
    void PicksRecorded() override { recorded ? recorded() : void(); }
    // Prints to the file `pdf` when it is set, else cancels the dialog.
    PrintResult Print(QWidget *, const QString &, const PagePainter &paint) override
    {
        events << "print";
        if (pdf.isEmpty())
            return PrintResult::Cancelled;
        QPdfWriter file(pdf);
        return paint(file) ? PrintResult::Printed : PrintResult::Failed;
    }
    QStringList script, events;
    QString saved; // "Section/key=value"
    QString pdf;
    std::function<void()> atFirstSet, pastPicks, recorded;
    int pumps = 0, next = 0;
};
