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

int RunProgram(int argc, char *argv[], const std::function<void(QWidget *)> &beforeShow)
{
    // No Qt::AA_ShareOpenGLContexts here: it would cost every start a GL context and
    // driver. The browser, which needs it, sets it in its own process.

    // A save beyond the file-size limit then fails with EFBIG and is reported,
    // instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    SetUpApplication();
    InstallTranslations(QLocale::system());

    QtMessageBoxes boxes;
    FileSettingsStore settings(&boxes);
    QtEventPump pump;
    Globals globals(boxes);

    FrmMain window(globals.Catalogue(), globals, boxes, settings, pump);
    globals.SetMainWindow(&window);
    window.Load();
    if (beforeShow)
        beforeShow(&window);
    window.show();
    return QApplication::exec();
}
