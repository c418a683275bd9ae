// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"
#include "standins.h"

#include <QtTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    // A relative $XDG_CONFIG_HOME is ignored, as the XDG rules say.
    void relativeConfigHome()
    {
        qputenv("XDG_CONFIG_HOME", "conf");
        QCOMPARE(FileSettingsStore::DefaultFile(), QDir::homePath() + "/.config/Drawsmith/Drawsmith.conf");
    }

    // The store never waits on what is found at its file, keeps other lines, and reports one failed write per run.
    void store_data()
    {
        QTest::addColumn<QString>("setup");    // a shell script; $F is the file
        QTest::addColumn<QString>("read");     // Game before the writes
        QTest::addColumn<int>("reports");      // after two writes
        QTest::addColumn<QByteArray>("after"); // the file then (empty: not a file)
        QTest::newRow("no file") << "" << "0" << 0 << QByteArray("[GameName]\nGame=5\n");
        QTest::newRow("an older file, other lines kept")
            << "printf '[General]\\nx=1\\n\\n[GameName]\\nGame=3\\nOther=y\\n' >$F"
            << "3" << 0 << QByteArray("[General]\nx=1\n\n[GameName]\nGame=5\nOther=y\n");
        QTest::newRow("key added to its section, not the next") << "printf '[GameName]\\nx=1\\n[Other]\\nGame=9\\n' >$F"
            << "0" << 0 << QByteArray("[GameName]\nx=1\nGame=5\n[Other]\nGame=9\n");
        QTest::newRow("blanks around the value") << "printf '[GameName]\\n Game = 3 \\n' >$F" << "3" << 0
                                                 << QByteArray("[GameName]\nGame=5\n");
        QTest::newRow("section added") << "printf '[General]\\nx=1\\n' >$F" << "0" << 0
                                       << QByteArray("[General]\nx=1\n\n[GameName]\nGame=5\n");
        QTest::newRow("named pipe") << "mkfifo $F" << "0" << 1 << QByteArray();
        QTest::newRow("read-only") << "printf '[GameName]\\nGame=2\\n' >$F; chmod 400 $F" << "2" << 1
                                   << QByteArray("[GameName]\nGame=2\n");
    }
    void store()
    {
        QFETCH(QString, setup);
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        const QString file = FileSettingsStore::DefaultFile();
        qputenv("F", file.toLocal8Bit());
        QVERIFY(file.startsWith(config.path()) && QDir().mkpath(config.filePath("Drawsmith")));
        QCOMPARE(QProcess::execute("sh", {"-ec", setup}), 0);
        StandIns boxes;
        FileSettingsStore store(&boxes);
        QTEST(store.Read("GameName", "Game", "0"), "read");
        store.Write("GameName", "Game", "4");
        store.Write("GameName", "Game", "5");
        QTEST(int(boxes.events.size()), "reports");
        QFile in(file);
        QTEST(QFileInfo(in).isFile() && in.open(QFile::ReadOnly) ? in.readAll() : QByteArray(), "after");
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
