// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogueloader.h"
#include "gameentry.h"
#include "safefile.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QByteArray kDefaults(kDefaultCatalogue.data(), qsizetype(kDefaultCatalogue.size()));

QString Name(const Status &status)
{
    static const char *const problems[] = {"ok", "unreadable", "not found", "dangling link", "no access",
                                           "read-only", "not regular", "too large", "no space", "locked",
                                           "game gone", "too many", "read failed", "write failed"};
    static const char *const nodes[] = {"", " folder", " fifo", " char device", " block device", " socket",
                                        " other"};
    return QString(problems[int(status.Problem())]) +
           (status.Problem() == FileProblem::NotRegular ? nodes[int(status.Node())] : "");
}

// Answers the recovery's questions from a script ("no yes": No, then Yes) and logs the dialog.
struct Answers final : RecoveryQuestions
{
    explicit Answers(const QString &script) : script(script.split(' ')) {}
    bool Answer(const char *question) { return log += question, script.takeFirst() == "yes"; }
    bool AskCreateNewFile() override { return Answer("create; "); }
    bool AskContinue() override { return Answer("continue; "); }
    void ReportWriteFailure(const Status &failure) override { log += "failed " + Name(failure) + "; "; }
    void ReportBackup(const std::filesystem::path &backup) override
    {
        log += "backup " + QString::fromStdString(backup.filename().string()) + "; ";
    }
    void ReportUnusable(const Status &failure) override { log += "unusable " + Name(failure) + "; "; }
    QStringList script;
    QString log;
};

// Every entry under the folder: "name=f600:<text>" (or its line count, when long), "name->target", "name=p", "name/".
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
        } else if (w[0] == "size") { // size NAME BYTES: a file of zero bytes that long
            QFile file(w[1]);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(w[2].toLongLong()));
        }
    }
}

