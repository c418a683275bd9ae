// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogueloader.h"
#include "pickhistory.h"
#include "safefile.h"

#include <QtTest>

#include <sys/stat.h>

#include <cmath>
#include <set>

namespace {
struct Ran
{
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

// The program with `arguments`, in `folder`, in `language`; a platform that
// does not exist makes any GUI start-up fail.
Ran Run(const QString &folder, const QStringList &arguments, const QString &language = QStringLiteral("en"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "no-such-platform");
    environment.insert("LANGUAGE", language);
    environment.insert("LANG", "C.UTF-8");
    environment.remove("LC_ALL");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    // Pipes, and arguments in bytes that are no UTF-8, go through a shell line: "-c", "\"$0\" ...".
    if (arguments.value(0) == "-c")
        process.start("bash", arguments + QStringList{DRAWSMITH_PROGRAM});
    else
        process.start(DRAWSMITH_PROGRAM, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
} // namespace

class TestCli : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_here;

private slots:
    void initTestCase()
    {
        m_here = m_dir.path();
        QVERIFY(WriteDefaultCatalogue((m_here + "/games.dat").toStdString()));
        QVERIFY(ReplaceFile((m_here + "/odd.dat").toStdString(),
                            "Tiny, 6, 1, 5, 0, 0\r\nZero, 3, 0, 9, 0, 0\r\nHalf, 4.5, 1, 5, 0, 0\r\n"
                            "Lotto Espa\xf1"
                            "a, 3, 1, 9, 1, 2\r\nHuge, 3, 1, 3E+9, 0, 0\r\n"));
        QVERIFY(ReplaceFile((m_here + "/empty.dat").toStdString(), ""));
        QVERIFY(QDir(m_here).mkdir("folder.dat"));
        QCOMPARE(mkfifo((m_here + "/fifo.dat").toLocal8Bit().constData(), 0600), 0);
        for (const char *folder : {"kept", "readonly"}) {
            QVERIFY(QDir(m_here).mkdir(folder));
            QVERIFY(
                WriteDefaultCatalogue(QStringLiteral("%1/%2/games.dat").arg(m_here, folder).toStdString()));
        }
        QVERIFY(
            ReplaceFile((m_here + "/readonly/picks.csv").toStdString(), "time,game,numbers,power_ball\r\n"));
        QVERIFY(QFile::setPermissions(m_here + "/readonly/picks.csv", QFile::ReadOwner | QFile::ReadOther));
        QFile large(m_here + "/large.dat");
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(kMostFileBytes + 1));
    }

