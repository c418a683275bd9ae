#include "catalogueloader.h"
#include "frmmain.h"
#include "messageboxes.h"
#include "platform.h"
#include "settingsstore.h"
#include "windowhub.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <sys/stat.h>
#include <memory>

namespace {
const QByteArray kDefaults(kDefaultCatalogue.data(), qsizetype(kDefaultCatalogue.size()));
const QByteArray kTwoGames = "Seven Up, 7, 100, 106, 0, 0\r\nBig Ball,5,1,49,1,42\r\n";
const QString kCreate = "Data File Not Found!|Create a New Data File?|";
const QString kPicks = "Text1 Text2 Text3 Text4 Text5 Text6 Text7 txtPowerball";
const QString kGame = "Label1 LotGame " + kPicks + " Label2 txtLowPower txtHighPower txtLow txtHigh txtOdds";
const QString kRunControls = "lblProgress BarVal cmdStart cmpStop";

// Logs boxes as "Title|Prompt|Answer" (answers from `script`), settings written, the end and windows opened.
// Random: the fewest sets, slot j at (j + 0.5) / 7 of its range, the Power Ball at the middle of its own.
struct Fakes final : MessageBoxes, SettingsStore, EventPump, RandomSource, WindowHub
{
    void Inform(QWidget *, const QString &text, const QString &head) override { events << head + '|' + text; }
    bool Ask(QWidget *, const QString &text, const QString &head) override
    {
        events << head + '|' + text + (script.value(events.size()).endsWith("|Yes") ? "|Yes" : "|No");
        return events.last().endsWith("|Yes");
    }
    QString Read(const QString &section, const QString &key, const QString &fallback) override
    {
        return saved.startsWith(section + '/' + key + '=') ? saved.section('=', 1) : fallback;
    }
    void Write(const QString &section, const QString &key, const QString &value) override
    {
        events << (saved = section + '/' + key + '=' + value);
    }
    void PumpOnce() override
    {
        if (++pumps == 1 && atFirstSet)
            atFirstSet();
        QCoreApplication::processEvents();
    }
    void EndProgram() override { events << "end"; }
    void ReseedFromClock() override { next = 0; }
    float Next() override { return next++ ? ((next - 2) % 8 == 7 ? .5f : ((next - 2) % 8 + .5f) / 7) : 0; }
    void ShowBrowser() override { events << "browser"; }
    void ShowAbout(QWidget *over) override { events << (over ? "modal about" : "about"); }
    void ShowHelp(QWidget *over) override { events << (over ? "modal help" : "help"); }
    QStringList script, events;
    QString saved;
    std::function<void()> atFirstSet;
    int pumps = 0, next = 0;
};

void WriteCatalogue(const QByteArray &text)
{
    QFile file(QStringLiteral("games.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size());
}
} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    GameCatalogue m_catalogue;
    Fakes m_fakes;
    std::unique_ptr<FrmMain> m_window;

    void Open(const QByteArray &file, const QString &saved, const QStringList &script)
    {
        QFile::remove(QStringLiteral("games.dat"));
        if (file == "<pipe>")
            QVERIFY(mkfifo("games.dat", 0644) == 0);
        else if (!file.isNull())
            WriteCatalogue(file);
        m_catalogue = {};
        m_fakes = {};
        m_fakes.saved = saved.isNull() ? saved : "GameName/Game=" + saved;
        m_fakes.script = script;
        m_window = std::make_unique<FrmMain>(m_catalogue, m_fakes, m_fakes, m_fakes, m_fakes, &m_fakes);
        m_window->Load();
    }
    QWidget *Find(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    QComboBox *List() const { return m_window->findChild<QComboBox *>("LotGame"); }
    // The text each of `names` shows, "-" for one hidden.
    QString Show(const QString &names) const
    {
        QStringList texts = names.split(' ');
        for (QString &name : texts)
            name = Find(name)->isHidden() ? "-"
                                          : Find(name)->property("text").toString() +
                                                Find(name)->property("currentText").toString();
        return texts.join(' ');
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_dir.path())); }

