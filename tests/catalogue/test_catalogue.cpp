#include "catalogueloader.h"
#include "safefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

namespace {

std::string ReadAll(const std::filesystem::path &file)
{
    std::string text;
    if (!ReadWholeFile(file, text))
        return "<unreadable>";
    return text;
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
    std::string m_asked;
    std::string m_failure;
};

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readValues_data();
    void readValues();
    void countLines_data();
    void countLines();
    void parseCatalogue_data();
    void parseCatalogue();
    void parseCatalogueFails_data();
    void parseCatalogueFails();
    void loadReplacesGamesOnly();
    void defaultCatalogueReadsBack();
    void writeDefaultKeepsBackup_data();
    void writeDefaultKeepsBackup();
    void recover_data();
    void recover();
    void recoverReportsWriteFailure();
    void replaceFileReportsFailure();

private:
    std::filesystem::path Path(const char *name) const { return m_dir->filePath(name).toStdString(); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCatalogue::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCatalogue::readValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");

    QTest::newRow("blanks after commas") << "Lotto, 6, 1" << QStringList{"Lotto", "6", "1"};
    QTest::newRow("bare commas") << "Lotto,6,1" << QStringList{"Lotto", "6", "1"};
    QTest::newRow("tab before value") << "a,\t6" << QStringList{"a", "6"};
    QTest::newRow("blanks after value kept") << "a ,6" << QStringList{"a ", "6"};
    QTest::newRow("quoted comma") << "\"Pick, Six\",6" << QStringList{"Pick, Six", "6"};
    QTest::newRow("after closing quote dropped") << "\"a\"xyz,6" << QStringList{"a", "6"};
    QTest::newRow("unclosed quote") << "\"a,6" << QStringList{"a,6"};
    QTest::newRow("quote inside value") << "a\"b,6" << QStringList{"a\"b", "6"};
    QTest::newRow("line end separates") << "a,1\r\nb,2" << QStringList{"a", "1", "b", "2"};
    QTest::newRow("lone LF") << "a\nb" << QStringList{"a", "b"};
    QTest::newRow("lone CR") << "a\rb" << QStringList{"a", "b"};
    QTest::newRow("two commas") << "a,,b" << QStringList{"a", "", "b"};
    QTest::newRow("comma before line end") << "a,\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("comma at end") << "a," << QStringList{"a", ""};
    QTest::newRow("leading comma") << ",a" << QStringList{"", "a"};
    QTest::newRow("empty line") << "a\r\n\r\nb" << QStringList{"a", "b"};
    QTest::newRow("blank line") << "a\r\n  \r\nb" << QStringList{"a", "b"};
    QTest::newRow("trailing line end") << "a\r\n" << QStringList{"a"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestCatalogue::readValues()
{
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    QStringList read;
    for (const std::string &value : ReadValues(text.toStdString()))
        read << QString::fromStdString(value);
    QCOMPARE(read, values);
}

void TestCatalogue::countLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("no line end") << "a" << 1;
    QTest::newRow("CR LF") << "a\r\nb\r\n" << 2;
    QTest::newRow("last without line end") << "a\r\nb" << 2;
    QTest::newRow("LF and CR") << "a\nb\rc" << 3;
    QTest::newRow("blank lines count") << "\r\n\r\n" << 2;
    QTest::newRow("LF CR is two") << "a\n\rb" << 3;
}

void TestCatalogue::countLines()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QCOMPARE(CountLines(text.toStdString()), std::size_t(lines));
}

void TestCatalogue::parseCatalogue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("powerLow");