    // What each command answers, on standard output, with status 0.
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected"); // a pattern for the whole output
        // clang-format off
        QTest::newRow("help") << QStringList{"--help"} << "en" << R"(Usage: drawsmith (.|\n)*--pick GAME(.|\n)*picks\.csv(.|\n)*)";
        QTest::newRow("help wins over a bad count") << QStringList{"--count", "0", "-h"} << "en" << "Usage: (.|\\n)*";
        QTest::newRow("version") << QStringList{"--version"} << "en"
            << "drawsmith " DRAWSMITH_VERSION_TEXT "\\nCopyright .*GPL-3\\.0-or-later.*\\n";
        QTest::newRow("list") << QStringList{"--list"} << "en"
            << "1\tCalifornia Lotto\t6\t1-51\t-\t18009460 to 1\n2\tFloriday Lotto\t6\t1-53\t-\t22957480 to 1\n"
               "3\tLouisiana Lotto\t6\t1-49\t-\t13983816 to 1\n4\tPower Ball\t5\t1-49\t1-42\t80089128 to 1\n"
               "5\tLotto Texas\t6\t1-50\t-\t15890700 to 1\n6\tNew York Lotto\t6\t1-51\t-\t18009460 to 1\n";
        QTest::newRow("list, odds that cannot be computed") << QStringList{"--catalogue", "odd.dat", "--list"} << "en"
            << "1\tTiny\t6\t1-5\t-\t0\\.166666666666667 to 1\n2\tZero\t3\t0-9\t-\t-\n.*\n.*\n.*\n";
        QTest::newRow("odds by name, any case") << QStringList{"--odds=POWER ball"} << "en" << "80089128 to 1\n";
        QTest::newRow("odds in German") << QStringList{"--odds", "Lotto Texas"} << "de" << "15890700 zu 1\n";
        QTest::newRow("pick, into a pipe closed early")
            << QStringList{"-c", R"("$0" --pick 1 --count 1000000 | head -1; exit ${PIPESTATUS[0]})"} << "en"
            << R"(California Lotto:( \d+){6}\n)";
        QTest::newRow("pick, the boxes a fraction of choices shows") << QStringList{"--catalogue", "odd.dat", "--pick", "3"}
            << "en" << R"(Half:( \d){5}\n)";
        QTest::newRow("pick, Latin-1 name as bytes")
            << QStringList{"-c", R"x(exec "$0" --catalogue odd.dat --pick "$(printf 'LOTTO ESPA\361A')")x"} << "en"
            << R"(Lotto Espa\x{f1}a:( \d){3} \+ PB [12]\n)";
        // clang-format on
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QString, expected);
        const Ran ran = Run(m_here, arguments, language);
        QCOMPARE(ran.Err, QByteArray());
        QCOMPARE(ran.Status, 0);
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(expected))
                     .match(QString::fromLatin1(ran.Out))
                     .hasMatch(),
                 ran.Out.left(400).constData());
    }

    // Usage errors end with status 2, catalogue and game errors with 1; nothing on
    // standard output, and no file changes.
    void failures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString hint = "\nTry 'drawsmith --help' for more information.\n";
        const QString count = "--count takes a whole number of sets from 1 to 1000000, not \"%1\"";
        auto usage = [&](const char *tag, const QStringList &arguments, const QString &message) {
            QTest::newRow(tag) << arguments << "en" << 2 << "drawsmith: " + message + hint;
        };
        // clang-format off
        usage("unknown option", {"--pick", "1", "--colour"}, "unknown option --colour");
        usage("count 0", {"--pick", "1", "--count", "0"}, count.arg("0"));
        usage("count -3", {"--pick", "1", "--count", "-3"}, count.arg("-3"));
        usage("count abc", {"--count=abc", "--pick", "1"}, count.arg("abc"));
        usage("count 1000001", {"--pick", "1", "--count", "1000001"}, count.arg("1000001"));
        usage("count missing", {"--pick", "1", "--count"}, "--count needs a number of sets from 1 to 1000000");
        usage("game missing", {"--pick", "--count", "2"},
              "--pick needs a game: its row number as --list shows it, or its name");
        usage("file missing", {"--list", "--catalogue="}, "--catalogue needs the name of a catalogue file");
        usage("two commands", {"--list", "--odds", "1"}, "--list and --odds cannot be used together: choose one");
        usage("keep without pick", {"--odds", "1", "--keep"}, "--keep works only with --pick");
        usage("no command", {"--catalogue", "games.dat"}, "say what to do: --list, --odds GAME or --pick GAME");
        usage("repeated", {"--pick", "1", "--pick", "2"}, "--pick is given twice");
        usage("stray word", {"--list", "now"}, "unexpected argument \"now\"");
        QTest::newRow("usage, in Spanish") << QStringList{"--list", "now"} << "es" << 2
            << "drawsmith: argumento inesperado «now»\nPruebe «drawsmith --help» para más información.\n";

        auto failure = [](const char *tag, const QStringList &arguments, const QString &message) {
            QTest::newRow(tag) << arguments << "en" << 1 << "drawsmith: " + message + "\n";
        };
        failure("missing catalogue", {"--catalogue", "none.dat", "--list"}, "none.dat was not found. Run drawsmith "
                "without options to create one, or name another catalogue with --catalogue FILE.");
        failure("empty catalogue", {"--catalogue", "empty.dat", "--pick", "1"}, "empty.dat could not be read: The "
                "file holds no games.\nCorrect that line of the file, then try again.");
        failure("folder", {"--catalogue", "folder.dat", "--list"}, "folder.dat is a folder, not a file of games\\..*");
        failure("named pipe", {"--catalogue", "fifo.dat", "--list"}, "fifo.dat is a named pipe, not a file of games\\..*");
        failure("too large", {"--catalogue", "large.dat", "--list"}, "large.dat is too large: .*");
        failure("unknown game", {"--pick", "Lotto Texs"}, "games.dat has no game \"Lotto Texs\". The closest names: "
                "\"Lotto Texas\", \"Power Ball\", \"Floriday Lotto\". --list shows every game.");
        failure("row beyond the last", {"--odds", "7"}, "games.dat has no game \"7\"\\..*");
        failure("range too small to draw", {"--catalogue", "odd.dat", "--pick", "tiny"}, "Tiny cannot be drawn: line 1 "
                "of odd.dat asks for 6 different numbers from 1 to 5, and that range does not hold so many\\..*");
        failure("numbers beyond what can be shown", {"--catalogue", "odd.dat", "--pick", "Huge"},
                "\"Huge\" cannot be drawn: line 5 of odd.dat gives numbers beyond 2147483647, .*");
        failure("keep into a read-only history", {"--catalogue", "readonly/games.dat", "--pick", "2", "--keep"},
                "the picks were not kept, so none are shown. readonly/picks.csv is read-only\\..*");
        failure("odds that cannot be computed", {"--catalogue", "odd.dat", "--odds", "Zero"},
                "the odds of \"Zero\" cannot be computed: .* Correct line 2 of odd.dat in the game editor\\.");
        // clang-format on
    }
    void failures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(int, status);
        QFETCH(QString, message);
        const QStringList before = Entries(m_here);
        const Ran ran = Run(m_here, arguments, language);
        QCOMPARE(ran.Out, QByteArray());
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(message),
                                    QRegularExpression::DotMatchesEverythingOption)
                     .match(QString::fromUtf8(ran.Err))
                     .hasMatch(),
                 ran.Err.constData());
        QCOMPARE(ran.Status, status);
        QCOMPARE(Entries(m_here), before);
    }

    // 100,000 sets of two games: in range, distinct, and every number (and Power Ball) about
    // as often as any other; two runs never repeat each other.
    void statistics_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("powerHigh"); // 0: no Power Ball
        QTest::newRow("California Lotto") << "California Lotto" << 6 << 51 << 0;
        QTest::newRow("Power Ball") << "Power Ball" << 5 << 49 << 42;
    }
    void statistics()
    {
        QFETCH(QString, game);
        QFETCH(int, shown);
        QFETCH(int, high);
        QFETCH(int, powerHigh);
        constexpr int kSets = 100000;
        const Ran ran = Run(m_here, {"--pick", game, "--count", QString::number(kSets)});
        QCOMPARE(ran.Status, 0);
        const QList<QByteArray> lines = ran.Out.split('\n');
        QCOMPARE(lines.size(), kSets + 1);
        QVERIFY(lines.last().isEmpty());
        std::vector<double> counts(std::size_t(high + 1)), powerCounts(std::size_t(powerHigh + 1));
        const QRegularExpression set(QString("^%1:((?: \\d+){%2})%3$")
                                         .arg(game).arg(shown).arg(powerHigh ? " \\+ PB (\\d+)" : ""));
        for (int i = 0; i < kSets; ++i) {
            const QRegularExpressionMatch parts = set.match(QString::fromUtf8(lines[i]));
            QVERIFY2(parts.hasMatch(), lines[i].constData());
            std::set<int> seen;
            for (const QString &field : parts.captured(1).split(' ', Qt::SkipEmptyParts)) {
                const int number = field.toInt();
                QVERIFY2(number >= 1 && number <= high && seen.insert(number).second, lines[i].constData());
                ++counts[std::size_t(number)];
            }
            const int power = parts.captured(2).toInt();
            QVERIFY(!powerHigh || (power >= 1 && power <= powerHigh));
            ++powerCounts[std::size_t(power)];
        }
        // Chi-square against equal frequencies; the bound lies about six standard
        // deviations above the mean, which a fair generator passes all but never.
        auto fair = [](const std::vector<double> &count, double total) {
            const double values = double(count.size() - 1), expected = total / values;
            double chi = 0;
            for (std::size_t v = 1; v < count.size(); ++v)
                chi += (count[v] - expected) * (count[v] - expected) / expected;
            return chi < values - 1 + 6 * std::sqrt(2 * (values - 1));
        };
        QVERIFY(fair(counts, double(kSets) * shown));
        QVERIFY(!powerHigh || fair(powerCounts, kSets));
        QVERIFY(Run(m_here, {"--pick", game, "--count", "20"}).Out !=
                lines.mid(0, 20).join('\n') + '\n');
    }

    // --keep adds what it shows to the history beside the catalogue, after what was there.
    void keep()
    {
        QStringList shown;
        for (int run = 0; run < 2; ++run) {
            const Ran ran =
                Run(m_here, {"--catalogue", "kept/games.dat", "--pick", "4", "--count", "3", "--keep"});
            QCOMPARE(ran.Status, 0);
            shown << QString::fromUtf8(ran.Out).split('\n', Qt::SkipEmptyParts);
        }
        std::vector<HistoryLine> lines;
        QVERIFY(ReadHistory((m_here + "/kept/picks.csv").toStdString(), lines));
        QStringList kept;
        for (const HistoryLine &line : lines)
            kept << QString::fromStdString(line.Pick ? FormatCopyLine(*line.Pick) : line.Raw);
        QCOMPARE(shown.size(), 6);
        QCOMPARE(kept, shown);
        QVERIFY(!QFile::exists(m_here + "/picks.csv"));
    }

    // Qt's own options alone start the window as always: here it waits with the
    // recovery's question about the missing catalogue.
    void qtOptionsStartTheWindow()
    {
        QTemporaryDir empty;
        QProcess process;
        process.setWorkingDirectory(empty.path());
        process.start(DRAWSMITH_PROGRAM, {"-platform", "offscreen"});
        QVERIFY(process.waitForStarted());
        QVERIFY(!process.waitForFinished(1500));
        process.kill();
        process.waitForFinished();
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
