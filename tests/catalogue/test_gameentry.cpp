#include "gameentry.h"
#include "safefile.h"

#include <QTemporaryDir>
#include <QTest>

#include <fstream>

Q_DECLARE_METATYPE(EntryFocus)
Q_DECLARE_METATYPE(GameEntry)

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

GameEntry Entry(const char *name, const char *choices, const char *low, const char *high,
                bool powerBall = false, const char *powerLow = "0", const char *powerHigh = "0")
{
    return GameEntry{name, choices, low, high, powerBall, powerLow, powerHigh};
}

const char *const kSpacedDefault = "California Lotto, 6, 1, 51, 0, 0\r\n"
                                   "Floriday Lotto, 6, 1, 53, 0, 0\r\n"
                                   "Louisiana Lotto, 6, 1, 49, 0, 0\r\n"
                                   "Power Ball, 5, 1, 49, 1, 42\r\n"
                                   "Lotto Texas, 6, 1, 50, 0, 0\r\n"
                                   "New York Lotto, 6, 1, 51, 0, 0\r\n";

} // namespace

class TestGameEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void checkGameEntry_data();
    void checkGameEntry();
    void compactLine_data();
    void compactLine();
    void spacedLine_data();
    void spacedLine();
    void appendGame_data();
    void appendGame();
    void saveGameChanges_data();
    void saveGameChanges();
    void saveGameChangesRefusesUnreadableFile();
    void deleteGame();