// "add NAME", "change NAME HIGH", "delete ROW", "default" on games.dat, through the default file name.
Status Act(const QString &action)
{
    const QStringList w = action.split(' ');
    GameEntry entry{w.value(1).toStdString(), "6", "1", w.value(2, "49").toStdString(), false, "0", "0"};
    int row = 0;
    std::optional<int> changed;
    GameCatalogue catalogue;
    if (w[0] == "add")
        return AppendGame(entry, row);
    if (w[0] == "change")
        return SaveGameChanges(entry, changed);
    if (w[0] == "delete")
        return LoadCatalogue(catalogue) ? DeleteGame(catalogue.Games.at(w[1].toUInt()), w[1].toInt()) : Status();
    return WriteDefaultCatalogue();
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

    // The start-up load in the working folder, then the recovery as the user answers it.
    void recovery_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("log"); // the dialog, then what the load does next
        QTest::addColumn<QString>("state");
        // clang-format off
        QTest::newRow("no file: Yes writes the defaults") << "" << "yes" << "create; retry"
            << "games.dat=f644:6 games.dat.lock";
        QTest::newRow("No, then Yes to continue: nothing written") << "" << "no yes" << "create; continue; retry" << "";
        QTest::newRow("No to both: the program ends") << "file games.dat A" << "no no"
            << "create; continue; end" << "games.dat=f644:A";
        QTest::newRow("empty file: no backup") << "size games.dat 0" << "yes" << "create; retry"
            << "games.dat=f644:6 games.dat.lock";
        QTest::newRow("the defaults again: no backup") << "file games.dat" << "yes"
            << "create; retry" << "games.dat=f644:6 games.dat.lock";
        QTest::newRow("backups numbered, mode kept") << "file games.dat Mine; chmod games.dat 0600; "
            "file games.dat.bak Old" << "yes" << "create; backup games.dat.bak.1; retry"
            << "games.dat=f600:6 games.dat.bak=f644:Old games.dat.bak.1=f600:Mine games.dat.lock";
        QTest::newRow("planted link at the backup's name") << "file games.dat Mine; file x keep; "
            "link games.dat.bak x" << "yes" << "create; backup games.dat.bak.1; retry"
            << "games.dat=f644:6 games.dat.bak->x games.dat.bak.1=f644:Mine games.dat.lock x=f644:keep";
        QTest::newRow("read-only: no default, no backup") << "file games.dat A; chmod games.dat 0400" << "yes"
            << "create; failed read-only; retry" << "games.dat=f400:A";
        QTest::newRow("exactly 16 MiB is read") << "size games.dat 16777216" << "no no"
            << "create; continue; end" << "games.dat=f644:0";
        QTest::newRow("over 16 MiB") << "size games.dat 16777217" << "" << "unusable too large; end"
            << "games.dat=f644:0";
        QTest::newRow("named pipe") << "fifo games.dat" << "" << "unusable not regular fifo; end" << "games.dat=p";
        QTest::newRow("link to a device") << "link games.dat /dev/zero" << ""
            << "unusable not regular char device; end" << "games.dat->zero";
        QTest::newRow("folder") << "mkdir games.dat" << "" << "unusable not regular folder; end" << "games.dat/";
        QTest::newRow("link to nothing") << "link games.dat gone.dat" << "" << "unusable dangling link; end"
            << "games.dat->gone.dat";
        // clang-format on
    }
    void recovery()
    {
        QFETCH(QString, setup);
        QFETCH(QString, answers);
        Make(setup);
        GameCatalogue catalogue;
        Answers dialog(answers);
        const bool retry = RecoverCatalogue(dialog, LoadCatalogue(catalogue)) == RecoveryOutcome::Retry;
        QTEST(dialog.log + (retry ? "retry" : "end"), "log");
        QTEST(FolderState(), "state");
    }

    // Saves through links and around things planted beside games.dat; modes, stale temporaries.
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
        QTest::newRow("writable by the group only: mode kept") << "file games.dat; chmod games.dat 0460"
            << "delete 5" << "ok" << "games.dat=f460:5 games.dat.lock";
        QTest::newRow("the defaults written by name") << "" << "default" << "ok" << "games.dat=f644:6 games.dat.lock";
        QTest::newRow("stale temporaries of killed saves removed") << "file games.dat; file .games.dat.Ab12Cd x; "
            "file .games.dat.other y; mkdir .games.dat.Zz99Zz" << "add Mini" << "ok" << ".games.dat.Zz99Zz/ "
            ".games.dat.other=f644:y games.dat=f644:7 games.dat.lock";
        QTest::newRow("pipe at the lock's name") << "file games.dat; fifo games.dat.lock" << "add Mini"
            << "not regular fifo" << "games.dat=f644:6 games.dat.lock=p";
        // clang-format on
    }
    void writes()
    {
        QFETCH(QString, setup);
        QFETCH(QString, action);
        Make(setup);
        QTEST(Name(Act(action)), "result");
        QTEST(FolderState(), "state");
    }

    // A save beyond the file-size limit (with SIGXFSZ ignored, as the program does) fails and keeps the old file.
    void fileSizeLimit()
    {
        Make("file games.dat");
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            _exit(ReplaceFile("games.dat", std::string(10000, 'x')).Problem() == FileProblem::TooLarge ? 0 : 1);
        }
        int result = 0;
        QVERIFY(waitpid(child, &result, 0) == child && WIFEXITED(result) && WEXITSTATUS(result) == 0);
        QCOMPARE(FolderState(), "games.dat=f644:6");
    }

    // Another instance holding the lock too long: a clear failure, nothing written.
    void lockedByAnother()
    {
        Make("file games.dat");
        FileLock other;
        QVERIFY(other.Acquire("games.dat"));
        QCOMPARE(Name(Act("add Mini")), "locked");
        QCOMPARE(FolderState(), "games.dat=f644:6 games.dat.lock");
    }

    // Two processes add, change and delete at once while this one reads: no game lost, no file half written.
    void twoInstances()
    {
        Make("file games.dat");
        const int rounds = 100;
        pid_t children[] = {0, 0};
        for (const char *tag : {"P", "Q"}) {
            if ((children[*tag - 'P'] = fork()) != 0)
                continue;
            int failures = 0;
            for (int k = 0; k < rounds; ++k) {
                GameEntry entry{tag + std::to_string(k), "6", "1", "49", false, "0", "0"};
                int row = 0;
                std::optional<int> changed;
                entry.HighText = AppendGame(entry, row) ? "60" : "-1";
                failures += !SaveGameChanges(entry, changed);
                if (k % 2 == 1)
                    failures += !DeleteGame(GameRecord{tag + std::to_string(k - 1), 6, 1, 60, 0, 0}, row);
            }
            _exit(failures);
        }
        int unreadable = 0, failed = 0;
        for (int running = 2; running > 0;) {
            std::string text;
            std::vector<GameRecord> games;
            unreadable += !ReadWholeFile("games.dat", text) || !ParseCatalogue(text, games);
            for (pid_t &child : children) {
                int result = 0;
                if (child > 0 && waitpid(child, &result, WNOHANG) == child) {
                    failed += !WIFEXITED(result) || WEXITSTATUS(result) != 0;
                    child = 0;
                    --running;
                }
            }
        }
        QCOMPARE(unreadable + failed, 0);
        GameCatalogue catalogue;
        QVERIFY(LoadCatalogue(catalogue));
        QStringList held, expected = {"California Lotto", "Floriday Lotto", "Louisiana Lotto", "Power Ball",
                                      "Lotto Texas", "New York Lotto"};
        for (int k = 1; k < rounds; k += 2)
            expected << QString("P%1").arg(k) << QString("Q%1").arg(k);
        for (const GameRecord &game : catalogue.Games) // the six defaults first, unchanged
            held << QString::fromStdString(game.Name) + (held.size() < 6 || game.HighNumber == 60 ? "" : " unchanged");
        expected.sort();
        held.sort();
        QCOMPARE(held, expected);
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "test_filesafety.moc"
