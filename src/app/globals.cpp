// SPDX-License-Identifier: GPL-3.0-or-later
#include "globals.h"

#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "messageboxes.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QWidget>

Globals::Globals(MessageBoxes &boxes)
    : m_boxes(boxes), m_browser(boxes, BrowserProgramPath(QCoreApplication::applicationDirPath()))
{
}

Globals::~Globals()
{
    delete m_about.data();
    delete m_help.data();
}

void Globals::SetMainWindow(QWidget *window)
{
    m_mainWindow = window;
}

void Globals::ShowBrowser()
{
    m_browser.Show(m_mainWindow ? m_mainWindow->winId() : 0);
}

void Globals::ShowAbout(QWidget *modalOver)
{
    ShowWindow(m_about, &Globals::CreateAbout, modalOver);
}

void Globals::ShowHelp(QWidget *modalOver)
{
    ShowWindow(m_help, &Globals::CreateHelp, modalOver);
}

void Globals::ShowWindow(QPointer<QWidget> &slot, QWidget *(Globals::*create)(), QWidget *modalOver)
{
    if (slot && modalOver && !slot->isModal()) {
        // Open beside the others, it would stay blocked behind the modal window
        // asking for it; a shown window cannot become modal, so it opens afresh.
        slot->close();
        slot = nullptr;
    }
    if (slot) {
        if (slot->isMinimized())
            slot->showNormal();
        slot->raise();
        slot->activateWindow();
        return;
    }
    QWidget *window = (this->*create)();
    if (!window)
        return;
    window->setAttribute(Qt::WA_DeleteOnClose);
    slot = window;
    if (!modalOver) {
        window->show();
        window->raise();
        window->activateWindow();
        return;
    }
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    window->raise();
    window->activateWindow();
    loop.exec(QEventLoop::DialogExec);
}

QWidget *Globals::CreateAbout()
{
    return new frmAboutLotto(*this, m_boxes);
}

QWidget *Globals::CreateHelp()
{
    return new frmHelp(*this, m_boxes);
}
