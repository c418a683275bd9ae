#include "globals.h"

#include "appinfo.h"
#include "browserplugin.h"
#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "messageboxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QWidget>

QT_BEGIN_NAMESPACE
// Exported by Qt GUI; the web engine looks for this context when it loads.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

#ifndef DRAWSMITH_PLUGIN_INSTALL_DIR
#define DRAWSMITH_PLUGIN_INSTALL_DIR "lib/drawsmith"
#endif

Globals::Globals(MessageBoxes &boxes) : m_boxes(boxes) {}

Globals::~Globals()
{
    delete m_browser.data();
    delete m_about.data();
    delete m_help.data();
}

void Globals::ShowBrowser()
{
    ShowWindow(m_browser, &Globals::CreateBrowser, nullptr);
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
    if (slot) {
        // Already open (a window shown beside the others cannot become modal):
        // bring it to the front and go on.
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

namespace {
// The web engine wants a GL context shared program-wide. Qt makes one at start-up
// when asked to (Qt::AA_ShareOpenGLContexts), but that costs every start tens of
// milliseconds and megabytes for a window most starts never open; no other GL
// context exists before the browser's, so making it here is the same.
QOpenGLContext *g_shareContext = nullptr;

void DeleteShareContext()
{
    if (qt_gl_global_share_context() == g_shareContext)
        qt_gl_set_global_share_context(nullptr);
    delete g_shareContext;
    g_shareContext = nullptr;
}

void ShareGlContextForWebEngine()
{
    if (qt_gl_global_share_context())
        return;
    g_shareContext = new QOpenGLContext;
    g_shareContext->create();
    qt_gl_set_global_share_context(g_shareContext);
    qAddPostRoutine(DeleteShareContext);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
} // namespace

QWidget *Globals::CreateBrowser()
{
    ShareGlContextForWebEngine();
    QString errors;
    for (const QString &path : BrowserPluginPaths(QCoreApplication::applicationDirPath())) {
        QPluginLoader loader(path);
        if (auto *plugin = qobject_cast<BrowserPlugin *>(loader.instance()))
            return plugin->CreateBrowser();
        errors += loader.errorString() + QLatin1Char('\n');
    }
    m_boxes.Inform(nullptr,
                   QCoreApplication::translate("Globals", "The web browser could not be started:\n%1")
                       .arg(errors.trimmed()),
                   AppInfo::kTitle);
    return nullptr;
}

QStringList BrowserPluginPaths(const QString &programFolder)
{
    const QDir programDir(programFolder);
    return {programDir.filePath(QStringLiteral("drawsmith_browser")),
            programDir.filePath(QStringLiteral(DRAWSMITH_PLUGIN_FROM_PROGRAM "/drawsmith_browser"))};
}
