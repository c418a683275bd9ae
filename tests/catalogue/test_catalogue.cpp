// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogueloader.h"
#include "gameentry.h"
#include "numbertext.h"
#include "safefile.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

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
            fields.count('|') == 5, p[4].toStdString(), p[5].toStdString()};
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::string Path() const { return m_dir->filePath("games.dat").toStdString(); }

    // clang-format off
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    // Each text read as the number it begins with, and shown.
    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("blanks inside") << " 4 2\t\r\n" << "42";
        QTest::newRow("second period, comma") << "12.3.4,5" << "12.3";
        QTest::newRow("infinity is no number") << "inf" << "0";
        QTest::newRow("negative zero") << "-0" << "0";
        QTest::newRow("rounds up to 1E+15") << "999999999999999.5" << "1E+15";
        QTest::newRow("1E-04 stays plain") << "1E-4" << "0.0001";
        QTest::newRow("below 1E-04") << "-0.000025" << "-2.5E-05";
    }
    void numbers()
    {
        QFETCH(QString, text);
        const double leading = LeadingNumber(text.toStdString());
        QTEST(QString::fromStdString(FormatGeneral(leading)), "shown");
        QTEST(QString::fromStdString(FormatPlain(leading)), "shown");
    }

    // The reading rules: bytes -> games, or the failure.
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        const QString a = "A, 6, 1, 49, 0, 0", runsOut = " is incomplete: the file ran out of values.";
        QTest::newRow("blanks before a value, not after") << " A ,\t6 ,1,49,0,0" << "A , 6, 1, 49, 0, 0";
        QTest::newRow("tabs before values") << "\tA,\t6,\t1,\t49.5,\t0,\t0" << "A, 6, 1, 49.5, 0, 0";
        QTest::newRow("quoted name after a blank") << " \"Pick, Six\",6,1,49.5 ,0,0" << "\"Pick, Six\", 6, 1, 49.5, 0, 0";
        QTest::newRow("after closing quote dropped, quote inside")
            << "\"A\"xyz,6,1,49,0,0\nA\"B,6,1,49,0,0" << a + ";A\"B, 6, 1, 49, 0, 0";
        QTest::newRow("half to even")
            << "A,6,1,49,2.5,9\nA,6,1,49,-3.5,9" << "A, 6, 1, 49, 2, 9;A, 6, 1, 49,-4, 9";
        QTest::newRow("long numbers") << "A,1234567,-7654321,12345678901234567890,-32768,0"
                                      << "A, 1234567,-7654321, 1.23456789012346E+19,-32768, 0";
        QTest::newRow("two games on one line") << "A,6,1,49,0,0,B,6,1,49,0,0\r\n" << a;
        QTest::newRow("word past the last line") << "A,6,1,49,0,0,B,x\r\n" << a;
        const QString a3 = QStringList(3, a).join(';'), far = QString(50, ' ') + "6,1,49,0,0"; // 64 bytes on
        QTest::newRow("blank line after twelve values") << "A,6,1,49,0,0,A,6,1,49,0,0\r\n\r\nA," + far << a3;
        QTest::newRow("empty") << "" << "The file holds no games.";
        QTest::newRow("extra line end at end") << "A,6,1,49,0,0\r\n\r\n" << "Game 2 of 2" + runsOut;
        QTest::newRow("line end in quotes") << "\"A\r\nB\",6,1,49,0,0\r\n" << "Game 2 of 2" + runsOut;
        QTest::newRow("unclosed quote") << "\"A,6,1,49,0,0" << "Game 1 of 1" + runsOut;
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
        for (int round = 0; round < 2; ++round)
            for (const char *line : lines) {
                text += line;
                expected << Parsed(line);
            }
        QCOMPARE(Parsed(text), expected.join(';'));
        for (const std::string bad : {"A,6,,49,0,0\r\n", "A, 6, 1, 4x, 0, 0\r\n", "A, 6, inf, 49, 0, 0\r\n",
                                      "A, 6, 1, 49, 70000, 0\r\n"})
            QCOMPARE(Parsed(bad + text), Parsed(bad));
    }

    void loadLeavesCatalogueOnFailure()
    {
        GameCatalogue catalogue{{}, 0, 4};
        QVERIFY(ReplaceFile(Path(), "A,6,1,49,0,0\r\nB,6,1,49,0,0\r\n") && LoadCatalogue(catalogue, Path()));
        QVERIFY(ReplaceFile(Path(), "C,6,1,49,0,0\r\n\r\n") && !LoadCatalogue(catalogue, Path()));
        const std::string kept = catalogue.Games.at(1).Name + std::to_string(catalogue.GameCount);
        QCOMPARE(kept + std::to_string(catalogue.CurrentGame), std::string("B24"));
    }

    // The entry rules in their order: the first one broken, its title and the control to correct.
    void checkGameEntry_data()
    {
        QTest::addColumn<QString>("entry"); // "change " in front: an existing game
        QTest::addColumn<QString>("broken");
        QTest::newRow("untitled") << "Untitled Game|2|1|3" << "Game Name Error, MyGames";
        QTest::newRow("untitled with a blank") << " Untitled Game|6|1|49" << "";
        QTest::newRow("untitled, changed") << "change Untitled Game|6|1|49" << "";
        QTest::newRow("quote in name") << "Pick \"6\"|6|1|49" << "Game Name Error, MyGames";
        QTest::newRow("choices 2 asks") << "A|2|1|3" << "Warning?, ChoiceNum";
        QTest::newRow("choices 3 asks nothing") << "A|3|1|49" << "";
        QTest::newRow("range one short") << "change A|6|1|8" << "Number Range Error, LowNum";
        QTest::newRow("range just enough, typed word") << "A|6x|1|9" << "";
        QTest::newRow("power ball range one short") << "A|6|1|49|1|2" << "Power Ball Number Range Error, PowerLow";
        QTest::newRow("power ball range just enough") << "A|6|1|49|1|3" << "";
        QTest::newRow("power ball flag clear") << "A|6|1|49|1|2|" << "";
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

    void lines_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("compact");
        QTest::addColumn<QString>("spaced");
        QTest::newRow("flag clear") << "P|5|1|49|1|42|" << "P,5,1,49,0,0" << "P, 5, 1, 49, 0, 0";
        QTest::newRow("trimmed, typed word dropped") << "A | 6x|1 |" << "A ,6,1,0,0,0" << "A , 6, 1, 0, 0, 0";
        QTest::newRow("negatives") << "A|6|-1.5|48|-2|3" << "A,6,-1.5,48,-2,3" << "A, 6,-1.5, 48,-2, 3";
        QTest::newRow("comma in name from the file")
            << "X, Y|6|1|49" << "X, Y,6,1,49,0,0" << "\"X, Y\", 6, 1, 49, 0, 0";
        QTest::newRow("line break in name") << "A\r\nB|6|1|49" << "A  B,6,1,49,0,0" << "A  B, 6, 1, 49, 0, 0";
    }
    void lines()
    {
        QFETCH(QString, entry);
        QFETCH(QString, spaced);
        QTEST(QString::fromStdString(CompactLine(Entry(entry))), "compact");
        QCOMPARE(QString::fromStdString(SpacedLine(RecordFromEntry(Entry(entry)))), spaced);
        QCOMPARE(Parsed(spaced.toStdString()), spaced); // and reads back the same
    }

    // The file byte for byte after add, change and delete, and the row they report
    // (-1: none; -2: failed, nothing written). A delete names the game as the editor read it, and its row.
    void writes_data()
    {
        QTest::addColumn<QByteArray>("before"); // "-": no file
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("row");
        const QByteArray added = "Mini Lotto,5,1,39,0,0\r\n", lfs(5000, '\n'), bom = "\xEF\xBB\xBF";
        const QByteArray crs = QByteArray(15, 'x') + "\r\n" + QByteArray(40, '\r'), bad = "A,6,1,49,0,0\r\nB,one\r\n";
        const QByteArray a = "A,6,1,49,0,0\r\n", b = "B,6,1,49,0,0\r\n", c = "C,6,1,49,0,0\r\n";
        const QByteArray as = "A, 6, 1, 49, 0, 0\r\n", bs = "B, 6, 1, 49, 0, 0\r\n", cs = "C, 6, 1, 49, 0, 0\r\n";
        const QByteArray cafe = "Caf\xE9", odd = "\xFF\xFE Odd";
        const QString add = "add Mini Lotto|5|1|39", delB = "delete B|6|1|49 1";
        QTest::newRow("add, no file") << QByteArray("-") << add << added << 0;
        QTest::newRow("add after last line without line end") << QByteArray("A") << add << "A\r\n" + added << 1;
        QTest::newRow("add after CR LF and lone CRs") << crs << add << crs + added << 41;
        QTest::newRow("add after thousands of LFs") << lfs << add << lfs + added << 5000;
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
        QTest::newRow("delete, deleted meanwhile") << a + c << delB << a + c << -2;
        QTest::newRow("delete, changed meanwhile") << a + "B,6,1,50,0,0" << delB << a + "B,6,1,50,0,0" << -2;
        QTest::newRow("delete first game, mark kept") << bom + b + odd + ",6,1,49,0,0\r\n" << "delete B|6|1|49 0"
            << bom + odd + ", 6, 1, 49, 0, 0\r\n" << -1;
        QTest::newRow("delete the only game: empty") << bom + b << "delete B|6|1|49 0" << QByteArray() << -1;
    }
    void writes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, action);
        QVERIFY(before == "-" || ReplaceFile(Path(), before.toStdString()));
        const QString verb = action.section(' ', 0, 0), rest = action.section(' ', 1);
        const GameEntry entry = Entry(rest.section(' ', 0, verb == "delete" ? -2 : -1));
        int reported = -1;
        std::optional<int> changed;
        Status status;
        if (verb == "add")
            status = AppendGame(entry, reported, Path());
        else if (verb == "change")
            status = SaveGameChanges(entry, changed, Path());
        else
            status = DeleteGame(RecordFromEntry(entry), rest.section(' ', -1).toInt(), Path());
        QTEST(status ? changed.value_or(reported) : -2, "row");
        std::string text;
        QVERIFY(ReadWholeFile(Path(), text));
        QTEST(QByteArray::fromStdString(text), "after");
    }
    // clang-format on
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
