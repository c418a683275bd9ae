// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "appicon.h"
#include "appinfo.h"
#include "formfont.h"
#include "frmmain.h"
#include "globals.h"
#include "leanstyle.h"
#include "messageboxes.h"
#include "platform.h"
#include "settingsstore.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>

#include <csignal>

int RunProgram(int argc, char *argv[], const std::function<void(QWidget *)> &beforeShow)
{
    // The web engine, loaded with the browser, draws through a GL context shared
    // program-wide; Qt makes it only when asked before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // A save beyond the file-size limit then fails with EFBIG and is reported,
    // instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setStyle(new LeanStyle);
    // One face for every window and the menus, so start-up loads no other.
    QApplication::setFont(FormFont());
    QApplication::setApplicationName(AppInfo::kTitle);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(AppInfo::kVersionMajor)
                                            .arg(AppInfo::kVersionMinor)
                                            .arg(AppInfo::kVersionRevision));
    QApplication::setWindowIcon(AppIcon());
    QApplication::setDesktopFileName(QStringLiteral("drawsmith"));
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
