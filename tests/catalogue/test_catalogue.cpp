// SPDX-License-Identifier: GPL-3.0-or-later
#include "adversity.h"
#include "catalogueloader.h"
#include "gameentry.h"
#include "safefile.h"

#include <QtTest>

#include <algorithm>
#include <memory>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QString Name(const Status &status)
{
    const QStringList problems = QString("ok,unreadable,not found,dangling link,no access,read-only,not regular,"
                                         "too large,no space,locked,game gone,too many,read failed,write failed").split(',');
    const QStringList nodes = QString(", folder, fifo, char device, block device, socket, other").split(',');
    return problems[int(status.Problem())] + (status.Problem() == FileProblem::NotRegular ? nodes[int(status.Node())] : "");
}

// Answers the recovery's questions from a script ("no yes": No, then Yes) and logs the dialog.
struct Answers final : RecoveryQuestions
{
    explicit Answers(const QString &script) : script(script.split(' ')) {}
    bool Answer(const char *question) { return log += question, script.takeFirst() == "yes"; }
    bool AskCreateNewFile() override { return Answer("create; "); }
    bool AskContinue() override { return Answer("continue; "); }
    void ReportWriteFailure(const Status &failure) override { log += "failed " + Name(failure) + "; "; }
    void ReportBackup(const std::filesystem::path &to) override { log += "backup " + QString(to.filename().c_str()) + "; "; }
    void ReportUnusable(const Status &failure) override { log += "unusable " + Name(failure) + "; "; }
    QStringList script;
    QString log;
};

// Runs a shell script in the folder; "d [FILE]" writes the default catalogue there.
void Make(const QString &script)
{
    qputenv("D", QByteArray(kDefaultCatalogue.data(), qsizetype(kDefaultCatalogue.size())));
    const QString d = "d() { printf %s \"$D\" >\"${1:-games.dat}\"; }; ";
    QCOMPARE(QProcess::execute("sh", {"-ec", d + script}), 0);
}

// Every entry under the folder: "name=f600:<text>" (or its line count, when long), "name->target",
// "name=p" (a pipe), "name/".
QString FolderState()
{
    QMap<QString, QString> state; // by name
    QDirIterator it(".", QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next().mid(2);
        struct stat info = {};
        lstat(path.toLocal8Bit(), &info);
        QFile file(path);
        const QByteArray text = S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly) ? file.readAll() : "";
        state[path] = path + (S_ISLNK(info.st_mode) ? "->" + file.symLinkTarget().section('/', -1)
                         : S_ISDIR(info.st_mode) ? "/" : S_ISFIFO(info.st_mode) ? "=p"
                         : "=f" + QString::number(info.st_mode & 0777, 8) + ":" +
                               (text.size() < 16 ? QString::fromLatin1(text).trimmed() : QString::number(text.count('\n'))));
    }
    return QStringList(state.values()).join(' ');
}

// The games read, each in the spaced form, joined by ';'; or the failure's message.
QString Parsed(const std::string &text)
{
    std::vector<GameRecord> games;
    const Status status = ParseCatalogue(text, games);
    QStringList read;
    for (const GameRecord &game : games)
        read << QString::fromStdString(SpacedLine(game));
    return status ? read.join(';') : QString::fromStdString(status.Message());
}

// "name|choices|low|high", then "|power low|power high" for a Power Ball game (a 7th part: flag clear).
GameEntry Entry(const QString &fields)
{
    const QStringList p = (fields + "|||||").split('|');
    return {p[0].toLatin1().toStdString(), p[1].toStdString(), p[2].toStdString(), p[3].toStdString(),
            fields.count('|') == 5,        p[4].toStdString(), p[5].toStdString()};
}