    void load_data()
    {
        QTest::addColumn<QByteArray>("file");   // null: no games.dat
        QTest::addColumn<QString>("saved");     // null: nothing saved
        QTest::addColumn<QByteArray>("edited"); // null: no editor; else the file it leaves (the same: Cancel)
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("shown"); // game, list, picks, Power Ball, ranges, odds, Start, Stop
        const QByteArray games = kDefaults + "Single,1,1,9,-2,3\r\nZero Low,6,0,40,0,0\r\n";
        const QByteArray solo = "Solo, 6, 1, 40, 0, 0\r\n", no;
        const QString cont = "You Must Have a Data File!|Continue?|", none;
        // clang-format off
        const QString ball =
            "Power Ball Power Ball 1 2 3 4 5 - - 48 Power Ball 1 42 1 49 80089128 to 1 &Start -";
        const QString sevenUp = "Seven Up Seven Up 1 2 3 4 5 6 7 - - - - 100 106 1 to 1 &Start -";
        QTest::newRow("Power Ball") << games << "3" << no << QStringList() << ball;
        QTest::newRow("one choice") << games << "6" << no << QStringList()
            << "Single Single 1 2 - - - - - 48 Power Ball -2 3 1 9 54 to 1 &Start -";
        // Odds that cannot be computed once ended the program; now the heading stays.
        QTest::newRow("lowest number 0") << games << "7" << no << QStringList()
            << "Select a Game to Start Zero Low 1 2 3 4 5 6 - - - - - 0 40  &Start -";
        // These once led to the recovery, whose Yes wrote the default games over the user's file.
        QTest::newRow("saved row beyond the file") << kTwoGames << "2" << no << QStringList() << sevenUp;
        QTest::newRow("saved beyond 16 bits") << kTwoGames << "65537" << no << QStringList() << sevenUp;
        QTest::newRow("No, Continue, Yes") << no << "3" << no
            << QStringList{kCreate + "No", cont + "Yes", kCreate + "Yes"} << ball;
        QTest::newRow("No, No ends") << no << none << no << QStringList{kCreate + "No", cont + "No", "end"}
            << "Select a Game to Start  1 2 3 4 5 6 7 48 Power Ball      - -";
        QTest::newRow("editor added a game") << kTwoGames << "1" << kTwoGames + "Mini,5,1,39,0,0\r\n"
            << QStringList{"GameName/Game=2"} << "Mini Mini 1 2 3 4 5 - - - - - - 1 39 575757 to 1 &Start -";
        // Cancel leaves row 1, which a one-game catalogue lacks; that once ended the program.
        QTest::newRow("editor cancelled, one game") << solo << none << solo << QStringList{"GameName/Game=0"}
            << "Solo Solo 1 2 3 4 5 6 - - - - - 1 40 3838380 to 1 &Start -";
        QTest::newRow("editor deleted the only game") << solo << none << QByteArray("")
            << QStringList{kCreate + "Yes", "GameName/Game=0"}
            << "California Lotto California Lotto 1 2 3 4 5 6 - - - - - 1 51 18009460 to 1 &Start -";
        // clang-format on
    }
    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, saved);
        QFETCH(QByteArray, edited);
        QFETCH(QStringList, events);
        Open(file, saved, events);
        if (!edited.isNull()) {                         // the editor's entry: below the game shown
            QTimer::singleShot(0, m_window.get(), [&] { // it leaves the new game's row, or 0 after a delete
                WriteCatalogue(edited);
                m_catalogue.CurrentGame = std::int16_t(edited.isEmpty() ? 0 : m_catalogue.GameCount);
                QMetaObject::invokeMethod(qApp->activeModalWidget(), edited == file ? "reject" : "accept");
            });
            QTest::keyClick(List(), Qt::Key_Down);
        }
        QTEST(Show(kGame + " cmdStart cmpStop"), "shown");
        QCOMPARE(List()->findText("Edit or Add Lottery Game"), List()->count() - 1);
        List()->lineEdit()->selectAll(); // typing a name and Enter chooses nothing
        QTest::keyClicks(List()->lineEdit(), QStringLiteral("Louisiana Lotto\r"));
        QCOMPARE(m_fakes.events, events);
    }

    // Files no run or load can use: the user is told what is wrong, and nothing hangs or is lost.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("action"); // Down: the next entry chosen; Start: Start pressed
        QTest::addColumn<QStringList>("events");
        const QString odd = "Number Range Error|Odd Lotto cannot be drawn: line 2 of games.dat asks for ";
        const QString fix = ", and that range does not hold so many. Correct the line in the game editor, then "
                            "try again.";
        QByteArray many;
        for (int i = 0; i < 32769; ++i)
            many += "G" + QByteArray::number(i) + ",6,1,49,0,0\r\n";
        // clang-format off
        // Its pick boxes once showed repeated numbers after a run.
        QTest::newRow("highest below lowest, chosen") << kTwoGames.left(29) + "Odd Lotto, 6, 40, 10, 0, 0\r\n" << "0"
            << "Down" << QStringList{odd + "6 different numbers from 40 to 10" + fix, "GameName/Game=1"};
        QTest::newRow("range too narrow, Start") << kTwoGames.left(29) + "Odd Lotto,7,1,6,0,0\r\n" << "1"
            << "Start" << QStringList{odd + "7 different numbers from 1 to 6" + fix};
        // The editor's entry once did nothing at all here.
        QTest::newRow("beyond 32767 games") << many << "32767" << "Down" << QStringList{"Too Many Games|games.dat "
            "holds 32769 games, but Drawsmith can choose and edit only the first 32768. The other games stay in the "
            "file. To edit them, move some games to another file."};
        // A named pipe there once hung the start for good.
        QTest::newRow("named pipe") << QByteArray("<pipe>") << "0" << "" << QStringList{"Data File Error|games.dat "
            "is a named pipe, not a file of games. Drawsmith leaves it alone. Move it away or rename it, then start "
            "Drawsmith again.", "end"};
        // clang-format on
    }
    void refusals()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, saved);
        QFETCH(QString, action);
        Open(file, saved, {});
        if (action == "Down")
            QTest::keyClick(List(), Qt::Key_Down);
        else if (action == "Start")
            QTest::mouseClick(Find("cmdStart"), Qt::LeftButton);
        QTEST(m_fakes.events, "events");
        QCOMPARE(m_fakes.pumps, 0);
        QFile::remove("games.dat");
    }

    void run_data()
    {
        QTest::addColumn<QString>("action"); // at the first set: a control pressed, or LotGame: row 0 chosen
        QTest::addColumn<int>("sets");
        QTest::addColumn<QStringList>("events");
        const QString online = "Are You On-line?|You Must Already be on-line.\r\n"
                               "If Not, Click \"No\", Connect to the Internet\r\nThen Select This Feature!|";
        QTest::newRow("to the end") << "" << 200 << QStringList{};
        QTest::newRow("Stop") << "cmpStop" << 1 << QStringList{};
        QTest::newRow("Exit button") << "cmdExit" << 1 << QStringList{"end"};
        QTest::newRow("Exit menu") << "mnuExit" << 1 << QStringList{"end"};
        QTest::newRow("another game") << "LotGame" << 200 << QStringList{"GameName/Game=0"};
        QTest::newRow("Start again nests a run") << "cmdStart" << 400 << QStringList{};
        QTest::newRow("web site button, No") << "cmdBrowser" << 200 << QStringList{online + "No"};
        QTest::newRow("web site menu, Yes") << "mnuBrowser" << 200 << QStringList{online + "Yes", "browser"};
        QTest::newRow("About beside") << "mnuAbout" << 200 << QStringList{"about"};
        QTest::newRow("Help beside") << "mnuHelp" << 200 << QStringList{"help"};
    }
    void run()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, events);
        Open(kTwoGames, "1", events);
        QString during;
        m_fakes.atFirstSet = [&] {
            during = Show(kRunControls);
            if (action == "LotGame")
                QTest::keyClick(List(), Qt::Key_Up);
            else if (!action.isEmpty()) // Start is hidden, as after a game applied mid-run
                QMetaObject::invokeMethod(m_window->findChild<QObject *>(action),
                                          action.startsWith("mnu") ? "trigger" : "click");
        };
        QTest::mouseClick(Find("cmdStart"), Qt::LeftButton);

        QCOMPARE(during, "Working... 0% - Sto&p");
        QTEST(m_fakes.pumps, "sets");
        QCOMPARE(m_fakes.events, events);
        if (action != "cmdStart") // the last set's picks, from Seven Up's ranges after it was chosen
            QCOMPARE(Show(kPicks),
                     action == "LotGame" ? "100 101 102 103 104 105 106 -" : "4 11 18 25 32 - - 22");
        QCOMPARE(Find("BarVal")->property("value"), m_fakes.pumps == 1 ? 5 : 1000); // of 1000
        QCOMPARE(Show(kRunControls), "Good Luck With Your Picks! - &Start -");
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