private:
    std::filesystem::path File() const { return m_dir->filePath("games.dat").toStdString(); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestGameEntry::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestGameEntry::checkGameEntry_data()
{
    QTest::addColumn<GameEntry>("entry");
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("title"); // empty: the entry passes
    QTest::addColumn<bool>("question");
    QTest::addColumn<EntryFocus>("focus");

    const auto pass = [](const char *tag, const GameEntry &entry, bool isNew, bool confirmed = false) {
        QTest::newRow(tag) << entry << isNew << confirmed << "" << false << EntryFocus::MyGames;
    };
    const auto fail = [](const char *tag, const GameEntry &entry, bool isNew, const char *title,
                         EntryFocus focus, bool confirmed = false) {
        QTest::newRow(tag) << entry << isNew << confirmed << title << (QString(title) == "Warning") << focus;
    };

    fail("untitled add", Entry("Untitled Game", "6", "1", "49"), true, "Game Name Error",
         EntryFocus::MyGames);
    pass("untitled change", Entry("Untitled Game", "6", "1", "49"), false);
    pass("untitled with blank", Entry(" Untitled Game", "6", "1", "49"), true);
    pass("empty name", Entry("", "6", "1", "49"), true);
    fail("comma in name", Entry("Pick, Six", "6", "1", "49"), false, "Game Name Error", EntryFocus::MyGames);
    fail("quote in name", Entry("Pick \"6\"", "6", "1", "49"), true, "Game Name Error", EntryFocus::MyGames);
    fail("choices 2", Entry("A", "2", "1", "49"), true, "Warning", EntryFocus::ChoiceNum);
    pass("choices 2 confirmed", Entry("A", "2", "1", "49"), true, true);
    pass("choices 3", Entry("A", "3", "1", "49"), true);
    fail("empty choices asks", Entry("A", "", "1", "49"), false, "Warning", EntryFocus::ChoiceNum);
    fail("range too small", Entry("A", "6", "1", "8"), true, "Number Range Error", EntryFocus::LowNum);
    pass("range just enough", Entry("A", "6", "1", "9"), true);
    fail("range after confirmed choices", Entry("A", "1", "5", "7"), true, "Number Range Error",
         EntryFocus::LowNum, true);
    pass("leading number of typed text", Entry("A", "6x", "1", "9"), true);
    fail("power ball too narrow", Entry("A", "6", "1", "49", true, "1", "2"), true,
         "Power Ball Number Range Error", EntryFocus::PowerLow);
    pass("power ball wide enough", Entry("A", "6", "1", "49", true, "1", "3"), true);
    pass("power ball ignored when clear", Entry("A", "6", "1", "49", false, "1", "2"), true);
}

void TestGameEntry::checkGameEntry()
{
    QFETCH(GameEntry, entry);
    QFETCH(bool, isNew);
    QFETCH(bool, confirmed);
    QFETCH(QString, title);
    const std::optional<EntryProblem> problem = CheckGameEntry(entry, isNew, confirmed);
    if (title.isEmpty()) {
        QVERIFY(!problem);
        return;
    }
    QVERIFY(problem);
    QCOMPARE(QString::fromStdString(problem->Title), title);
    QTEST(problem->IsQuestion, "question");
    QTEST(problem->Focus, "focus");

    static const QHash<QString, QString> prompts = {
        {"Warning", "Are You Sure About the Number of Choices"},
        {"Number Range Error", "(Lowest Number + Number of Choices + 1) Must be Less Than Highest Number!"},
        {"Power Ball Number Range Error",
         "(Lowest Power Ball Number + 1) Must be Less Than Highest Power Ball Number!"},
    };
    QString expected = prompts.value(title);
    if (title == "Game Name Error")
        expected = entry.Name == "Untitled Game" ? "Give Your New Game a New Name!"
                                                 : "A Game Name Cannot Contain a Comma or a Double Quote!";
    QCOMPARE(QString::fromStdString(problem->Prompt), expected);
}

void TestGameEntry::compactLine_data()
{
    QTest::addColumn<GameEntry>("entry");
    QTest::addColumn<QString>("line");
    QTest::newRow("no power ball") << Entry("Mini Lotto", "5", "1", "39", false, "1", "2")
                                   << "Mini Lotto,5,1,39,0,0";
    QTest::newRow("power ball") << Entry("Power Ball", "5", "1", "49", true, "1", "42")
                                << "Power Ball,5,1,49,1,42";
    QTest::newRow("trimmed numbers") << Entry("A", " 6 ", "1 ", " 49", false) << "A,6,1,49,0,0";
    QTest::newRow("name kept as typed") << Entry(" A ", "6", "1", "49") << " A ,6,1,49,0,0";
    QTest::newRow("typed word after number") << Entry("A", "6x", "1", "49") << "A,6,1,49,0,0";
    QTest::newRow("empty choices") << Entry("A", "", "1", "49") << "A,0,1,49,0,0";
    QTest::newRow("negative low") << Entry("A", "6", "-1", "48") << "A,6,-1,48,0,0";
    QTest::newRow("line break in name") << Entry("A\r\nB", "6", "1", "49") << "A  B,6,1,49,0,0";
}

void TestGameEntry::compactLine()
{
    QFETCH(GameEntry, entry);
    QFETCH(QString, line);
    QCOMPARE(QString::fromStdString(CompactLine(entry)), line);
}

void TestGameEntry::spacedLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("low");
    QTest::addColumn<int>("powerLow");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << "Mini Lotto" << 1.0 << 0 << "Mini Lotto, 5, 1, 39, 0, 0";
    QTest::newRow("negative") << "A" << -3.0 << -2 << "A, 5,-3, 39,-2, 0";
    QTest::newRow("fraction") << "A" << 1.5 << 0 << "A, 5, 1.5, 39, 0, 0";
    QTest::newRow("comma in name quoted") << "Pick, Six" << 1.0 << 0 << "\"Pick, Six\", 5, 1, 39, 0, 0";
}

void TestGameEntry::spacedLine()
{
    QFETCH(QString, name);
    QFETCH(double, low);
    QFETCH(int, powerLow);
    QFETCH(QString, line);
    const GameRecord record{name.toStdString(), 5, low, 39, static_cast<std::int16_t>(powerLow), 0};
    QCOMPARE(QString::fromStdString(SpacedLine(record)), line);

    std::vector<GameRecord> games;
    QVERIFY(ParseCatalogue(SpacedLine(record) + "\r\n", games).Ok());
    QCOMPARE(games.at(0), record);
}

void TestGameEntry::appendGame_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("row");
    const QString line = "Mini Lotto,5,1,39,0,0\r\n";
    const QString defaults = QString::fromLatin1(kDefaultCatalogue.data(), kDefaultCatalogue.size());
    QTest::newRow("default catalogue") << true << defaults << defaults + line << 6;
    QTest::newRow("no file") << false << "" << line << 0;
    QTest::newRow("empty file") << true << "" << line << 0;
    QTest::newRow("last line without line end") << true << "A,6,1,49,0,0"
                                                << "A,6,1,49,0,0\r\n" + line << 1;
    QTest::newRow("lone LF kept") << true << "A,6,1,49,0,0\n"
                                  << "A,6,1,49,0,0\n" + line << 1;
}

