// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogueloader.h"
#include "gameentry.h"
#include "safefile.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QByteArray kDefaults(kDefaultCatalogue.data(), qsizetype(kDefaultCatalogue.size()));

// Answers Yes to the recovery and logs what it is told.
struct Answers final : RecoveryQuestions
{
    bool AskCreateNewFile() override { return log += "ask;", true; }
    bool AskContinue() override { return false; }
    void ReportWriteFailure(const Status &failure) override { log += "failed " + Name(failure) + ";"; }
    void ReportBackup(const std::filesystem::path &backup) override
    {
        log += "backup " + QString::fromStdString(backup.filename().string()) + ";";
    }
    void ReportUnusable(const Status &failure) override { log += "unusable " + Name(failure) + ";"; }
    static QString Name(const Status &status)
    {
        static const char *const problems[] = {"ok", "unreadable", "not found", "dangling link", "no access",
                                               "read-only", "not regular", "too large", "no space", "locked",
                                               "game gone", "too many", "read failed", "write failed"};
        static const char *const nodes[] = {"", " folder", " fifo", " char device", " block device",
                                            " socket", " other"};
        return QString(problems[int(status.Problem())]) +
               (status.Problem() == FileProblem::NotRegular ? nodes[int(status.Node())] : "");
    }
    QString log;
};

// Every entry under the folder: "name=f600:<lines>" (or the text, when short), "name->target", "name=p", "name/".
QString FolderState()
{
    QMap<QString, QString> state; // by name
    QDirIterator it(".", QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next().mid(2);
        struct stat info = {};
        lstat(path.toLocal8Bit(), &info);
        if (S_ISLNK(info.st_mode)) {
            state[path] = path + "->" + QFile::symLinkTarget(path).section('/', -1);
        } else if (S_ISDIR(info.st_mode)) {
            state[path] = path + "/";
        } else if (S_ISFIFO(info.st_mode)) {
            state[path] = path + "=p";
        } else if (path.endsWith(".lock")) {
            state[path] = path;
        } else {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QByteArray text = file.readAll();
            state[path] = path + "=f" + QString::number(info.st_mode & 0777, 8) + ":" +
                          (text.size() < 16 ? QString::fromLatin1(text).trimmed() : QString::number(text.count('\n')));
        }
    }
    return QStringList(state.values()).join(' ');
}

void Make(const QString &steps)
{
    for (const QString &step : steps.split("; ", Qt::SkipEmptyParts)) {
        const QStringList w = step.split(' ');
        const QByteArray a = w.value(1).toLocal8Bit(), b = w.value(2).toLocal8Bit();
        if (w[0] == "file") { // file NAME [TEXT]: the six defaults without a text
            QFile file(w[1]);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(w.size() > 2 ? w.mid(2).join(' ').toLatin1() + "\r\n" : kDefaults);
        } else if (w[0] == "link") {
            QVERIFY(symlink(b, a) == 0);
        } else if (w[0] == "fifo") {
            QVERIFY(mkfifo(a, 0644) == 0);
        } else if (w[0] == "mkdir") {
            QVERIFY(QDir().mkdir(w[1]));
        } else if (w[0] == "chmod") {
            QVERIFY(chmod(a, mode_t(w[2].toUInt(nullptr, 8))) == 0);
        } else if (w[0] == "big") {
            QFile file(w[1]);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(kMostFileBytes) + 1));
        }
    }
}

// "add NAME", "change NAME HIGH", "delete ROW", "default" on games.dat.
Status Act(const QString &action)
{
    const QString verb = action.section(' ', 0, 0), name = action.section(' ', 1, 1);
    GameEntry entry{name.toLatin1().toStdString(), "6", "1", action.section(QChar(32), 2, 2).toStdString(), false, "0", "0"};
    if (verb == "add") {
        int row = 0;
        entry.HighText = "49";
        return AppendGame(entry, row);
    }
    if (verb == "change") {
        std::optional<int> row;
        return SaveGameChanges(entry, row);
    }
    if (verb == "delete") {
        GameCatalogue catalogue;
        if (Status status = LoadCatalogue(catalogue); !status)
            return status;
        return DeleteGame(catalogue.Games.at(name.toUInt()), name.toInt());
    }
    return WriteDefaultCatalogue();
}

