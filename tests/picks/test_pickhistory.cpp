// SPDX-License-Identifier: GPL-3.0-or-later
#include "../catalogue/adversity.h"
#include "pickhistory.h"
#include "safefile.h"

#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A pick from "Game|n n n|pb" (pb may be empty), timed at a fixed moment.
PastPick Pick(const QString &text, const std::string &time = "2026-12-07T16:30:12+01:00")
{
    const QStringList parts = text.split('|');
    PastPick pick{time, parts[0].toLatin1().toStdString(), {}, {}};
    for (const QString &number : parts[1].split(' '))
        pick.Numbers.push_back(number.toLongLong());
    if (!parts[2].isEmpty())
        pick.PowerBall = parts[2].toLongLong();
    return pick;
}

// How a line reads back: "Game: n n + PB p @time", or "unreadable".
QString Read(const std::optional<PastPick> &pick)
{
    return pick ? QString::fromLatin1(FormatCopyLine(*pick)) + " @" + QString::fromStdString(pick->Time) : "unreadable";
}

QByteArray FileText(const char *file = "picks.csv")
{
    std::string text;
    return ReadWholeFile(file, text) ? QByteArray::fromStdString(text) : "-";
}

const QByteArray kHeader = "time,game,numbers,power_ball\r\n";
const QByteArray kLine = "2026-12-07T16:30:12+01:00,Power Ball,5 12 23 31 44,17";
} // namespace

class TestPickHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); }
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid() && QDir::setCurrent(m_folder->path()));
    }

    // clang-format off
    // A file's text as read: each line after the header as its copy line, or unreadable.
    void read_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("lines");
        QTest::newRow("header, CR LF, blank lines left out") << kHeader + kLine + "\r\n\r\n" + kLine
            << "Power Ball: 5 12 23 31 44 + PB 17 @2026-12-07T16:30:12+01:00;"
               "Power Ball: 5 12 23 31 44 + PB 17 @2026-12-07T16:30:12+01:00";
        QTest::newRow("mark, LF, no power ball, UTC") << "\xEF\xBB\xBF" + kHeader + "2026-01-02T03:04:05Z,Lotto,1 2 3,\n"
            << "Lotto: 1 2 3 @2026-01-02T03:04:05Z";
        QTest::newRow("quoted name with comma and quote; Latin-1 bytes") << QByteArray(
            "2026-12-07T16:30:12-05:30,\"Pick \"\"Six\"\", \xE9t\xE9\",1 49,\r\n")
            << QString::fromLatin1("Pick \"Six\", \xE9t\xE9: 1 49 @2026-12-07T16:30:12-05:30");
        QTest::newRow("a header later is a line") << kLine + "\r\n" + kHeader << "Power Ball: 5 12 23 31 44 + PB 17 "
            "@2026-12-07T16:30:12+01:00;unreadable";
        QTest::newRow("unreadable lines shown") << QByteArray("x\r\n2026-12-07T16:30:12,A,1,\r\n2026-12-07T16:30:12Z,A,1 2,x\r\n"
            "2026-12-07T16:30:12Z,,1,\r\n2026-12-07T16:30:12Z,A,1  2,\r\n2026-12-07T16:30:12Z,\"A,1,\r\n"
            "2026-12-07T16:30:12Z,A\"b,1,\r\n2026-12-07T16:30:12Z,A,1,2,3\r\n2026-12-07T16:30:12Z,A,1 2 3 4 5 6 7 8,\r\n"
            "2026-12-07T16:30:12Z,A,+1,\r\n2026-12-07T16:30:12Z,\"A\"x,1,")
            << "unreadable;unreadable;unreadable;unreadable;unreadable;unreadable;unreadable;unreadable;unreadable;"
               "unreadable;unreadable";
    }
    void read()
    {
        QFETCH(QByteArray, text);
        QVERIFY(ReplaceFile("picks.csv", text.toStdString()));
        std::vector<HistoryLine> lines;
        QVERIFY(ReadHistory("picks.csv", lines));
        QStringList read;
        for (const HistoryLine &line : lines)
            read << Read(line.Pick);
        QTEST(read.join(';'), "lines");
    }

    // What formatting writes, and that reading it gives the same pick.
    void format_data()
    {
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << "Power Ball|5 12 23 31 44|17" << kLine;
        QTest::newRow("comma and quotes quoted") << "Say \"Hi\", Lotto|1 2 3|" << QByteArray(
            "2026-12-07T16:30:12+01:00,\"Say \"\"Hi\"\", Lotto\",1 2 3,");
        QTest::newRow("end blanks kept by quotes") << " Lotto |7|0" << QByteArray("2026-12-07T16:30:12+01:00,\" Lotto \",7,0");
        QTest::newRow("numbers beyond 32 bits") << "Big|40000 2147483648|10000000000"
            << QByteArray("2026-12-07T16:30:12+01:00,Big,40000 2147483648,10000000000");
        QTest::newRow("line break made a blank") << "A\r\nB|1 32767|-3" << QByteArray("2026-12-07T16:30:12+01:00,A  B,1 32767,-3");
    }
    void format()
    {
        QFETCH(QString, pick);
        const PastPick written = Pick(pick);
        const std::string line = FormatHistoryLine(written);
        QTEST(QByteArray::fromStdString(line), "line");
        if (!pick.contains('\n'))
            QVERIFY(ParseHistoryLine(line) == written);
    }

    // The file before, an append or a delete, the outcome and the file after ("-": none).
    void writes_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QByteArray>("after");
        const QByteArray added = "2026-12-07T16:30:12+01:00,A,1 2,\r\n";
        QTest::newRow("new file gets the header") << "" << "add A|1 2|" << "ok" << kHeader + added;
        QTest::newRow("empty file gets the header") << ": >picks.csv" << "add A|1 2|" << "ok" << kHeader + added;
        QTest::newRow("last line ended first") << "printf x >picks.csv" << "add A|1 2|" << "ok" << "x\r\n" + added;
        QTest::newRow("link kept, its target appended") << "printf 'x\\n' >real; ln -s real picks.csv" << "add A|1 2|"
            << "ok" << "x\n" + added;
        QTest::newRow("read-only refused") << "printf x >picks.csv; chmod 444 picks.csv" << "add A|1 2|" << "read-only" << QByteArray("x");
        QTest::newRow("link to nothing refused") << "ln -s gone picks.csv" << "add A|1 2|" << "dangling link" << QByteArray("-");
        QTest::newRow("pipe refused, not hung on") << "mkfifo picks.csv" << "add A|1 2|" << "not regular" << QByteArray("-");
        QTest::newRow("growing past the reading limit refused") << "truncate -s 16777200 picks.csv" << "add A|1 2|"
            << "too large" << QByteArray("-");
        QTest::newRow("over the file-size limit: cut back") << "printf x >picks.csv" << "limit add A|1 2|" << "too large" << QByteArray("x");
        QTest::newRow("locked by another instance") << "printf x >picks.csv" << "locked add A|1 2|" << "locked" << QByteArray("x");
        QTest::newRow("delete keeps everything else byte for byte") << "printf '\\357\\273\\277time,game,numbers,power_ball\\r\\n"
            "x\\nB\\r\\n\\r\\nx\\r\\ny\\n' >picks.csv" << "delete x|y|gone" << "ok" << "\xEF\xBB\xBF" + kHeader + "B\r\n\r\nx\r\n";
        QTest::newRow("delete never takes the header") << "printf 'time,game,numbers,power_ball\\nA\\n' >picks.csv"
            << "delete time,game,numbers,power_ball" << "ok" << QByteArray("time,game,numbers,power_ball\nA\n");
        QTest::newRow("delete from no file writes none") << "" << "delete x" << "ok" << QByteArray("-");
        QTest::newRow("delete in a read-only file refused") << "printf 'x\\n' >picks.csv; chmod 444 picks.csv"
            << "delete x" << "read-only" << QByteArray("x\n");
    }
    void writes()
    {
        QFETCH(QString, setup);
        QFETCH(QString, action);
        QCOMPARE(QProcess::execute("sh", {"-ec", setup.isEmpty() ? ":" : setup}), 0);
        auto adversity = std::make_unique<Adversity>(action, "picks.csv", 4);
        QVERIFY(adversity->Ready());
        std::vector<std::string> raws;
        for (const QString &raw : action.mid(7).split('|'))
            raws.push_back(raw.toStdString());
        const Status status = action.startsWith("add ") ? AppendPicks("picks.csv", {Pick(action.mid(4))})
                                                        : DeleteHistoryLines("picks.csv", raws);
        adversity.reset();
        const QStringList problems = QString("ok,unreadable,not found,dangling link,no access,read-only,not regular,"
                                             "too large,no space,locked").split(',');
        QTEST(problems.value(int(status.Problem()), "other"), "result");
        QTEST(QFileInfo("picks.csv").isFile() && QFileInfo("picks.csv").size() < 100 ? FileText() : "-", "after");
    }
    // clang-format on

    // Two instances recording runs at once: none lost, none torn, the header once.
    void twoInstances()
    {
        constexpr int kRuns = 250;
        pid_t children[2] = {};
        for (int c = 0; c < 2; ++c) {
            if ((children[c] = fork()) == 0) {
                int failures = 0;
                for (int i = 0; i < kRuns; ++i)
                    failures += !AppendPicks("picks.csv", {Pick(QString("%1|%2|").arg(c ? "Q" : "P").arg(i + 1))});
                _exit(std::min(failures, 255));
            }
        }
        int failures = 0;
        for (const pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            failures += WIFEXITED(status) ? WEXITSTATUS(status) : 255;
        }
        std::vector<HistoryLine> lines;
        QVERIFY(ReadHistory("picks.csv", lines));
        QSet<QString> held;
        for (const HistoryLine &line : lines)
            held << Read(line.Pick);
        int lost = 0;
        for (int i = 1; i <= kRuns; ++i)
            lost += !held.contains(QString("P: %1 @2026-12-07T16:30:12+01:00").arg(i)) +
                    !held.contains(QString("Q: %1 @2026-12-07T16:30:12+01:00").arg(i));
        qInfo("%d runs recorded by two processes: %d lost, %d failed", 2 * kRuns, lost, failures);
        QCOMPARE(lost + failures, 0);
        QCOMPARE(int(lines.size()), 2 * kRuns);
        QVERIFY(FileText().startsWith(kHeader) && FileText().count("time,") == 1);
    }

    void timestamp()
    {
        qputenv("TZ", "Asia/Kolkata");
        tzset();
        QCOMPARE(QString::fromStdString(LocalTimestamp(1796661012)), "2026-12-07T22:00:12+05:30");
        qputenv("TZ", "America/St_Johns");
        tzset();
        QCOMPARE(QString::fromStdString(LocalTimestamp(1796661012)), "2026-12-07T13:00:12-03:30");
    }

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

QTEST_GUILESS_MAIN(TestPickHistory)
#include "test_pickhistory.moc"