void TestGameEntry::appendGame()
{
    QFETCH(bool, exists);
    QFETCH(QString, before);
    QFETCH(QString, after);
    if (exists)
        WriteAll(File(), before.toStdString());
    int row = -1;
    QVERIFY(AppendGame(Entry("Mini Lotto", "5", "1", "39"), row, File()).Ok());
    QTEST(row, "row");
    QCOMPARE(QString::fromStdString(ReadAll(File())), after);
}

void TestGameEntry::saveGameChanges_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<GameEntry>("entry");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("row"); // -1: no game of that name

    const QString defaults = QString::fromLatin1(kDefaultCatalogue.data(), kDefaultCatalogue.size());
    QString changed = kSpacedDefault;
    changed.replace("Power Ball, 5, 1, 49, 1, 42", "Power Ball, 5, 1, 50, 1, 42");
    QTest::newRow("power ball high 50")
        << defaults << Entry("Power Ball", "5", "1", "50", true, "1", "42") << changed << 3;
    QTest::newRow("renamed: respaced only")
        << defaults << Entry("Power Balls", "5", "1", "50") << kSpacedDefault << -1;
    QTest::newRow("same name twice: last row")
        << "A,6,1,49,0,0\r\nB,6,1,49,0,0\r\nA,6,1,49,0,0" << Entry("A", "5", "1", "39", false, "3", "9")
        << "A, 5, 1, 39, 0, 0\r\nB, 6, 1, 49, 0, 0\r\nA, 5, 1, 39, 0, 0\r\n"
        << 2;
    QTest::newRow("other rows as read")
        << "A,6,1,49.5,2.5,0\r\n\"X, Y\",6,1,49,0,0\r\n"
        << Entry("B", "5", "1", "39") << "A, 6, 1, 49.5, 2.5, 0\r\n\"X, Y\", 6, 1, 49, 0, 0\r\n"
        << -1;
    QTest::newRow("field 5 not converted") << "A,6,1,49,70000,0\r\n"
                                           << Entry("B", "5", "1", "39") << "A, 6, 1, 49, 70000, 0\r\n"
                                           << -1;
}

void TestGameEntry::saveGameChanges()
{
    QFETCH(QString, before);
    QFETCH(GameEntry, entry);
    QFETCH(QString, after);
    QFETCH(int, row);
    WriteAll(File(), before.toStdString());
    std::optional<int> changedRow;
    QVERIFY(SaveGameChanges(entry, changedRow, File()).Ok());
    QCOMPARE(QString::fromStdString(ReadAll(File())), after);
    QCOMPARE(changedRow.value_or(-1), row);
}

void TestGameEntry::saveGameChangesRefusesUnreadableFile()
{
    std::optional<int> changedRow;
    QVERIFY(!SaveGameChanges(Entry("A", "6", "1", "49"), changedRow, File()).Ok());
    QVERIFY(!std::filesystem::exists(File()));

    const std::string broken = "A,6,1,49,0,0\r\nB,6,one,49,0,0\r\n";
    WriteAll(File(), broken);
    const Status status = SaveGameChanges(Entry("A", "5", "1", "39"), changedRow, File());
    QVERIFY(!status.Ok());
    QVERIFY(!status.Message().empty());
    QCOMPARE(ReadAll(File()), broken);
    QVERIFY(!changedRow);
}

void TestGameEntry::deleteGame()
{
    std::vector<GameRecord> games;
    QVERIFY(ParseCatalogue(kDefaultCatalogue, games).Ok());
    QVERIFY(DeleteGame(games, 2, File()).Ok());
    QString expected = kSpacedDefault;
    expected.remove("Louisiana Lotto, 6, 1, 49, 0, 0\r\n");
    QCOMPARE(QString::fromStdString(ReadAll(File())), expected);

    QVERIFY(!DeleteGame(games, 6, File()).Ok());
    QCOMPARE(QString::fromStdString(ReadAll(File())), expected);

    games.resize(1);
    QVERIFY(DeleteGame(games, 0, File()).Ok());
    QVERIFY(std::filesystem::exists(File()));
    QCOMPARE(std::filesystem::file_size(File()), std::uintmax_t(0));
}

QTEST_GUILESS_MAIN(TestGameEntry)
#include "test_gameentry.moc"
