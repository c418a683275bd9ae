// The program's start-up, built exactly as the program builds it, ending at the
// main window's first paint.
#include "appinfo.h"
#include "firstpaint.h"
#include "frmmain.h"
#include "globals.h"
#include "messageboxes.h"
#include "platform.h"
#include "settingsstore.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(shell);
    QApplication::setApplicationName(AppInfo::kTitle);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(AppInfo::kVersionMajor)
                                            .arg(AppInfo::kVersionMinor)
                                            .arg(AppInfo::kVersionRevision));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/drawsmith.svg")));
    QApplication::setDesktopFileName(QStringLiteral("drawsmith"));

    QtMessageBoxes boxes;
    QtSettingsStore settings;
    QtEventPump pump;
    Globals globals(boxes);

    FrmMain window(globals.Catalogue(), globals, boxes, settings, pump);
    FirstPaintExit exitAtPaint(&window);
    window.Load();
    window.show();
    return QApplication::exec();
}
