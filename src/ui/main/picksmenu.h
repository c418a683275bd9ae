// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamerecord.h"
#include "pickhistory.h"

#include <QObject>

#include <functional>
#include <optional>

class MessageBoxes;
class QAction;
class QMainWindow;
class QMenu;
class WindowHub;

// The main window's Picks menu (Past Picks, Copy Picks, Print Picks), the same
// entries in the pick boxes' context menu, and the history of the window's runs.
class PicksMenu final : public QObject
{
    Q_OBJECT
public:
    // `shown` gives the picks on screen, timed now; empty when no game is applied.
    PicksMenu(QMainWindow &window, const GameCatalogue &catalogue, WindowHub &hub, MessageBoxes &boxes,
              QAction *copyPicks, std::function<std::optional<PastPick>()> shown);

    // Puts the entries at the top of a pick box's context menu.
    void AddTo(QMenu *context) const;
    // Appends the shown picks to the history. A failure is told once while the
    // program runs; the picks stay on screen either way.
    void RecordRun();

private:
    void PrintShown();

    QMainWindow &m_window;
    const GameCatalogue &m_catalogue;
    WindowHub &m_hub;
    MessageBoxes &m_boxes;
    std::function<std::optional<PastPick>()> m_shown;
    QMenu *m_mnuPicks = nullptr;
    QAction *m_mnuPastPicks = nullptr;
    QAction *m_mnuCopyPicks = nullptr;
    QAction *m_mnuPrintPicks = nullptr;
    bool m_failureTold = false;
};
