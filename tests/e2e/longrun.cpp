// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over games.dat in the current folder, Power Ball chosen, whose every
// run draws the most sets (3000): what a screen reader is sent during the longest run.
#include "catalogueloader.h"
#include "frmmain.h"
#include "platform.h"
#include "standins.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    GameCatalogue catalogue;
    StandIns desktop;
    desktop.saved = QStringLiteral("GameName/Game=3");
    QtEventPump pump;
    LongestRunSource random;
    FrmMain window(catalogue, desktop, desktop, desktop, pump, &random);
    window.Load();
    window.show();
    return app.exec();
}
