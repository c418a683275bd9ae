// SPDX-License-Identifier: GPL-3.0-or-later
#include "globals.h"

#include "appinfo.h"
#include "catalogueloader.h"
#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "frmpastpicks.h"
#include "messageboxes.h"
#include "printplugin.h"
#include "windowframe.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QPluginLoader>
#include <QWidget>

Globals::Globals(MessageBoxes &boxes)
    : m_boxes(boxes), m_browser(boxes, BrowserProgramPath(QCoreApplication::applicationDirPath()))
{
}

Globals::~Globals()
{
    delete m_about.data();
    delete m_help.data();
    delete m_pastPicks.data();
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
    ShowWindow(m_about, &Globals::CreateAbout, modalOver, m_mainWindow);
}

void Globals::ShowHelp(QWidget *modalOver)
{
    ShowWindow(m_help, &Globals::CreateHelp, modalOver, m_mainWindow);
}

void Globals::ShowPastPicks()
{
    ShowWindow(m_pastPicks, &Globals::CreatePastPicks, nullptr, m_mainWindow);
}

void Globals::PicksRecorded()
{
    if (auto *window = qobject_cast<FrmPastPicks *>(m_pastPicks.data()))
        window->Reload();
}

PrintResult Globals::Print(QWidget *parent, const QString &document, const PagePainter &paint)
{
    QString errors;
    for (const QString &path :
         PluginPaths(QCoreApplication::applicationDirPath(), QStringLiteral("drawsmith_print"))) {
        QPluginLoader loader(path);
        if (auto *plugin = qobject_cast<PrintPlugin *>(loader.instance()))
            return plugin->Print(parent, document, paint);
        errors += loader.errorString() + QLatin1Char('\n');
    }
    m_boxes.Inform(
        parent,
        QCoreApplication::translate("Globals", "Printing could not be started:\n%1").arg(errors.trimmed()),
        AppInfo::kTitle);
    return PrintResult::Cancelled;
}

void Globals::ShowWindow(QPointer<QWidget> &slot, QWidget *(Globals::*create)(), QWidget *modalOver,
                         QWidget *opener)
{
    if (slot && modalOver && !slot->isModal()) {
        // Open beside the others, it would stay blocked behind the modal window
        // asking for it; a shown window cannot become modal, so it opens afresh.
        slot->close();
        slot = nullptr;
    }
    if (slot) {
        ShowInFront(slot, nullptr);
        return;
    }
    QWidget *window = (this->*create)();
    if (!window)
        return;
    window->setAttribute(Qt::WA_DeleteOnClose);
    slot = window;
    if (!modalOver) {
        ShowInFront(window, opener);
        return;
    }
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    ShowInFront(window, modalOver);
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

QWidget *Globals::CreatePastPicks()
{
    return new FrmPastPicks(m_catalogue, HistoryFileBeside(kCatalogueFile), *this, m_boxes);
}

QStringList PluginPaths(const QString &programFolder, const QString &name)
{
    const QDir programDir(programFolder);
    return {programDir.filePath(name),
            programDir.filePath(QStringLiteral(DRAWSMITH_PLUGIN_FROM_PROGRAM "/") + name)};
}
