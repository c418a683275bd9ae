#include "catalogueloader.h"
#include "numbertext.h"
#include "safefile.h"

#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cmath>
#include <fstream>
#include <limits>

namespace {

const double kMax = std::numeric_limits<double>::max();

std::string ReadAll(const std::filesystem::path &file)
{
    std::string text;
    return ReadWholeFile(file, text) ? text : "<unreadable>";
}

void WriteAll(const std::filesystem::path &file, const std::string &text)
{
    std::ofstream(file, std::ios::binary) << text;
}

class ScriptedQuestions final : public RecoveryQuestions
{
public:
    ScriptedQuestions(bool create, bool goOn) : m_create(create), m_goOn(goOn) {}
    bool AskCreateNewFile() override
    {
        m_asked += "create;";
        return m_create;
    }
    bool AskContinue() override
    {
        m_asked += "continue;";
        return m_goOn;
    }
    void ReportWriteFailure(const std::string &message) override { m_failure = message; }

    bool m_create;
    bool m_goOn;
    QString m_asked;
    std::string m_failure;
};

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::filesystem::path Path(const char *name) const { return m_dir->filePath(name).toStdString(); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // Each text read leniently (the number it begins with), strictly (nothing but a
    // number; NaN when refused), and the lenient value shown in the general format.
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("leading");
        QTest::addColumn<double>("strict");
        QTest::addColumn<QString>("shown");
        const double refused = std::nan("");
        QTest::newRow("blanks") << " 4 2\t\r\n" << 42.0 << refused << "42";
        QTest::newRow("blanks around") << " \t-6 " << -6.0 << -6.0 << "-6";
        QTest::newRow("trailing word") << "6x" << 6.0 << refused << "6";
        QTest::newRow("second period") << "12.34.5" << 12.34 << refused << "12.34";
        QTest::newRow("comma is no separator") << "1,5" << 1.0 << refused << "1";
        QTest::newRow("exponent without digits") << "1E" << 1.0 << refused << "1";
        QTest::newRow("no number") << "&H10" << 0.0 << refused << "0";
        QTest::newRow("negative zero") << "-0" << 0.0 << 0.0 << "0";
        QTest::newRow("bare fraction") << "+.5" << 0.5 << 0.5 << "0.5";
        QTest::newRow("15 digits") << "0.16666666666666666" << 1.0 / 6 << 1.0 / 6 << "0.166666666666667";
        QTest::newRow("rounds below 1E+15")
            << "999999999999999.4" << 999999999999999.4 << 999999999999999.4 << "999999999999999";
        QTest::newRow("rounds up to 1E+15")
            << "999999999999999.5" << 999999999999999.5 << 999999999999999.5 << "1E+15";
        QTest::newRow("three-digit exponent") << "1.5e100" << 1.5e100 << 1.5e100 << "1.5E+100";
        QTest::newRow("1E-04 stays plain") << "1E-4" << 0.0001 << 0.0001 << "0.0001";
        QTest::newRow("below 1E-04") << "-0.000025" << -0.000025 << -0.000025 << "-2.5E-05";
        QTest::newRow("overflow stays finite") << "-1e999" << -kMax << -kMax << "-1.79769313486232E+308";
        QTest::newRow("long mantissa") << QString(400, QChar('9')) << kMax << kMax << "1.79769313486232E+308";
        QTest::newRow("underflow") << "1e-999" << 0.0 << 0.0 << "0";
        QTest::newRow("infinity") << "inf" << 0.0 << refused << "0";
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(double, strict);
        QFETCH(QString, shown);
        const double leading = LeadingNumber(text.toStdString());
        QTEST(leading, "leading");
        double value = 0;
        QCOMPARE(ParseNumber(text.toStdString(), value), !std::isnan(strict));
        if (!std::isnan(strict))
            QCOMPARE(value, strict);
        QCOMPARE(QString::fromStdString(FormatGeneral(leading)), shown);
        QCOMPARE(QString::fromStdString(FormatPlain(leading)), shown);
        QCOMPARE(FormatGeneral(LeadingNumber(shown.toStdString())), shown.toStdString());
    }

    void numbersIgnoreCommaLocale()
    {
        // The program takes the user's locale at start-up; its decimal comma must
        // never reach games.dat or the odds.
        const std::string previous = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
            QSKIP("no locale with a decimal comma is installed");
        const std::string text = FormatGeneral(0.5);
        const double read = LeadingNumber("2.5");
        std::setlocale(LC_ALL, previous.c_str());
        QCOMPARE(text, std::string("0.5"));
        QCOMPARE(read, 2.5);
    }

