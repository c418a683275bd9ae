// SPDX-License-Identifier: GPL-3.0-or-later
#include "globals.h"
#include "messageboxes.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
class SilentBoxes final : public MessageBoxes
{
public:
    void Inform(QWidget *, const QString &, const QString &) override {}
    bool Ask(QWidget *, const QString &, const QString &) override { return false; }
};

QList<QWidget *> Shown(const char *objectName)
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(objectName) && window->isVisible())
            found << window;
    return found;
}
} // namespace

class TestGlobals : public QObject
{
    Q_OBJECT

private slots:
    void windowsOpenOnceAndReloadAfterClosing_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("about box") << true;
        QTest::newRow("help window") << false;
    }

    void windowsOpenOnceAndReloadAfterClosing()
    {
        QFETCH(bool, about);
        const char *name = about ? "frmAboutLotto" : "frmHelp";
        SilentBoxes boxes;
        Globals globals(boxes);
        auto open = [&] { about ? globals.ShowAbout(nullptr) : globals.ShowHelp(nullptr); };

        open();
        open();
        QCOMPARE(Shown(name).size(), 1);
        QPointer<QWidget> first = Shown(name).constFirst();

        first->close();
        QTRY_VERIFY(first.isNull()); // closing unloads it
        open();
        QCOMPARE(Shown(name).size(), 1);
    }

    void modalOpeningWaitsUntilClosed()
    {
        SilentBoxes boxes;
        Globals globals(boxes);
        QWidget editor;
        bool wasModal = false;
        QTimer::singleShot(0, this, [&] {
            const QList<QWidget *> help = Shown("frmHelp");
            wasModal = help.size() == 1 && help.constFirst()->isModal();
            for (QWidget *window : help)
                window->close();
        });
        globals.ShowHelp(&editor);
        QVERIFY(wasModal);
        QVERIFY(Shown("frmHelp").isEmpty());
    }

    void modalRequestForAnOpenWindowOpensItUsable_data() { windowsOpenOnceAndReloadAfterClosing_data(); }
    // Regression: a window open beside the others was only raised for the modal
    // editor's menu, and stayed blocked behind the editor until it closed.
    void modalRequestForAnOpenWindowOpensItUsable()
    {
        QFETCH(bool, about);
        const char *name = about ? "frmAboutLotto" : "frmHelp";
        SilentBoxes boxes;
        Globals globals(boxes);
        auto open = [&](QWidget *over) { about ? globals.ShowAbout(over) : globals.ShowHelp(over); };
        open(nullptr);
        QWidget editor;
        editor.setWindowModality(Qt::ApplicationModal);
        editor.show();

        QString inFront; // the modal window that takes the input
        qsizetype shown = 0;
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            shown = Shown(name).size();
            if (QWidget *modal = QApplication::activeModalWidget())
                inFront = modal->objectName();
            checked = true;
            for (QWidget *window : Shown(name))
                window->close();
        });
        open(&editor);
        QTRY_VERIFY(checked);
        QCOMPARE(shown, 1);
        QCOMPARE(inFront, QLatin1String(name));
        QVERIFY(Shown(name).isEmpty());
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
            if (QFileInfo(path + QStringLiteral(".so")).canonicalFilePath() == QFileInfo(plugin).canonicalFilePath())
                found << path;
        QCOMPARE(found.size(), 1);
    }
};

QTEST_MAIN(TestGlobals)
#include "tst_globals.moc"
