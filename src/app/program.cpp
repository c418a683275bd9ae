// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "appsetup.h"
#include "frmmain.h"
#include "globals.h"
#include "messageboxes.h"
#include "platform.h"
#include "settingsstore.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>

#include <csignal>
#include <thread>

#include <fontconfig/fontconfig.h>

namespace {
// Reading the fonts' configuration is the largest single piece of start-up; a
// second core reads it while the application connects to the display.
class FontConfigurationReader
{
public:
    FontConfigurationReader() : m_thread([] { FcInit(); }) {}
    ~FontConfigurationReader() { Wait(); }
    // Before the first text is laid out, so that Qt does not read it again.
    void Wait()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};
} // namespace

int RunProgram(int argc, char *argv[], const std::function<void(QWidget *)> &beforeShow)
{
    // No Qt::AA_ShareOpenGLContexts here: it would cost every start a GL context and
    // driver. The browser, which needs it, sets it in its own process.

    // A save beyond the file-size limit then fails with EFBIG and is reported,
    // instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    FontConfigurationReader fonts;
    QApplication app(argc, argv);
    SetUpApplication();
    InstallTranslations(QLocale::system());

    QtMessageBoxes boxes;
    FileSettingsStore settings(&boxes);
    QtEventPump pump;
    Globals globals(boxes);

    fonts.Wait();
    FrmMain window(globals.Catalogue(), globals, boxes, settings, pump);
    globals.SetMainWindow(&window);
    window.Load();
    if (beforeShow)
        beforeShow(&window);
    window.show();
    return QApplication::exec();
}
