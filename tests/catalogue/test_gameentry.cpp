#include "gameentry.h"
#include "safefile.h"

#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <map>

Q_DECLARE_METATYPE(EntryFocus)
Q_DECLARE_METATYPE(GameEntry)

namespace {

GameEntry Entry(const char *name, const char *choices, const char *low, const char *high,
                bool powerBall = false, const char *powerLow = "1", const char *powerHigh = "2")
{
    return GameEntry{name, choices, low, high, powerBall, powerLow, powerHigh};
}

const QString kDefault = QString::fromLatin1(kDefaultCatalogue.data());
const QString kSpacedDefault = QString(kDefault).replace(",6,1,51,0,0", ", 6, 1, 51, 0, 0");

} // namespace

class TestGameEntry : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::filesystem::path File() const { return m_dir.filePath("games.dat").toStdString(); }
    QString FileText() const
    {
        std::string text;
        return ReadWholeFile(File(), text) ? QString::fromStdString(text) : QString("<unreadable>");
    }
    void SetFileText(const QString &text) const
    {
        std::ofstream(File(), std::ios::binary) << text.toStdString();
    }

private slots:
    void init() { std::filesystem::remove(File()); }

    void checkGameEntry_data()
    {
        QTest::addColumn<GameEntry>("entry");
        QTest::addColumn<bool>("isNew");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("prompt"); // empty: the entry passes
        QTest::addColumn<EntryFocus>("focus");
        const QString name = "Give Your New Game a New Name!";
        const QString comma = "A Game Name Cannot Contain a Comma or a Double Quote!";
        const QString choices = "Are You Sure About the Number of Choices";
        const QString range = "(Lowest Number + Number of Choices + 1) Must be Less Than Highest Number!";
        const QString power = "(Lowest Power Ball Number + 1) Must be Less Than Highest Power Ball Number!";
        const auto row = [](const char *tag, const GameEntry &entry, bool isNew, bool confirmed,
                            const QString &prompt, EntryFocus focus = EntryFocus::MyGames) {
            QTest::newRow(tag) << entry << isNew << confirmed << prompt << focus;
        };
        row("untitled add", Entry("Untitled Game", "6", "1", "49"), true, false, name);
        row("untitled change", Entry("Untitled Game", "6", "1", "49"), false, false, "");
        row("untitled with blank", Entry(" Untitled Game", "6", "1", "49"), true, false, "");
        row("comma in name", Entry("Pick, Six", "6", "1", "49"), false, false, comma);
        row("quote in name", Entry("Pick \"6\"", "6", "1", "49"), true, false, comma);
        row("choices 2", Entry("A", "2", "1", "49"), true, false, choices, EntryFocus::ChoiceNum);
        row("choices 2 confirmed", Entry("A", "2", "1", "49"), true, true, "");
        row("choices 3", Entry("A", "3", "1", "49"), true, false, "");
        row("range too small", Entry("A", "6", "1", "8"), true, false, range, EntryFocus::LowNum);
        row("range just enough", Entry("A", "6x", "1", "9"), true, false, "");
        row("power ball too narrow", Entry("A", "6", "1", "49", true, "1", "2"), true, false, power,
            EntryFocus::PowerLow);
        row("power ball wide enough", Entry("A", "6", "1", "49", true, "1", "3"), true, false, "");
        row("power ball ignored when clear", Entry("A", "6", "1", "49", false, "1", "2"), true, false, "");
    }
    void checkGameEntry()
    {
        QFETCH(GameEntry, entry);
        QFETCH(bool, isNew);
        QFETCH(bool, confirmed);
        QFETCH(QString, prompt);
        const std::optional<EntryProblem> problem = CheckGameEntry(entry, isNew, confirmed);
        QCOMPARE(problem.has_value(), !prompt.isEmpty());
        if (!problem)
            return;
        QCOMPARE(QString::fromStdString(problem->Prompt), prompt);
        QTEST(problem->Focus, "focus");
        QCOMPARE(problem->IsQuestion, problem->Focus == EntryFocus::ChoiceNum);
        static const std::map<EntryFocus, std::string> titles = {
            {EntryFocus::MyGames, "Game Name Error"},
            {EntryFocus::ChoiceNum, "Warning"},
            {EntryFocus::LowNum, "Number Range Error"},
            {EntryFocus::PowerLow, "Power Ball Number Range Error"}};
        QCOMPARE(problem->Title, titles.at(problem->Focus));
    }

    void lines_data()
    {
        QTest::addColumn<GameEntry>("entry");
        QTest::addColumn<QString>("compact");
        QTest::addColumn<QString>("spaced");
        QTest::newRow("no power ball") << Entry("Mini Lotto", "5", "1", "39") << "Mini Lotto,5,1,39,0,0"
                                       << "Mini Lotto, 5, 1, 39, 0, 0";
        QTest::newRow("power ball") << Entry("P", "5", "1", "49", true, "1", "42") << "P,5,1,49,1,42"
                                    << "P, 5, 1, 49, 1, 42";
        QTest::newRow("trimmed, typed word dropped") << Entry(" A ", " 6x", "1 ", "") << " A ,6,1,0,0,0"
                                                     << " A , 6, 1, 0, 0, 0";
        QTest::newRow("negative numbers")
            << Entry("A", "6", "-1.5", "48", true, "-2", "3") << "A,6,-1.5,48,-2,3"
            << "A, 6,-1.5, 48,-2, 3";
        QTest::newRow("comma in name read from file") << Entry("X, Y", "6", "1", "49") << "X, Y,6,1,49,0,0"
                                                      << "\"X, Y\", 6, 1, 49, 0, 0";
        QTest::newRow("line break in name") << Entry("A\r\nB", "6", "1", "49") << "A  B,6,1,49,0,0"
                                            << "A  B, 6, 1, 49, 0, 0";
    }
    void lines()
    {
        QFETCH(GameEntry, entry);
        QTEST(QString::fromStdString(CompactLine(entry)), "compact");
        const GameRecord record = RecordFromEntry(entry);
        QTEST(QString::fromStdString(SpacedLine(record)), "spaced");
        std::vector<GameRecord> games;
        QVERIFY(ParseCatalogue(SpacedLine(record), games).Ok());
        if (entry.Name.find('\n') == std::string::npos && entry.Name[0] != ' ')
            QCOMPARE(games.at(0), record);
    }

    // What each editor action leaves in the file, and the row it reports
    // (-1: no row; -2: the action failed and wrote nothing).
    void writes_data()
    {
        QTest::addColumn<QString>("before"); // "-": no file
        QTest::addColumn<QString>("action");
        QTest::addColumn<GameEntry>("entry");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("row");
        const GameEntry mini = Entry("Mini Lotto", "5", "1", "39");
        const QString line = "Mini Lotto,5,1,39,0,0\r\n";
        QTest::newRow("add to default") << kDefault << "add" << mini << kDefault + line << 6;
        QTest::newRow("add, no file") << "-"
                                      << "add" << mini << line << 0;
        QTest::newRow("add after last line without line end") << "A"
                                                              << "add" << mini << "A\r\n" + line << 1;
        QTest::newRow("add after lone LF") << "A\n"
                                           << "add" << mini << "A\n" + line << 1;
        QTest::newRow("change power ball high to 50")
            << kDefault << "change" << Entry("Power Ball", "5", "1", "50", true, "1", "42")
            << QString(kSpacedDefault).replace("Ball, 5, 1, 49", "Ball, 5, 1, 50") << 3;
        QTest::newRow("change renamed game: respaced only")
            << kDefault << "change" << Entry("Power Balls", "5", "1", "50") << kSpacedDefault << -1;
        QTest::newRow("change same name twice: last row")
            << "A,6,1,49,0,0\r\nB,6,1,49,0,0\r\nA,6,1,49,0,0"
            << "change" << Entry("A", "5", "1", "39")
            << "A, 5, 1, 39, 0, 0\r\nB, 6, 1, 49, 0, 0\r\nA, 5, 1, 39, 0, 0\r\n"
            << 2;
        QTest::newRow("change keeps other rows as read")
            << "A,6,1,49.5,70000.5,0\r\n\"X, Y\",6,1,49,0,0\r\n"
            << "change" << mini << "A, 6, 1, 49.5, 70000.5, 0\r\n\"X, Y\", 6, 1, 49, 0, 0\r\n"
            << -1;
        QTest::newRow("change unreadable file") << "A,6,1,49,0,0\r\nB,6,one\r\n"
                                                << "change" << mini << "A,6,1,49,0,0\r\nB,6,one\r\n"
                                                << -2;
        QTest::newRow("change, no file") << "-"
                                         << "change" << mini << "<unreadable>" << -2;
        QTest::newRow("delete third")
            << kDefault << "delete 2" << mini
            << QString(kSpacedDefault).remove("Louisiana Lotto, 6, 1, 49, 0, 0\r\n") << -1;
        QTest::newRow("delete past the end") << "A,6,1,49,0,0\r\n"
                                             << "delete 1" << mini << "A,6,1,49,0,0\r\n"
                                             << -2;
        QTest::newRow("delete only game") << "A,6,1,49,0,0\r\n"
                                          << "delete 0" << mini << "" << -1;
    }
    void writes()
    {
        QFETCH(QString, before);
        QFETCH(QString, action);
        QFETCH(GameEntry, entry);
        QFETCH(int, row);
        if (before != "-")
            SetFileText(before);
        int reported = -1;
        Status status;
        if (action == "add") {
            status = AppendGame(entry, reported, File());
        } else if (action == "change") {
            std::optional<int> changed;
            status = SaveGameChanges(entry, changed, File());
            reported = changed.value_or(-1);
        } else {
            std::vector<GameRecord> games;
            QVERIFY(ParseCatalogue(before.toStdString(), games).Ok());
            status = DeleteGame(games, action.section(' ', 1).toInt(), File());
        }
        QCOMPARE(status.Ok(), row != -2);
        QCOMPARE(status.Message().empty(), row != -2);
        QCOMPARE(status.Ok() ? reported : -2, row);
        QTEST(FileText(), "after");
    }
};

QTEST_GUILESS_MAIN(TestGameEntry)
#include "test_gameentry.moc"
