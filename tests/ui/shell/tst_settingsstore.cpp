// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
struct Boxes final : MessageBoxes
{
    void Inform(QWidget *, const QString &, const QString &) override { ++informed; }
    bool Ask(QWidget *, const QString &, const QString &) override { return false; }
    int informed = 0;
};
} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    // Under $XDG_CONFIG_HOME when that is an absolute path, else under ~/.config.
    void defaultFile_data()
    {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("file");
        const QString home = QDir::homePath() + "/.config/Drawsmith/Drawsmith.conf";
        QTest::newRow("absolute") << QByteArray("/x/conf") << "/x/conf/Drawsmith/Drawsmith.conf";
        QTest::newRow("relative") << QByteArray("conf") << home;
        QTest::newRow("empty") << QByteArray() << home;
    }
    void defaultFile()
    {
        QFETCH(QByteArray, config);
        qputenv("XDG_CONFIG_HOME", config);
        QTEST(FileSettingsStore::DefaultFile(), "file");
    }

    // The store never waits on what is found at its file, keeps other lines, and reports one failed write per run.
    void store_data()
    {
        QTest::addColumn<QByteArray>("before"); // "<fifo>", "<folder>", "<read-only>" or the file's text
        QTest::addColumn<QString>("read");      // Game before the writes
        QTest::addColumn<int>("reports");       // after two writes
        QTest::addColumn<QByteArray>("after");  // the file then (null: not a file)
        QTest::newRow("no file") << QByteArray() << "0" << 0 << QByteArray("[GameName]\nGame=5\n");
        QTest::newRow("an older file, other lines kept")
            << QByteArray("[General]\nx=1\n\n[GameName]\nGame=3\nOther=y\n") << "3" << 0
            << QByteArray("[General]\nx=1\n\n[GameName]\nGame=5\nOther=y\n");
        QTest::newRow("key added to its section, not the next")
            << QByteArray("[GameName]\nx=1\n[Other]\nGame=9\n") << "0" << 0
            << QByteArray("[GameName]\nx=1\nGame=5\n[Other]\nGame=9\n");
        QTest::newRow("blanks around the value") << QByteArray("[GameName]\n Game = 3 \n") << "3" << 0
                                                 << QByteArray("[GameName]\nGame=5\n");
        QTest::newRow("section added") << QByteArray("[General]\nx=1\n") << "0" << 0
                                       << QByteArray("[General]\nx=1\n\n[GameName]\nGame=5\n");
        QTest::newRow("named pipe") << QByteArray("<fifo>") << "0" << 1 << QByteArray();
        QTest::newRow("folder") << QByteArray("<folder>") << "0" << 1 << QByteArray();
        QTest::newRow("read-only") << QByteArray("<read-only>") << "2" << 1 << QByteArray("[GameName]\nGame=2\n");
    }
    void store()
    {
        QFETCH(QByteArray, before);
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        const QString file = FileSettingsStore::DefaultFile();
        QVERIFY(file.startsWith(config.path()) && QDir().mkpath(config.filePath("Drawsmith")));
        if (before == "<fifo>") {
            QVERIFY(mkfifo(QFile::encodeName(file), 0644) == 0);
        } else if (before == "<folder>") {
            QVERIFY(QDir().mkdir(file));
        } else if (!before.isNull()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(before == "<read-only>" ? "[GameName]\nGame=2\n" : before);
            out.close();
            if (before == "<read-only>")
                QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        }
        Boxes boxes;
        FileSettingsStore store(&boxes);
        QTEST(store.Read("GameName", "Game", "0"), "read");
        store.Write("GameName", "Game", "4");
        store.Write("GameName", "Game", "5");
        QTEST(boxes.informed, "reports");
        QFile in(file);
        QTEST(QFileInfo(file).isFile() && in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray(), "after");
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
