// SPDX-License-Identifier: GPL-3.0-or-later
#include "globals.h"
#include "standins.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QList<QWidget *> Shown(const QString &objectName)
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == objectName && window->isVisible())
            found << window;
    return found;
}
} // namespace

class TestGlobals : public QObject
{
    Q_OBJECT

private slots:
    void opening_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("steps"); // "beside", "modal" (over a modal editor) or "close", apart by blanks
        QTest::addColumn<QString>("seen");  // after each step: windows shown, "modal" when it takes the input
        for (const char *window : {"frmAboutLotto", "frmHelp"}) {
            QTest::addRow("%s twice, closed, again", window) << window << "beside beside close beside" << "1 1 0 1";
            // A window open beside the others was only raised for the modal editor, and stayed blocked behind it.
            QTest::addRow("%s beside, then modal", window) << window << "beside modal" << "1 1 modal, then 0";
        }
        QTest::newRow("help modal") << "frmHelp" << "modal beside" << "1 modal, then 0 1";
    }
    void opening()
    {
        QFETCH(QString, window);
        QFETCH(QString, steps);
        StandIns boxes;
        Globals globals(boxes);
        QWidget editor;
        editor.setWindowModality(Qt::ApplicationModal);
        QStringList seen;
        for (const QString &step : steps.split(' ')) {
            if (step == "close") {
                QPointer<QWidget> closed = Shown(window).value(0);
                closed->close();
                QTRY_VERIFY(closed.isNull()); // closing unloads it
                seen << QString::number(Shown(window).size());
                continue;
            }
            QWidget *over = step == "modal" ? &editor : nullptr;
            if (over) {
                editor.show();
                QTimer::singleShot(0, &editor, [&] {
                    const QWidget *modal = QApplication::activeModalWidget();
                    seen << QString::number(Shown(window).size()) +
                                (modal && modal->objectName() == window ? " modal" : "");
                    for (QWidget *shown : Shown(window))
                        shown->close();
                });
            }
            window == "frmHelp" ? globals.ShowHelp(over) : globals.ShowAbout(over);
            if (over) {
                editor.hide();
                seen.last() += ", then " + QString::number(Shown(window).size());
            } else {
                seen << QString::number(Shown(window).size());
            }
        }
        QTEST(seen.join(QLatin1Char(' ')), "seen");
    }

    // An install moved to another prefix still finds its plugin from the program's folder.
    void pluginFoundFromTheInstalledProgram()
    {
        QTemporaryDir prefix;
        const QString plugin = prefix.filePath(QStringLiteral(INSTALLED_PLUGIN_DIR "/drawsmith_browser.so"));
        QVERIFY(QDir().mkpath(QFileInfo(plugin).path()));
        QVERIFY(QFile(plugin).open(QIODevice::WriteOnly));
        QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral(INSTALLED_GAMES_DIR))));
        QStringList found;
        for (const QString &path : BrowserPluginPaths(prefix.filePath(QStringLiteral(INSTALLED_GAMES_DIR))))
            if (QFileInfo(path + ".so").canonicalFilePath() == QFileInfo(plugin).canonicalFilePath())
                found << path;
        QCOMPARE(found.size(), 1);
    }
};

QTEST_MAIN(TestGlobals)
#include "tst_globals.moc"