// "add ENTRY", "change ENTRY", "delete ENTRY ROW" (the game as the editor read it), "default" or
// "recover ANSWERS" (the start-up load of one game's catalogue, then its recovery), on games.dat by its
// default name. Gives the failure, "ok" or the recovery's log; `row` gets the row reported (-1: none).
QString Act(const QString &action, int &row)
{
    QString verb = action.section(' ', 0, 0), rest = action.section(' ', 1);
    const GameEntry entry = Entry(rest.section(' ', 0, verb == "delete" ? -2 : -1));
    std::optional<int> changed;
    GameCatalogue catalogue{{GameRecord()}, 1, 0};
    Answers dialog(rest);
    row = -1;
    if (verb == "add")
        return Name(AppendGame(entry, row));
    if (verb == "change")
        return rest = Name(SaveGameChanges(entry, changed)), row = changed.value_or(-1), rest;
    if (verb == "delete")
        return Name(DeleteGame(RecordFromEntry(entry), rest.section(' ', -1).toInt()));
    if (verb == "default")
        return Name(WriteDefaultCatalogue());
    const bool retry = RecoverCatalogue(dialog, LoadCatalogue(catalogue)) == RecoveryOutcome::Retry;
    return QString("games %1; ").arg(catalogue.GameCount) + dialog.log + (retry ? "retry" : "end");
}
// One of two instances saving at once: round k adds "<tag> k", changes it and, on odd
// rounds, deletes "<tag> k-1". Returns the saves that failed.
int Hammer(const std::string &tag, int rounds)
{
    int failures = 0, row = 0;
    for (int k = 0; k < rounds; ++k) {
        GameEntry entry{tag + " " + std::to_string(k), "6", "1", "49", false, "0", "0"};
        std::optional<int> changed;
        failures += !AppendGame(entry, row);
        entry.HighText = "60";
        failures += !SaveGameChanges(entry, changed);
        const GameRecord previous{tag + " " + std::to_string(k - 1), 6, 1, 60, 0, 0};
        failures += k % 2 && !DeleteGame(previous, 0); // found by its values wherever it is now
    }
    return failures;
}
} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    // clang-format off
private slots:
    void initTestCase()
    {
        umask(022);
        std::signal(SIGXFSZ, SIG_IGN);
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }

    // The reading rules: bytes -> games, or the failure.
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        const QString a = "A, 6, 1, 49, 0, 0";
        QTest::newRow("blanks before a value, not after") << " A ,\t6 ,1,49,0,0" << "A , 6, 1, 49, 0, 0";
        QTest::newRow("tabs before values") << "\tA,\t6,\t1,\t49.5,\t0,\t0" << "A, 6, 1, 49.5, 0, 0";
        QTest::newRow("quoted name after a blank") << " \"Pick, Six\",6,1,49.5 ,0,0" << "\"Pick, Six\", 6, 1, 49.5, 0, 0";
        QTest::newRow("half to even") << "A,6,1,49,2.5,9\nA,6,1,49,-3.5,9" << "A, 6, 1, 49, 2, 9;A, 6, 1, 49,-4, 9";
        QTest::newRow("number formats") << "A,-0,0.0001,999999999999999.5,0,-0.000025" << "A, 0, 0.0001, 1E+15, 0,-2.5E-05";
        const QString a3 = QStringList(3, a).join(';'), far = QString(50, ' ') + "6,1,49,0,0"; // 64 bytes on
        QTest::newRow("blank line after twelve values") << "A,6,1,49,0,0,A,6,1,49,0,0\r\n\r\nA," + far << a3;
        QTest::newRow("empty") << "" << "The file holds no games.";
        QTest::newRow("power ball low beyond 16 bits") << "A,6,1,49,32767.5,0"
            << "Game 1, value 5 (32767.5) is not a whole number from -32768 to 32767.";
    }
    void parse()
    {
        QFETCH(QString, text);
        QTEST(Parsed(text.toStdString()), "read");
    }

    // Rows with 64 bytes or more after their start take a faster path than the
    // last ones; each line must read as it does alone, and fail as it does alone.
    void longTextReadsLikeItsLines()
    {
        const char *const lines[] = {"Generated Lotto Game 1, 5, 2, 45, 0, 0\r\n", "Tight,6,1,51,0,0\n",
            "Lone CR, 6, 1, 51, 1, 9\r", " \tBlanks , 07, 3,\t1, 0,0\r\n", ",6,1,49,0,0\r\n",
            "Big, 123456789012345, -5, 1.5e2, -3, +4\r\n", "\"Quoted, name\", 6, 1, 49, 0, 12345678\r\n",
            "A name long enough to take its line past sixty-four bytes, 6, 1, 49, 0, 0\r\n"};
        std::string text;
        QStringList expected;
        for (const char *line : lines)
            text += line, expected << Parsed(line);
        QCOMPARE(Parsed(text + text), (expected + expected).join(';'));
        for (const std::string bad : {"A,6,,49,0,0\r\n", "A, 6, 1, 4x, 0, 0\r\n", "A, 6, inf, 49, 0, 0\r\n",
                                      "A, 6, 1, 49, 70000, 0\r\n"})
            QCOMPARE(Parsed(bad + text), Parsed(bad));
    }

    // The entry rules at their limits (the editor's table breaks each): the first one broken, its title
    // and the control to correct.
    void checkGameEntry_data()
    {
        QTest::addColumn<QString>("entry"); // "change " in front: an existing game
        QTest::addColumn<QString>("broken");
        QTest::newRow("choices 3 asks nothing") << "A|3|1|49" << "";
        QTest::newRow("range one short") << "change A|6|1|8" << "Number Range Error, LowNum";
    }
    void checkGameEntry()
    {
        QFETCH(QString, entry);
        const bool isNew = !entry.startsWith("change ");
        const std::optional<EntryProblem> problem = CheckGameEntry(Entry(entry.remove("change ")), isNew);
        const char *const focus[] = {"MyGames", "ChoiceNum", "LowNum", "PowerLow"};
        QTEST(problem ? QString::fromStdString(problem->Title) + (problem->IsQuestion ? "?, " : ", ") +
                            focus[int(problem->Focus)]
                      : QString(), "broken");
    }

    // The file byte for byte after add, change and delete, and the row they report
    // (-1: none; -2: failed, nothing written). A delete names the game as the editor read it, and its row.
    void writes_data()
    {
        QTest::addColumn<QByteArray>("before"); // "-": no file
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("row");
        const QByteArray added = "Mini Lotto,5,1,39,0,0\r\n", bom = "\xEF\xBB\xBF";
        const QByteArray crs = QByteArray(15, 'x') + "\r\n" + QByteArray(40, '\r'), bad = "A,6,1,49,0,0\r\nB,one\r\n";
        const QByteArray a = "A,6,1,49,0,0\r\n", b = "B,6,1,49,0,0\r\n", c = "C,6,1,49,0,0\r\n";
        const QByteArray as = "A, 6, 1, 49, 0, 0\r\n", bs = "B, 6, 1, 49, 0, 0\r\n", cs = "C, 6, 1, 49, 0, 0\r\n";
        const QByteArray cafe = "Caf\xE9", odd = "\xFF\xFE Odd";
        const QString add = "add Mini Lotto|5|1|39", delB = "delete B|6|1|49 1";
        QTest::newRow("add, no file") << QByteArray("-") << add << added << 0;
        QTest::newRow("add trimmed, leading numbers") << a << "add N | 6x|\t1 2|" << a + "N ,6,12,0,0,0\r\n" << 1;
        QTest::newRow("add after last line without line end") << QByteArray("A") << add << "A\r\n" + added << 1;
        QTest::newRow("add after CR LF and lone CRs") << crs << add << crs + added << 41;
        QTest::newRow("add to a mark alone: first line") << bom << "add N|6|1|49" << bom + "N,6,1,49,0,0\r\n" << 0;
        QTest::newRow("change same name twice: last row") << a + b + "A,6,1,49,0,0" << "change A|5|1|39"
            << "A, 5, 1, 39, 0, 0\r\n" + bs + "A, 5, 1, 39, 0, 0\r\n" << 2;
        QTest::newRow("change, no name matches: rows as read") << QByteArray("A,6,1,49.5,70000.5,0\r\n\"X, Y\",6,1,49,0,0")
            << "change B|5|1|39" << QByteArray("A, 6, 1, 49.5, 70000.5, 0\r\n\"X, Y\", 6, 1, 49, 0, 0\r\n") << -1;
        QTest::newRow("change unreadable file") << bad << "change A|5|1|39" << bad << -2;
        QTest::newRow("change Latin-1 name, mark kept") << bom + cafe + ",6,1,49,0,0\r\n" + odd + ",6,1,49,0,0"
            << "change " + QString::fromLatin1(cafe) + "|6|1|50"
            << bom + cafe + ", 6, 1, 50, 0, 0\r\n" + odd + ", 6, 1, 49, 0, 0\r\n" << 0;
        QTest::newRow("delete the game at its row") << a + b + c << delB << as + cs << -1;
        QTest::newRow("delete, row moved meanwhile") << c + a + b << delB << cs + as << -1;
        QTest::newRow("delete twins: the one at the row") << a + b + c + b << "delete B|6|1|49 3" << as + bs + cs << -1;
        QTest::newRow("delete, changed meanwhile") << a + "B,6,1,50,0,0" << delB << a + "B,6,1,50,0,0" << -2;
        QTest::newRow("delete first game, mark kept") << bom + b + odd + ",6,1,49,0,0\r\n" << "delete B|6|1|49 0"
            << bom + odd + ", 6, 1, 49, 0, 0\r\n" << -1;
        QTest::newRow("the defaults, by name") << QByteArray("-") << "default" << QByteArray("California Lotto, 6, 1, 51, "
            "0, 0\r\nFloriday Lotto, 6, 1, 53, 0, 0\r\nLouisiana Lotto, 6, 1, 49, 0, 0\r\nPower Ball, 5, 1, 49, 1, 42\r\n"
            "Lotto Texas, 6, 1, 50, 0, 0\r\nNew York Lotto,6,1,51,0,0\r\n") << -1;
        QTest::newRow("delete the only game: empty") << bom + b << "delete B|6|1|49 0" << QByteArray() << -1;
    }
    void writes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, action);
        QVERIFY(before == "-" || ReplaceFile("games.dat", before.toStdString()));
        int row = -1;
        QTEST(Act(action, row) == "ok" ? row : -2, "row");
        std::string text;
        QVERIFY(ReadWholeFile("games.dat", text));
        QTEST(QByteArray::fromStdString(text), "after");
    }

    // games.dat and its folder, an action by the default name, its outcome and the folder afterwards.
    // "recover": the load of a one-game catalogue, then the recovery as the user answers.
    void files_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("state");
        QTest::newRow("no file: Yes writes the defaults") << "" << "recover yes" << "games 1; create; retry"
            << "games.dat=f644:6 games.dat.lock=f644:";
        QTest::newRow("No, then Yes to continue: nothing written") << "" << "recover no yes"
            << "games 1; create; continue; retry" << "";
        QTest::newRow("empty file: no backup") << ": >games.dat" << "recover yes" << "games 1; create; retry"
            << "games.dat=f644:6 games.dat.lock=f644:";
        QTest::newRow("the defaults again: no backup") << "d" << "recover yes" << "games 6; create; retry"
            << "games.dat=f644:6 games.dat.lock=f644:";
        QTest::newRow("backups numbered, mode kept") << "echo Mine >games.dat; chmod 600 games.dat; echo Old >games.dat.bak"
            << "recover yes" << "games 1; create; backup games.dat.bak.1; retry"
            << "games.dat=f600:6 games.dat.bak=f644:Old games.dat.bak.1=f600:Mine games.dat.lock=f644:";
        QTest::newRow("planted link at the backup's name") << "echo Mine >games.dat; echo keep >x; ln -s x games.dat.bak"
            << "recover yes" << "games 1; create; backup games.dat.bak.1; retry"
            << "games.dat=f644:6 games.dat.bak->x games.dat.bak.1=f644:Mine games.dat.lock=f644: x=f644:keep";
        QTest::newRow("read-only: no default, no backup") << "echo A >games.dat; chmod 400 games.dat" << "recover yes"
            << "games 1; create; failed read-only; retry" << "games.dat=f400:A";
        QTest::newRow("exactly 16 MiB is read") << "truncate -s 16777216 games.dat" << "recover no no"
            << "games 1; create; continue; end" << "games.dat=f644:0";
        QTest::newRow("over 16 MiB") << "truncate -s 16777217 games.dat" << "recover"
            << "games 1; unusable too large; end" << "games.dat=f644:0";
        QTest::newRow("named pipe") << "mkfifo games.dat" << "recover" << "games 1; unusable not regular fifo; end"
            << "games.dat=p";
        QTest::newRow("link to nothing") << "ln -s gone.dat games.dat" << "recover" << "games 1; unusable dangling link; end"
            << "games.dat->gone.dat";
        QTest::newRow("link kept, its target replaced") << "mkdir sync; d sync/real.dat; ln -s sync/real.dat games.dat"
            << "add Mini|6|1|49" << "ok" << "games.dat->real.dat sync/ sync/real.dat=f644:7 sync/real.dat.lock=f644:";
        // The old fixed temporary name let a planted link send the save outside the folder, and a pipe hang it.
        QTest::newRow("link planted at games.dat.tmp") << "d; mkdir out; echo keep >out/x; ln -s out/x games.dat.tmp"
            << "change Power Ball|5|1|50|1|42" << "ok"
            << "games.dat=f644:6 games.dat.lock=f644: games.dat.tmp->x out/ out/x=f644:keep";
        QTest::newRow("read-only file kept") << "d; chmod 444 games.dat" << "add Mini|6|1|49"
            << "read-only" << "games.dat=f444:6 games.dat.lock=f644:";
        QTest::newRow("writable by the group only: mode kept") << "d; chmod 460 games.dat"
            << "delete New York Lotto|6|1|51 5" << "ok" << "games.dat=f460:5 games.dat.lock=f644:";
        QTest::newRow("stale temporaries of killed saves removed") << "d; echo x >.games.dat.Ab12Cd; "
            "echo y >.games.dat.other; mkdir .games.dat.Zz99Zz" << "add Mini|6|1|49" << "ok"
            << ".games.dat.Zz99Zz/ .games.dat.other=f644:y games.dat=f644:7 games.dat.lock=f644:";
        QTest::newRow("locked by another instance") << "d" << "locked add Mini|6|1|49" << "locked"
            << "games.dat=f644:6 games.dat.lock=f644:";
        QTest::newRow("over the file-size limit") << "d" << "limit add Mini|6|1|49" << "too large"
            << "games.dat=f644:6 games.dat.lock=f644:";
        QTest::newRow("pipe at the lock's name") << "d; mkfifo games.dat.lock" << "add Mini|6|1|49"
            << "not regular fifo" << "games.dat=f644:6 games.dat.lock=p";
    }
    void files()
    {
        QFETCH(QString, setup);
        QFETCH(QString, action);
        Make(setup);
        auto adversity = std::make_unique<Adversity>(action, "games.dat", 100);
        QVERIFY(adversity->Ready());
        int row = 0;
        const QString result = Act(action, row);
        adversity.reset();
        QTEST(result, "result");
        QTEST(FolderState(), "state");
    }

    // clang-format on
    // Two instances saving the same file at once: no game lost, no empty or unreadable file seen,
    // no save failed.
    void twoInstances()
    {
        Make("d");
        constexpr int kRounds = 100; // 250 saves each
        pid_t children[2] = {};
        for (int c = 0; c < 2; ++c)
            if ((children[c] = fork()) == 0)
                _exit(std::min(Hammer(c ? "Q" : "P", kRounds), 255));
        int reads = 0, unreadable = 0, failures = 0;
        for (int running = 2; running > 0; ++reads) {
            std::string text;
            std::vector<GameRecord> games;
            unreadable += !ReadWholeFile("games.dat", text) || !ParseCatalogue(text, games);
            for (pid_t &child : children) {
                int status = 0;
                if (child > 0 && waitpid(child, &status, WNOHANG) == child) {
                    failures += WIFEXITED(status) ? WEXITSTATUS(status) : 255;
                    child = 0;
                    --running;
                }
            }
        }
        GameCatalogue catalogue;
        QVERIFY(LoadCatalogue(catalogue));
        QSet<QString> held; // the defaults, then each instance's odd rounds
        for (const GameRecord &game : catalogue.Games)
            held << QString::fromStdString(game.Name);
        int lost = std::abs(6 + kRounds - int(held.size()));
        for (int k = 1; k < kRounds; k += 2)
            lost += !held.contains(QString("P %1").arg(k)) + !held.contains(QString("Q %1").arg(k));
        qInfo("%d saves in two processes, %d reads: %d games lost, %d empty or unreadable files seen, %d failed saves",
              5 * kRounds, reads, lost, unreadable, failures);
        QCOMPARE(lost + unreadable + failures, 0);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
