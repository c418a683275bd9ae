// SPDX-License-Identifier: GPL-3.0-or-later
#include "picksmenu.h"

#include "catalogueloader.h"
#include "filetexts.h"
#include "messageboxes.h"
#include "pickslip.h"
#include "windowhub.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

PicksMenu::PicksMenu(QMainWindow &window, const GameCatalogue &catalogue, WindowHub &hub, MessageBoxes &boxes,
                     QAction *copyPicks, std::function<std::optional<PastPick>()> shown)
    : QObject(&window), m_window(window), m_catalogue(catalogue), m_hub(hub), m_boxes(boxes),
      m_shown(std::move(shown)), m_mnuCopyPicks(copyPicks)
{
    // After the bar's other entries; Alt+P is Stop's and Alt+S Start's.
    m_mnuPicks = window.menuBar()->addMenu(QCoreApplication::translate("FrmMain", "Pic&ks"));
    m_mnuPicks->setObjectName(QStringLiteral("mnuPicks"));
    m_mnuPastPicks = m_mnuPicks->addAction(QCoreApplication::translate("FrmMain", "Pas&t Picks…"));
    m_mnuPastPicks->setObjectName(QStringLiteral("mnuPastPicks"));
    m_mnuPastPicks->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_mnuPicks->addAction(m_mnuCopyPicks);
    m_mnuPrintPicks = m_mnuPicks->addAction(QCoreApplication::translate("FrmMain", "P&rint Picks…"));
    m_mnuPrintPicks->setObjectName(QStringLiteral("mnuPrintPicks"));
    m_mnuPrintPicks->setShortcut(QKeySequence::Print);
    for (QAction *action : {m_mnuPastPicks, m_mnuPrintPicks}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window.addAction(action); // the keys work while the menu bar is closed
    }
    connect(m_mnuPastPicks, &QAction::triggered, this, [this] { m_hub.ShowPastPicks(); });
    connect(m_mnuPrintPicks, &QAction::triggered, this, &PicksMenu::PrintShown);
}

void PicksMenu::AddTo(QMenu *context) const
{
    QAction *first = context->actions().value(0);
    context->insertActions(first, {m_mnuCopyPicks, m_mnuPastPicks, m_mnuPrintPicks});
    context->insertSeparator(first);
}

void PicksMenu::RecordRun()
{
    const std::optional<PastPick> picks = m_shown();
    if (!picks)
        return;
    const Status status = AppendPicks(HistoryFileBeside(kCatalogueFile), {*picks});
    if (status) {
        m_hub.PicksRecorded();
        return;
    }
    if (std::exchange(m_failureTold, true))
        return;
    m_boxes.Inform(&m_window,
                   QCoreApplication::translate(
                       "FrmMain",
                       "This run's picks could not be added to your past picks; they stay on screen. "
                       "Drawsmith will not tell you again until it is restarted.\n%1")
                       .arg(FileFailureText(status)),
                   QCoreApplication::translate("FrmMain", "Past Picks"));
}

void PicksMenu::PrintShown()
{
    if (const std::optional<PastPick> picks = m_shown())
        PrintSlips(m_hub, m_boxes, &m_window, {SlipOf(*picks, m_catalogue)});
}