    QTest::newRow("default") << QString::fromLatin1(kDefaultCatalogue.data(), kDefaultCatalogue.size()) << 6
                             << 3 << "Power Ball" << 49.0 << 1;
    QTest::newRow("mixed forms") << "A, 6, 1, 49, 0, 0\r\nB,5,1,39,1,20" << 2 << 1 << "B" << 39.0 << 1;
    QTest::newRow("quoted name") << "\"Pick, Six\", 6, 1, 49, 0, 0\r\n" << 1 << 0 << "Pick, Six" << 49.0 << 0;
    QTest::newRow("fractions kept") << "A,6,1,49.5,0,0" << 1 << 0 << "A" << 49.5 << 0;
    QTest::newRow("half to even down") << "A,6,1,49,2.5,9" << 1 << 0 << "A" << 49.0 << 2;
    QTest::newRow("half to even up") << "A,6,1,49,3.5,9" << 1 << 0 << "A" << 49.0 << 4;
    QTest::newRow("lowest 16-bit") << "A,6,1,49,-32768.4,9" << 1 << 0 << "A" << 49.0 << -32768;
    QTest::newRow("numbers of many digits") << "A,1234567,-7654321,12345678901234567890,-32768,0\r\n"
                                            << 1 << 0 << "A" << 12345678901234567890.0 << -32768;
    QTest::newRow("extra values ignored") << "A,6,1,49,0,0,junk\r\n" << 1 << 0 << "A" << 49.0 << 0;
}

void TestCatalogue::parseCatalogue()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(int, row);
    std::vector<GameRecord> games;
    const Status status = ParseCatalogue(text.toStdString(), games);
    QVERIFY2(status.Ok(), status.Message().c_str());
    QCOMPARE(int(games.size()), count);
    QTEST(QString::fromStdString(games[row].Name), "name");
    QTEST(games[row].HighNumber, "high");
    QTEST(int(games[row].PowerBallLow), "powerLow");
}

void TestCatalogue::parseCatalogueFails_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blank line") << "A,6,1,49,0,0\r\n\r\nB,6,1,49,0,0\r\n";
    QTest::newRow("extra line end at end") << "A,6,1,49,0,0\r\n\r\n";
    QTest::newRow("short line") << "A,6,1,49,0\r\n";
    QTest::newRow("word as power ball low") << "A,6,1,49,none,0\r\n";
    QTest::newRow("power ball low out of range") << "A,6,1,49,32767.5,0\r\n";
    QTest::newRow("word as high") << "A,6,1,many,0,0\r\n";
    QTest::newRow("empty number") << "A,6,,49,0,0\r\n";
}

void TestCatalogue::parseCatalogueFails()
{
    QFETCH(QString, text);
    std::vector<GameRecord> games(1);
    games[0].Name = "kept";
    const Status status = ParseCatalogue(text.toStdString(), games);
    QVERIFY(!status.Ok());
    QVERIFY(!status.Message().empty());
    QCOMPARE(games.size(), std::size_t(1));
    QCOMPARE(games[0].Name, std::string("kept"));
}

void TestCatalogue::loadReplacesGamesOnly()
{
    const auto file = Path("games.dat");
    GameCatalogue catalogue;
    catalogue.CurrentGame = 4;
    QVERIFY(!LoadCatalogue(catalogue, file).Ok());

    WriteAll(file, "A,6,1,49,0,0\r\nB,6,1,49,0,0\r\n");
    QVERIFY(LoadCatalogue(catalogue, file).Ok());
    QCOMPARE(catalogue.GameCount, 2);
    QCOMPARE(catalogue.Games.size(), std::size_t(2));
    QCOMPARE(catalogue.CurrentGame, std::int16_t(4));

    WriteAll(file, "A,6,1,49,0,0\r\n\r\n");
    QVERIFY(!LoadCatalogue(catalogue, file).Ok());
    QCOMPARE(catalogue.GameCount, 2);
    QCOMPARE(catalogue.Games[1].Name, std::string("B"));
}

void TestCatalogue::defaultCatalogueReadsBack()
{
    const auto file = Path("games.dat");
    QVERIFY(WriteDefaultCatalogue(file).Ok());
    QCOMPARE(ReadAll(file), std::string(kDefaultCatalogue));
    GameCatalogue catalogue;
    QVERIFY(LoadCatalogue(catalogue, file).Ok());
    QCOMPARE(catalogue.GameCount, 6);
    const GameRecord expected{"New York Lotto", 6, 1, 51, 0, 0};
    QCOMPARE(catalogue.Games[5], expected);
    int withPowerBall = 0;
    for (const GameRecord &game : catalogue.Games)
        withPowerBall += game.HasPowerBall();
    QCOMPARE(withPowerBall, 1);
}