QByteArray Bytes(const QString &text)
{
    return text.toLatin1().replace("\\r\\n", "\r\n");
}
} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase() { umask(022); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }

    // What is found at games.dat: read without waiting and never replaced when it is no regular file.
    void specialFiles_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("recovery"); // load failure, then what the recovery did
        QTest::addColumn<QString>("state");
        // clang-format off
        QTest::newRow("named pipe") << "fifo games.dat" << "unusable not regular fifo;" << "games.dat=p";
        QTest::newRow("link to a device") << "link games.dat /dev/zero" << "unusable not regular char device;"
                                          << "games.dat->zero";
        QTest::newRow("folder") << "mkdir games.dat" << "unusable not regular folder;" << "games.dat/";
        QTest::newRow("over 16 MiB") << "big games.dat" << "unusable too large;" << "games.dat=f644:0";
        QTest::newRow("link to nothing") << "link games.dat gone.dat" << "unusable dangling link;"
                                         << "games.dat->gone.dat";
        QTest::newRow("no file") << "" << "ask;" << "games.dat=f644:6 games.dat.lock";
        QTest::newRow("empty file: no backup") << "file games.dat" << "ask;" << "games.dat=f644:6 games.dat.lock";
        // clang-format on
    }
    void specialFiles()
    {
        QFETCH(QString, setup);
        Make(setup.replace("file games.dat", "file games.dat "));
        if (setup.startsWith("file"))
            QVERIFY(QFile::resize("games.dat", 0));
        GameCatalogue catalogue;
        const Status loaded = LoadCatalogue(catalogue);
        Answers answers;
        RecoverCatalogue(answers, loaded);
        QTEST(answers.log, "recovery");
        QTEST(FolderState(), "state");
    }

    // Saves through links and around things planted beside games.dat; modes, backups, stale temporaries.
    void writes_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("state");
        // clang-format off
        QTest::newRow("link kept, its target replaced") << "mkdir sync; file sync/real.dat; link games.dat sync/real.dat"
            << "add Mini" << "ok" << "games.dat->real.dat sync/ sync/real.dat=f644:7 sync/real.dat.lock";
        QTest::newRow("chain of links") << "file real.dat; link mid real.dat; link games.dat mid" << "delete 0"
            << "ok" << "games.dat->mid mid->real.dat real.dat=f644:5 real.dat.lock";
        // The old fixed temporary name let a planted link send the save outside the folder, and a pipe hang it.
        QTest::newRow("link planted at games.dat.tmp") << "file games.dat; mkdir out; file out/x keep; "
            "link games.dat.tmp out/x" << "change Power 50" << "ok"
            << "games.dat=f644:6 games.dat.lock games.dat.tmp->x out/ out/x=f644:keep";
        QTest::newRow("pipe at games.dat.tmp") << "file games.dat; fifo games.dat.tmp" << "add Mini" << "ok"
            << "games.dat=f644:7 games.dat.lock games.dat.tmp=p";
        QTest::newRow("read-only file kept") << "file games.dat; chmod games.dat 0444" << "add Mini"
            << "read-only" << "games.dat=f444:6 games.dat.lock";
        QTest::newRow("read-only: no default, no backup") << "file games.dat A; chmod games.dat 0400"
            << "default" << "read-only" << "games.dat=f400:A";
        QTest::newRow("mode 0600 kept") << "file games.dat; chmod games.dat 0600" << "delete 5" << "ok"
            << "games.dat=f600:5 games.dat.lock";
        QTest::newRow("stale temporaries of killed saves removed") << "file games.dat; file .games.dat.Ab12Cd x; "
            "file .games.dat.other y; mkdir .games.dat.Zz99Zz" << "add Mini" << "ok" << ".games.dat.Zz99Zz/ "
            ".games.dat.other=f644:y games.dat=f644:7 games.dat.lock";
        QTest::newRow("backups numbered, mode kept") << "file games.dat Mine; chmod games.dat 0600; "
            "file games.dat.bak Old" << "default" << "ok"
            << "games.dat=f600:6 games.dat.bak=f644:Old games.dat.bak.1=f600:Mine games.dat.lock";
        QTest::newRow("planted link at the backup's name") << "file games.dat Mine; file x keep; "
            "link games.dat.bak x" << "default" << "ok"
            << "games.dat=f644:6 games.dat.bak->x games.dat.bak.1=f644:Mine games.dat.lock x=f644:keep";
        QTest::newRow("pipe at the lock's name") << "file games.dat; fifo games.dat.lock" << "add Mini"
            << "not regular fifo" << "games.dat=f644:6 games.dat.lock=p";
        QTest::newRow("game changed by another process: nothing deleted") << "file games.dat" << "delete 9"
            << "game gone" << "games.dat=f644:6 games.dat.lock";
        // clang-format on
    }
    void writes()
    {
        QFETCH(QString, setup);
        QFETCH(QString, action);
        Make(setup);
        Status status;
        if (action == "delete 9") { // a game read earlier that the file no longer holds
            status = DeleteGame(GameRecord{"Gone", 6, 1, 49, 0, 0}, 1);
        } else {
            status = Act(action);
        }
        QTEST(Answers::Name(status), "result");
        QTEST(FolderState(), "state");
    }

    // Names are bytes: other encodings and a byte-order mark survive every action.
    void bytes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QByteArray>("after");
        const QByteArray bom = "\xEF\xBB\xBF", cafe = "Caf\xE9_Lotto", odd = "\xFF\xFE Odd";
        // clang-format off
        QTest::newRow("Latin-1 name changed") << cafe + ",6,1,49,0,0\r\n" + odd + ",6,1,49,0,0"
            << "change " + cafe + " 50" << cafe + ", 6, 1, 50, 0, 0\r\n" + odd + ", 6, 1, 49, 0, 0\r\n";
        QTest::newRow("mark kept, first game changed") << bom + "A,6,1,49,0,0\r\nB,6,1,49,0,0\r\n"
            << QByteArray("change A 50") << bom + "A, 6, 1, 50, 0, 0\r\nB, 6, 1, 49, 0, 0\r\n";
        QTest::newRow("mark kept, first game deleted") << bom + "A,6,1,49,0,0\r\n" + odd + ",6,1,49,0,0\r\n"
            << QByteArray("delete 0") << bom + odd + ", 6, 1, 49, 0, 0\r\n";
        QTest::newRow("mark alone: added game on the first line") << bom << QByteArray("add N")
            << bom + "N,6,1,49,0,0\r\n";
        // clang-format on
    }
    void bytes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, action);
        QVERIFY(ReplaceFile("games.dat", before.toStdString()));
        QVERIFY(Act(QString::fromLatin1(action)));
        std::string text;
        QVERIFY(ReadWholeFile("games.dat", text));
        QTEST(QByteArray::fromStdString(text), "after");
        std::vector<GameRecord> games;
        QVERIFY(ParseCatalogue(text, games) && games[0].Name.find('\xEF') == std::string::npos);
    }

    // A delete re-reads the file: it removes the game shown, wherever it moved, and keeps what another process added.
    void deleteReadsTheFile_data()
    {
        QTest::addColumn<QString>("shown"); // the file as the editor read it
        QTest::addColumn<QString>("disk");  // the file when the delete runs
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("after"); // null: refused, unchanged
        const QString a = "A,6,1,49,0,0\\r\\n", b = "B,6,1,49,0,0\\r\\n", c = "C,6,1,49,0,0\\r\\n";
        QTest::newRow("game added meanwhile kept") << a + b << a + b + c << 0 << "B, 6, 1, 49, 0, 0\r\nC, 6, 1, 49, 0, 0\r\n";
        QTest::newRow("row moved") << a + b << c + a + b << 1 << "C, 6, 1, 49, 0, 0\r\nA, 6, 1, 49, 0, 0\r\n";
        QTest::newRow("twins: the one at the row") << a + a + b << a + a + b << 1 << "A, 6, 1, 49, 0, 0\r\nB, 6, 1, 49, 0, 0\r\n";
        QTest::newRow("deleted meanwhile") << a + b << a << 1 << QString();
        QTest::newRow("changed meanwhile") << a + b << a + "B,6,1,50,0,0" << 1 << QString();
    }
    void deleteReadsTheFile()
    {
        QFETCH(QString, shown);
        QFETCH(QString, disk);
        QFETCH(int, row);
        QFETCH(QString, after);
        std::vector<GameRecord> games;
        QVERIFY(ParseCatalogue(Bytes(shown).toStdString(), games));
        QVERIFY(ReplaceFile("games.dat", Bytes(disk).toStdString()));
        const Status status = DeleteGame(games.at(std::size_t(row)), row);
        QCOMPARE(status.Ok(), !after.isNull());
        std::string text;
        QVERIFY(ReadWholeFile("games.dat", text));
        QCOMPARE(QString::fromStdString(text), after.isNull() ? QString(Bytes(disk)) : after);
    }

    // A save beyond the file-size limit (with SIGXFSZ ignored, as the program does) is a failure, not an end.
    void fileSizeLimit()
    {
        QVERIFY(ReplaceFile("games.dat", std::string(kDefaultCatalogue)));
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            const Status status = ReplaceFile("games.dat", std::string(10000, 'x'));
            _exit(status.Problem() == FileProblem::TooLarge ? 0 : 1);
        }
        int result = 0;
        QCOMPARE(waitpid(child, &result, 0), child);
        QVERIFY(WIFEXITED(result) && WEXITSTATUS(result) == 0);
        QCOMPARE(FolderState(), "games.dat=f644:6");
    }

    // Another instance holding the lock too long: a clear failure, nothing written.
    void lockedByAnother()
    {
        Make("file games.dat");
        FileLock other;
        QVERIFY(other.Acquire("games.dat"));
        QCOMPARE(Answers::Name(Act("add Mini")), "locked");
        QCOMPARE(FolderState(), "games.dat=f644:6 games.dat.lock");
    }

    // Two processes adding, changing and deleting at once while this one reads.
    void twoInstances()
    {
        Make("file games.dat");
        const int rounds = 100; // 250 saves each
        QProcess first, second;
        for (QProcess *process : {&first, &second})
            process->start(HAMMER, {m_dir->filePath("games.dat"), process == &first ? "P" : "Q",
                                    QString::number(rounds)});
        int emptySeen = 0, reads = 0;
        while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
            std::string text;
            std::vector<GameRecord> games;
            emptySeen += !ReadWholeFile("games.dat", text) || !ParseCatalogue(text, games);
            ++reads;
            first.waitForFinished(1); // which also notices the end of the other
            second.waitForFinished(1);
        }
        QVERIFY(first.exitCode() == 0 && second.exitCode() == 0);
        int saves = 0, failures = 0;
        for (QProcess *process : {&first, &second}) {
            const QStringList figures = QString(process->readAllStandardOutput()).split(' ');
            saves += figures.value(0).toInt();
            failures += figures.value(1).toInt();
            QCOMPARE(process->readAllStandardError(), QByteArray());
        }
        GameCatalogue catalogue;
        QVERIFY(LoadCatalogue(catalogue));
        QStringList expected = QString(kDefaults).split("\r\n", Qt::SkipEmptyParts);
        for (QString &line : expected)
            line = line.section(',', 0, 0);
        for (const char *tag : {"P", "Q"})
            for (int k = 1; k < rounds; k += 2)
                expected << QString("%1 %2").arg(tag).arg(k);
        QStringList held;
        for (const GameRecord &game : catalogue.Games)
            held << QString::fromStdString(game.Name);
        int lost = 0;
        for (const QString &name : expected)
            lost += !held.contains(name);
        qInfo("%d saves in two processes, %d reads: %d games lost, %d empty or unreadable files seen, "
              "%d spurious failures", saves, reads, lost, emptySeen, failures);
        QVERIFY(saves >= 500);
        QCOMPARE(lost + emptySeen + failures, 0);
        expected.sort();
        held.sort();
        QCOMPARE(held, expected);
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "test_filesafety.moc"
