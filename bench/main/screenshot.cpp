// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main window after start-up and after a run, of the game editor
// as it opens, of the About box and help window, and of Past Picks with a draw checked, for a look by eye.
//   drawsmith_main_screenshot <folder>   (best under xvfb-run; LANGUAGE=de for German)
#include "addgame.h"
#include "appicon.h"
#include "benchsupport.h"
#include "catalogueloader.h"
#include "formfont.h"
#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "frmpastpicks.h"
#include "pickhistory.h"
#include "gamerecord.h"
#include "translations.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(AppIcon());
    QApplication::setFont(FormFont());
    InstallTranslations(QLocale::system());
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QtEventPump pump;
    BenchWindow bench(QStringLiteral("3"), pump);
    if (!bench.Ok())
        return 1;
    FrmMain &window = bench.Window();

    const QString first = out.filePath(QStringLiteral("main-startup.png"));
    const QString second = out.filePath(QStringLiteral("main-after-run.png"));
    bool saved = window.grab().save(first);
    window.findChild<QPushButton *>(QStringLiteral("cmdStart"))->click();
    QCoreApplication::processEvents();
    saved = window.grab().save(second) && saved;

    AddGame editor(bench.Catalogue(), bench.Hub(), bench.Boxes(), &window);
    ShowExposed(&editor);
    const QString third = out.filePath(QStringLiteral("editor-add.png"));
    saved = editor.grab().save(third) && saved;
    std::printf("%s\n%s\n%s\n", qPrintable(first), qPrintable(second), qPrintable(third));

    frmAboutLotto about(bench.Hub(), bench.Boxes());
    frmHelp help(bench.Hub(), bench.Boxes());
    for (QWidget *other : {static_cast<QWidget *>(&about), static_cast<QWidget *>(&help)}) {
        ShowExposed(other);
        const QString path =
            out.filePath(other == &about ? QStringLiteral("about.png") : QStringLiteral("help.png"));
        saved = other->grab().save(path) && saved;
        std::printf("%s\n", qPrintable(path));
    }

    // The run above is the newest pick; its own numbers make a full match.
    FrmPastPicks past(bench.Catalogue(), HistoryFileBeside(kCatalogueFile), bench.Hub(), bench.Boxes());
    ShowExposed(&past);
    QStringList drawn;
    for (int slot = 1; slot <= 5; ++slot)
        drawn << window.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(slot))->text();
    past.findChild<QLineEdit *>(QStringLiteral("txtDraw"))->setText(drawn.join(QLatin1Char(' ')));
    past.findChild<QLineEdit *>(QStringLiteral("txtDrawPowerBall"))
        ->setText(window.findChild<QLineEdit *>(QStringLiteral("txtPowerball"))->text());
    past.findChild<QPushButton *>(QStringLiteral("cmdCheck"))->click();
    QCoreApplication::processEvents();
    const QString pastPath = out.filePath(QStringLiteral("past-picks.png"));
    saved = past.grab().save(pastPath) && saved;
    std::printf("%s\n", qPrintable(pastPath));
    return saved ? 0 : 1;
}