void TestCatalogue::writeDefaultKeepsBackup_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("old");
    QTest::addColumn<bool>("backup");
    QTest::newRow("no file") << false << "" << false;
    QTest::newRow("empty file") << true << "" << false;
    QTest::newRow("broken file") << true << "My Game,6,1,49\r\n\r\n" << true;
}

void TestCatalogue::writeDefaultKeepsBackup()
{
    QFETCH(bool, exists);
    QFETCH(QString, old);
    QFETCH(bool, backup);
    const auto file = Path("games.dat");
    if (exists)
        WriteAll(file, old.toStdString());
    QVERIFY(WriteDefaultCatalogue(file).Ok());
    QCOMPARE(ReadAll(file), std::string(kDefaultCatalogue));
    QCOMPARE(std::filesystem::exists(Path("games.dat.bak")), backup);
    if (backup)
        QCOMPARE(ReadAll(Path("games.dat.bak")), old.toStdString());

    // A second recovery in a row must not replace the user's games in the backup.
    QVERIFY(WriteDefaultCatalogue(file).Ok());
    if (backup)
        QCOMPARE(ReadAll(Path("games.dat.bak")), old.toStdString());
}

void TestCatalogue::recover_data()
{
    QTest::addColumn<bool>("create");
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("retry");
    QTest::addColumn<bool>("written");
    QTest::newRow("yes") << true << false << "create;" << true << true;
    QTest::newRow("no then yes") << false << true << "create;continue;" << true << false;
    QTest::newRow("no then no") << false << false << "create;continue;" << false << false;
}

void TestCatalogue::recover()
{
    QFETCH(bool, create);
    QFETCH(bool, goOn);
    const auto file = Path("games.dat");
    ScriptedQuestions questions(create, goOn);
    const RecoveryOutcome outcome = RecoverCatalogue(questions, file);
    QTEST(QString::fromStdString(questions.m_asked), "asked");
    QTEST(outcome == RecoveryOutcome::Retry, "retry");
    QTEST(std::filesystem::exists(file), "written");
    QVERIFY(questions.m_failure.empty());
}

void TestCatalogue::recoverReportsWriteFailure()
{
    // A folder where games.dat should be cannot be replaced by a file.
    const auto file = Path("games.dat");
    std::filesystem::create_directory(file);
    WriteAll(file / "inside", "x");
    ScriptedQuestions questions(true, true);
    QVERIFY(RecoverCatalogue(questions, file) == RecoveryOutcome::Retry);
    QVERIFY(!questions.m_failure.empty());
    QCOMPARE(ReadAll(file / "inside"), std::string("x"));
}

void TestCatalogue::replaceFileReportsFailure()
{
    const auto file = Path("games.dat");
    WriteAll(file, "old\r\n");

    // The temporary file cannot be made: the old file stays whole.
    std::filesystem::create_directory(Path("games.dat.tmp"));
    Status status = ReplaceFile(file, "new\r\n");
    QVERIFY(!status.Ok());
    QVERIFY(status.Message().find("games.dat.tmp") != std::string::npos);
    QCOMPARE(ReadAll(file), std::string("old\r\n"));
    std::filesystem::remove(Path("games.dat.tmp"));

    // The rename fails: reported, and no temporary file is left behind.
    const auto folder = Path("folder");
    std::filesystem::create_directory(folder);
    WriteAll(folder / "inside", "x");
    status = ReplaceFile(folder, "new\r\n");
    QVERIFY(!status.Ok());
    QVERIFY(!std::filesystem::exists(Path("folder.tmp")));
    QCOMPARE(ReadAll(folder / "inside"), std::string("x"));

    QVERIFY(ReplaceFile(file, "new\r\n").Ok());
    QCOMPARE(ReadAll(file), std::string("new\r\n"));
    QVERIFY(!std::filesystem::exists(Path("games.dat.tmp")));
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