    void readValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("blanks before, not after") << "Lotto, 6 ,\t1" << QStringList{"Lotto", "6 ", "1"};
        QTest::newRow("quoted comma") << "\"Pick, Six\",6" << QStringList{"Pick, Six", "6"};
        QTest::newRow("after closing quote dropped") << "\"a\"xyz,6" << QStringList{"a", "6"};
        QTest::newRow("unclosed quote") << "\"a,6" << QStringList{"a,6"};
        QTest::newRow("quote inside value") << "a\"b,6" << QStringList{"a\"b", "6"};
        QTest::newRow("line ends separate") << "a,1\r\nb\nc\rd" << QStringList{"a", "1", "b", "c", "d"};
        QTest::newRow("empty values") << ",a,,b,\r\nc," << QStringList{"", "a", "", "b", "", "c", ""};
        QTest::newRow("empty and blank lines") << "a\r\n\r\n  \r\nb\r\n" << QStringList{"a", "b"};
    }
    void readValues()
    {
        QFETCH(QString, text);
        QStringList read;
        for (const std::string &value : ReadValues(text.toStdString()))
            read << QString::fromStdString(value);
        QTEST(read, "values");
    }

    void countLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("last without line end") << "a\r\nb" << 2;
        QTest::newRow("blank lines count") << "\r\n\r\n" << 2;
        QTest::newRow("LF, CR, LF CR") << "a\nb\rc\n\rd" << 5;
        // Long enough to go through the block-wise count, with a CR LF across a block edge.
        QTest::newRow("long") << QString(127, 'x') + "\r\n" + QString(300, '\r') << 301;
    }
    void countLines()
    {
        QFETCH(QString, text);
        QTEST(int(CountLines(text.toStdString())), "lines");
    }

    void parseCatalogue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count"); // 0: the load fails
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("high");
        QTest::addColumn<int>("powerLow");
        QTest::newRow("default") << QString::fromLatin1(kDefaultCatalogue.data()) << 6 << "New York Lotto"
                                 << 51.0 << 0;
        QTest::newRow("mixed forms, no last line end")
            << "A, 6, 1, 49, 0, 0\r\nB,5,1,39,1,20" << 2 << "B" << 39.0 << 1;
        QTest::newRow("quoted name") << "\"Pick, Six\", 6, 1, 49.5, 0, 0\r\n"
                                     << 1 << "Pick, Six" << 49.5 << 0;
        QTest::newRow("half to even down") << "A,6,1,49,2.5,9" << 1 << "A" << 49.0 << 2;
        QTest::newRow("half to even up") << "A,6,1,49,-3.5,9" << 1 << "A" << 49.0 << -4;
        QTest::newRow("long numbers") << "A,1234567,-7654321,12345678901234567890,-32768,0" << 1 << "A"
                                      << 12345678901234567890.0 << -32768;
        QTest::newRow("values past the last line ignored") << "A,6,1,49,0,0,B,x\r\n" << 1 << "A" << 49.0 << 0;
        QTest::newRow("empty") << "" << 0 << "" << 0.0 << 0;
        QTest::newRow("blank line") << "A,6,1,49,0,0\r\n\r\nB,6,1,49,0,0\r\n" << 0 << "" << 0.0 << 0;
        QTest::newRow("extra line end at end") << "A,6,1,49,0,0\r\n\r\n" << 0 << "" << 0.0 << 0;
        QTest::newRow("word as power ball low") << "A,6,1,49,none,0\r\n" << 0 << "" << 0.0 << 0;
        QTest::newRow("power ball low beyond 16 bits") << "A,6,1,49,32767.5,0\r\n" << 0 << "" << 0.0 << 0;
        QTest::newRow("word as high") << "A,6,1,many,0,0\r\n" << 0 << "" << 0.0 << 0;
        QTest::newRow("empty number") << "A,6,,49,0,0\r\n" << 0 << "" << 0.0 << 0;
    }
    void parseCatalogue()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        std::vector<GameRecord> games(1, GameRecord{"kept"});
        const Status status = ParseCatalogue(text.toStdString(), games);
        QCOMPARE(status.Ok(), count > 0);
        QCOMPARE(status.Message().empty(), count > 0);
        if (count == 0) {
            QCOMPARE(games.at(0).Name, std::string("kept"));
            return;
        }
        QCOMPARE(int(games.size()), count);
        QTEST(QString::fromStdString(games.back().Name), "name");
        QTEST(games.back().HighNumber, "high");
        QTEST(int(games.back().PowerBallLow), "powerLow");
    }

    void loadLeavesCatalogueOnFailure()
    {
        const auto file = Path("games.dat");
        GameCatalogue catalogue;
        catalogue.CurrentGame = 4;
        QVERIFY(!LoadCatalogue(catalogue, file).Ok());
        WriteAll(file, "A,6,1,49,0,0\r\nB,6,1,49,0,0\r\n");
        QVERIFY(LoadCatalogue(catalogue, file).Ok());
        QCOMPARE(catalogue.GameCount, 2);
        QCOMPARE(catalogue.CurrentGame, std::int16_t(4));
        WriteAll(file, "C,6,1,49,0,0\r\n\r\n");
        QVERIFY(!LoadCatalogue(catalogue, file).Ok());
        QCOMPARE(catalogue.GameCount, 2);
        QCOMPARE(catalogue.Games.at(1).Name, std::string("B"));
    }

    void recover_data()
    {
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<QString>("old"); // games.dat before; "-" for none
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("retry");
        QTest::addColumn<QString>("backup"); // games.dat.bak after; "-" for none
        QTest::newRow("yes, no file") << true << false << "-"
                                      << "create;" << true << "-";
        QTest::newRow("yes, empty file") << true << false << ""
                                         << "create;" << true << "-";
        QTest::newRow("yes keeps broken file") << true << false << "Mine,6\r\n"
                                               << "create;" << true << "Mine,6\r\n";
        QTest::newRow("no then yes") << false << true << "-"
                                     << "create;continue;" << true << "-";
        QTest::newRow("no then no") << false << false << "x"
                                    << "create;continue;" << false << "-";
    }
    void recover()
    {
        QFETCH(bool, create);
        QFETCH(bool, goOn);
        QFETCH(QString, old);
        QFETCH(QString, backup);
        const auto file = Path("games.dat");
        if (old != "-")
            WriteAll(file, old.toStdString());
        ScriptedQuestions questions(create, goOn);
        QTEST(RecoverCatalogue(questions, file) == RecoveryOutcome::Retry, "retry");
        QTEST(questions.m_asked, "asked");
        QVERIFY(questions.m_failure.empty());
        QCOMPARE(ReadAll(file), create       ? std::string(kDefaultCatalogue)
                                : old == "-" ? "<unreadable>"
                                             : old.toStdString());
        // A second recovery in a row must not put the default over the user's games in the backup.
        if (create)
            QVERIFY(WriteDefaultCatalogue(file).Ok());
        QCOMPARE(QString::fromStdString(ReadAll(Path("games.dat.bak"))),
                 backup == "-" ? "<unreadable>" : backup);
    }

    void recoverReportsWriteFailure()
    {
        // A folder named games.dat cannot be replaced by the default catalogue.
        const auto file = Path("games.dat");
        std::filesystem::create_directory(file);
        WriteAll(file / "inside", "x");
        ScriptedQuestions questions(true, true);
        QVERIFY(RecoverCatalogue(questions, file) == RecoveryOutcome::Retry);
        QVERIFY(!questions.m_failure.empty());
        QCOMPARE(ReadAll(file / "inside"), std::string("x"));
    }

    void replaceFileReportsFailure()
    {
        const auto file = Path("games.dat");
        WriteAll(file, "old");
        // The temporary file cannot be made: reported, and the old file stays whole.
        std::filesystem::create_directory(Path("games.dat.tmp"));
        const Status status = ReplaceFile(file, "new");
        QVERIFY(!status.Ok());
        QVERIFY(status.Message().find("games.dat.tmp") != std::string::npos);
        QCOMPARE(ReadAll(file), std::string("old"));
        std::filesystem::remove(Path("games.dat.tmp"));

        // The rename fails: reported, and no temporary file is left behind.
        std::filesystem::create_directory(Path("folder"));
        WriteAll(Path("folder") / "inside", "x");
        QVERIFY(!ReplaceFile(Path("folder"), "new").Ok());
        QVERIFY(!std::filesystem::exists(Path("folder.tmp")));

        QVERIFY(ReplaceFile(file, "new").Ok());
        QCOMPARE(ReadAll(file), std::string("new"));
        QVERIFY(!std::filesystem::exists(Path("games.dat.tmp")));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
