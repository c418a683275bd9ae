// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogueloader.h"
#include "frmmain.h"
#include "safefile.h"
#include "standins.h"
#include "userinput.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>
#include <sys/stat.h>

namespace {
const QByteArray kDefaults(kDefaultCatalogue.data(), qsizetype(kDefaultCatalogue.size()));
const QByteArray kTwoGames = "Seven Up, 7, 100, 106, 0, 0\r\nBig Ball,5,1,49,32701,32742\r\n";
const QString kCreate = "Data File Not Found!|Create a New Data File?|";
const QString kOnline = "Are You On-line?|You Must Already be on-line.\r\n"
                        "If Not, Click \"No\", Connect to the Internet\r\nThen Select This Feature!|";
const QString kPicks = "Text1 Text2 Text3 Text4 Text5 Text6 Text7 txtPowerball";
// Shown texts, then Start and Stop, then "+" for each label shown.
const QString kGame = "Label1 LotGame " + kPicks + " Label2 txtLowPower txtHighPower txtLow txtHigh txtOdds "
                      "cmdStart cmpStop lblLow lblHigh lblLowPower lblHighPower lblOdds";
const QString kRunControls = "lblProgress BarVal cmdStart cmpStop";

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    GameCatalogue m_catalogue;
    StandIns m_fakes;
    std::unique_ptr<FrmMain> m_window;

    void Open(const QByteArray &file, const QString &saved, const QStringList &script = {})
    {
        QFile::remove(QStringLiteral("games.dat"));
        if (file == "<pipe>")
            QVERIFY(mkfifo("games.dat", 0644) == 0);
        else if (!file.isNull())
            QVERIFY(ReplaceFile("games.dat", file.toStdString()));
        m_catalogue = {};
        m_fakes = {};
        m_fakes.saved = saved.isNull() ? saved : "GameName/Game=" + saved;
        m_fakes.script = script;
        m_window = std::make_unique<FrmMain>(m_catalogue, m_fakes, m_fakes, m_fakes, m_fakes, &m_fakes);
        m_window->Load();
    }
    QWidget *Find(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    QComboBox *List() const { return m_window->findChild<QComboBox *>("LotGame"); }
    static QString Focus() { return qApp->focusWidget() ? qApp->focusWidget()->objectName() : "-"; }
    // Keys by name, apart by blanks, through the window; "=Big_Ball" types to the focused control,
    // "Wheel" turns the wheel a notch up over the game list, "Menu" copies from Text3's context menu.
    void Press(const QString &keys, QStringList &trail)
    {
        for (const QString &name : keys.split(' ', Qt::SkipEmptyParts)) {
            if (name.startsWith('='))
                QTest::keyClicks(qApp->focusWidget(), name.mid(1).replace('_', ' '));
            else if (name == "Wheel")
                TurnWheel(m_window.get(), List(), 1);
            else if (name == "Menu") {
                QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {},
                                  Find("Text3")->mapTo(m_window.get(), Find("Text3")->rect().center()));
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu && menu->actions().value(0)->text() == "C&opy Picks");
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().value(0)).center());
            } else {
                PressKey(m_window.get(), name);
            }
            trail << Focus();
        }
    }
    // The text each of `names` shows ("+" for an lbl... label), "-" for one hidden.
    QString Show(const QString &names) const
    {
        QStringList texts = names.split(' ');
        for (QString &name : texts) {
            const QWidget *control = Find(name);
            if (control->isHidden())
                name = "-";
            else if (name.startsWith("lbl") && name != "lblProgress")
                name = "+";
            else
                name = control->property("text").toString() + control->property("currentText").toString();
        }
        return texts.join(' ');
    }

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(m_dir.path())); }

    // Captions, tool-tips and the pick boxes' colours, against the controls' names.
    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown"); // text | tool-tip | text on background
        QTest::newRow("window") << "FrmMain" << "Drawsmith |  | ";
        QTest::newRow("menu bar") << "" << "E&xit &Help &Visit The Web Site Pic&ks |  | ";
        QTest::newRow("Help menu") << "mnuHelpDetails" << "&About Drawsmith &Drawsmith Help |  | ";
        QTest::newRow("Picks menu") << "mnuPicks" << "Pas&t Picks… C&opy Picks P&rint Picks… |  | ";
        QTest::newRow("LotGame") << "LotGame" << "Big Ball | Click Down Arrow to Choose, Add, or Edit Game | ";
        QTest::newRow("cmdStart") << "cmdStart" << "&Start | Starts Number Calculations | ";
        QTest::newRow("cmpStop") << "cmpStop" << "Sto&p | Stops Number Calculations | ";
        QTest::newRow("cmdExit") << "cmdExit" << "E&xit | Exit the Program | ";
        QTest::newRow("Text1") << "Text1" << "1 |  | #000000 on #80ffff";
    }
    void controls()
    {
        QFETCH(QString, name);
        Open(kTwoGames, "1");
        QStringList texts;
        QWidget *control = name.isEmpty() ? m_window->menuBar() : name == "FrmMain" ? m_window.get() : Find(name);
        if (qobject_cast<QMenuBar *>(control) || qobject_cast<QMenu *>(control))
            for (const QAction *action : control->actions())
                texts << action->text();
        else
            texts << control->property(name == "FrmMain" ? "windowTitle" : "text").toString() +
                         control->property("currentText").toString();
        const QPalette colours = control->palette();
        const QString look = name.startsWith("Text") ? colours.color(QPalette::Text).name() + " on " +
                                                           colours.color(QPalette::Base).name()
                                                     : QString();
        QTEST(texts.join(' ') + " | " + control->toolTip() + " | " + look, "shown");
    }

    // What a screen reader calls each box: its label's text, never its object name. (A combo box's
    // name is its text; its label goes with it.)
    void heard()
    {
        Open(kTwoGames, "1");
        QStringList names;
        for (const char *name : {"LotGame", "Text1", "Text7", "txtPowerball", "txtLow", "txtHigh", "txtLowPower",
                                    "txtHighPower", "txtOdds"}) {
            QAccessibleInterface *box = QAccessible::queryAccessibleInterface(Find(name));
            QStringList labels;
            for (const auto &[label, relation] : box->relations(QAccessible::Label))
                labels << label->text(QAccessible::Name);
            names << box->text(QAccessible::Name) + (labels.isEmpty() ? "" : " by " + labels.join(", "));
        }
        QCOMPARE(names, (QStringList{"Big Ball by Game Selections", "Pick 1", "Pick 7",
                                     "Power Ball by Power Ball", "Lowest Number by Lowest Number",
                                     "Highest Number by Highest Number", "Lowest Power Ball by Lowest Power Ball",
                                     "Highest Power Ball by Highest Power Ball",
                                     "Odds of Wining Grand Prize by Odds of Wining Grand Prize"}));
    }

    // The game applied at the start, after a choice, after the editor; files no load or run can use.
    void load_data()
    {
        QTest::addColumn<QByteArray>("file");   // null: no games.dat
        QTest::addColumn<QString>("saved");     // null: nothing saved
        QTest::addColumn<QString>("then");      // Down: the next entry chosen; Start: Start pressed
        QTest::addColumn<QByteArray>("edited"); // the file the editor leaves (the same: Cancel)
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("shown");
        const QByteArray games = kDefaults + "Single,1,1,9,-2,3\r\nZero Low,6,0,40,0,0\r\n";
        const QByteArray solo = "Solo, 6, 1, 40, 0, 0\r\n", no, odd = kTwoGames.left(29) + "Odd Lotto,";
        const QString cont = "You Must Have a Data File!|Continue?|", none;
        const QString cannot = "Number Range Error|Odd Lotto cannot be drawn: line 2 of games.dat asks for %1, and "
                               "that range does not hold so many. Correct the line in the game editor, then try again.";
        QByteArray many;
        for (int i = 0; i < 32769; ++i)
            many += "G" + QByteArray::number(i) + ",6,1,49,0,0\r\n";
        // clang-format off
        const QString ball =
            "Power Ball Power Ball 1 2 3 4 5 - - 48 Power Ball 1 42 1 49 80089128 to 1 &Start - + + + + +";
        const QString sevenUp = "Seven Up Seven Up 1 2 3 4 5 6 7 - - - - 100 106 1 to 1 &Start - + + - - +";
        const QString design = "Select a Game to Start  1 2 3 4 5 6 7 48 Power Ball      - - - - - - -";
        QTest::newRow("Power Ball") << games << "3" << "" << no << QStringList() << ball;
        // This once led to the recovery, whose Yes wrote the default games over the user's file.
        QTest::newRow("saved row beyond the file") << kTwoGames << "2" << "" << no << QStringList() << sevenUp;
        QTest::newRow("No, Continue, Yes") << no << "3" << "" << no
            << QStringList{kCreate + "No", cont + "Yes", kCreate + "Yes"} << ball;
        QTest::newRow("No, No ends") << no << none << "" << no << QStringList{kCreate + "No", cont + "No", "end"} << design;
        QTest::newRow("editor added a game") << kTwoGames << "1" << "Down" << kTwoGames + "Mini,5,1,39,0,0\r\n"
            << QStringList{"GameName/Game=2"} << "Mini Mini 1 2 3 4 5 - - - - - - 1 39 575757 to 1 &Start - + + - - +";
        // Cancel leaves the editor's own row, which names no game; that once ended the program.
        QTest::newRow("editor cancelled, one game") << solo << none << "Down" << solo << QStringList{"GameName/Game=0"}
            << "Solo Solo 1 2 3 4 5 6 - - - - - 1 40 3838380 to 1 &Start - + + - - +";
        QTest::newRow("editor deleted the only game") << solo << none << "Down" << QByteArray("")
            << QStringList{kCreate + "Yes", "GameName/Game=0"}
            << "California Lotto California Lotto 1 2 3 4 5 6 - - - - - 1 51 18009460 to 1 &Start - + + - - +";
        // A name that looks like markup was drawn as markup, while a screen reader heard the tags.
        QTest::newRow("markup, UTF-8 name") << QByteArray("<b>Loter\xc3\xad" "a</b>,6,1,49,0,0\r\n") << none << "" << no
            << QStringList() << "<b>Lotería</b> <b>Lotería</b> 1 2 3 4 5 6 - - - - - 1 49 13983816 to 1 &Start - + + - - +";
        // Its pick boxes once showed repeated numbers after a run.
        QTest::newRow("highest below lowest, chosen") << odd + " 6, 40, 10, 0, 0\r\n" << "0" << "Down" << no
            << QStringList{cannot.arg("6 different numbers from 40 to 10"), "GameName/Game=1"}
            << "Odd Lotto Odd Lotto 1 2 3 4 5 6 - - - - - 40 10 0.00138888888888889 to 1 &Start - + + - - +";
        QTest::newRow("range too narrow, Start") << odd + "7,1,6,0,0\r\n" << "1" << "Start" << no
            << QStringList{cannot.arg("7 different numbers from 1 to 6")}
            << "Odd Lotto Odd Lotto 1 2 3 4 5 6 7 - - - - 1 6 0.142857142857143 to 1 &Start - + + - - +";
        // The editor's entry once did nothing at all here.
        QTest::newRow("beyond 32767 games") << many << "32767" << "Down" << no << QStringList{"Too Many Games|games.dat "
            "holds 32769 games, but Drawsmith can choose and edit only the first 32768. The other games stay in the "
            "file. To edit them, move some games to another file."}
            << "G32767 G32767 1 2 3 4 5 6 - - - - - 1 49 13983816 to 1 &Start - + + - - +";
        // A named pipe there once hung the start for good.
        QTest::newRow("named pipe") << QByteArray("<pipe>") << "0" << "" << no << QStringList{"Data File Error|games.dat "
            "is a named pipe, not a file of games. Drawsmith leaves it alone. Move it away or rename it, then start "
            "Drawsmith again.", "end"} << design;
        // clang-format on
    }
    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, saved);
        QFETCH(QString, then);
        QFETCH(QByteArray, edited);
        QFETCH(QStringList, events);
        Open(file, saved, events);
        if (!edited.isNull()) // the editor leaves the new game's row, or 0 after a delete
            QTimer::singleShot(0, m_window.get(), [&] {
                QVERIFY(ReplaceFile("games.dat", edited.toStdString()));
                m_catalogue.CurrentGame = std::int16_t(edited.isEmpty() ? 0 : m_catalogue.GameCount);
                QMetaObject::invokeMethod(qApp->activeModalWidget(), edited == file ? "reject" : "accept");
            });
        if (then == "Down")
            QTest::keyClick(List(), Qt::Key_Down);
        else if (then == "Start")
            QTest::mouseClick(Find("cmdStart"), Qt::LeftButton);
        QTEST(Show(kGame), "shown");
        QCOMPARE(List()->findText("Edit or Add Lottery Game"), List()->count() - 1);
        for (const QLabel *label : m_window->findChildren<QLabel *>())
            QVERIFY2(label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label->text()),
                     qPrintable(label->objectName()));
        QCOMPARE(m_fakes.events, events);
        QCOMPARE(m_fakes.pumps, 0);
        QFile::remove("games.dat");
    }
    void run_data()
    {
        QTest::addColumn<QString>("action"); // at the first set: a control pressed, or LotGame: row 0 chosen
        QTest::addColumn<int>("sets");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("to the end") << "" << 200 << QStringList{};
        QTest::newRow("Stop") << "cmpStop" << 1 << QStringList{};
        QTest::newRow("Exit button") << "cmdExit" << 1 << QStringList{"end"};
        QTest::newRow("another game") << "LotGame" << 200 << QStringList{"GameName/Game=0"};
        // The inner run's end is not announced: the outer one goes on flashing.
        QTest::newRow("Start again nests a run") << "cmdStart" << 400 << QStringList{};
        QTest::newRow("web site button, No") << "cmdBrowser" << 200 << QStringList{kOnline + "No"};
        QTest::newRow("web site menu, Yes") << "mnuBrowser" << 200 << QStringList{kOnline + "Yes", "browser"};
        QTest::newRow("About beside") << "mnuAbout" << 200 << QStringList{"about"};
    }
    void run()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, events);
        Open(kTwoGames, "1", events);
        // The notification a screen reader speaks, each time it is shown.
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QStringList heard;
        QObject *notice = m_window->findChild<QObject *>("runNotice");
        struct Ear final : QObject
        {
            QStringList *heard;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (event->type() == QEvent::Show)
                    *heard << static_cast<QWidget *>(watched)->accessibleName();
                return false;
            }
        } ear;
        ear.heard = &heard;
        notice->installEventFilter(&ear);
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
                     action == "LotGame" ? "100 101 102 103 104 105 106 -" : "4 11 18 25 32 - - 32722");
        QCOMPARE(Find("BarVal")->property("value"), m_fakes.pumps == 1 ? 5 : 1000); // of 1000
        QCOMPARE(Show(kRunControls), "Good Luck With Your Picks! - &Start -");

        const QString picks = action == "LotGame"    ? "Seven Up: 100, 101, 102, 103, 104, 105, 106"
                              : action == "cmdStart" ? heard.value(0)
                                                     : "Big Ball: 4, 11, 18, 25, 32, Power Ball 32722";
        QCOMPARE(heard, QStringList{picks});
        QCOMPARE(Find("picksRow")->accessibleName(), picks);
        if (action.isEmpty()) { // the next run is announced too
            QTest::mouseClick(Find("cmdStart"), Qt::LeftButton);
            QCOMPARE(heard.size(), 2);
        }
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("keys");   // as Press takes them
        QTest::addColumn<QString>("during"); // keys at the first set of a run
        // The focus at the start and after each key | events | sets drawn | the clipboard | the game shown.
        QTest::addColumn<QString>("after");
        // clang-format off
        // Keyboard users started in a read-only box, twelve Tabs from Start; the picks were eight Tabs away.
        QTest::newRow("Tab order") << "1" << "Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Shift+Tab"
            << "" << "LotGame cmdStart picksRow cmdExit cmdBrowser Text1 Text2 Text3 Text4 Text5 txtPowerball txtLow "
                     "txtHigh txtLowPower txtHighPower txtOdds LotGame txtOdds |  | 0 |  | Big Ball";
        // The focus fell from the hidden Start on Exit, so Space, Space ended the program.
        QTest::newRow("Space starts, Space stops") << "1" << "Tab Space" << "Space"
            << "LotGame cmdStart cmdStart | run: cmpStop | 1 |  | Big Ball";
        // Enter on a focused button did nothing.
        QTest::newRow("Return on Start, Enter on Exit") << "1" << "Tab Return Tab Tab Enter" << ""
            << "LotGame cmdStart cmdStart picksRow cmdExit cmdExit | run: cmpStop; end | 200 |  | Big Ball";
        // The menu entry and the button shared Alt+X: the first press only moved the focus.
        QTest::newRow("Alt+X once") << "1" << "Alt+X" << "" << "LotGame LotGame | end | 0 |  | Big Ball";
        // Alt+Q typed a q into the game list; it stays the game's name.
        QTest::newRow("Alt+letter, Ctrl+C in the list") << "1" << "Alt+Q Ctrl+C" << ""
            << "LotGame LotGame LotGame |  | 0 | Big Ball: 1 2 3 4 5 + PB 48 | Big Ball";
        QTest::newRow("Ctrl+C after a run") << "0" << "Tab Space Ctrl+C" << ""
            << "LotGame cmdStart cmdStart cmdStart | run: cmpStop | 200 | Seven Up: 100 101 102 103 104 105 106 | Seven Up";
        QTest::newRow("copy from a pick's menu") << "1" << "Menu" << ""
            << "LotGame Text3 |  | 0 | Big Ball: 1 2 3 4 5 + PB 48 | Big Ball";
        // Typing a name, then Enter or leaving the list, chose that game.
        QTest::newRow("name typed, Enter, Tab") << "1" << "Shift+Home =Seven_Up Return Tab" << ""
            << "LotGame LotGame LotGame LotGame cmdStart |  | 0 |  | Big Ball";
        // The wheel over the list changed the game while the user was elsewhere.
        QTest::newRow("wheel, focus on Start") << "1" << "Tab Wheel" << "" << "LotGame cmdStart cmdStart |  | 0 |  | Big Ball";
        // clang-format on
    }
    void keyboard()
    {
        QFETCH(QString, saved);
        QFETCH(QString, keys);
        QFETCH(QString, during);
        Open(kTwoGames, saved);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QGuiApplication::clipboard()->clear();
        QStringList trail{Focus()};
        QStringList unused;
        m_fakes.atFirstSet = [&] {
            m_fakes.events << "run: " + Focus();
            Press(during, unused);
        };
        Press(keys, trail);
        const QStringList after{trail.join(' '), m_fakes.events.join("; "), QString::number(m_fakes.pumps),
                                QGuiApplication::clipboard()->text(), Show("Label1")};
        QTEST(after.join(" | "), "after");
        // A read-only box reached by Tab selected its text, which a screen reader announced.
        if (const auto *box = qobject_cast<QLineEdit *>(qApp->focusWidget()); box && box->isReadOnly())
            QVERIFY(!box->hasSelectedText());
        for (const QString &name : kPicks.split(' ')) // the whole number within the frame; "100" once showed ".00"
            if (const QWidget *box = Find(name); !box->isHidden())
                QVERIFY2(box->size() == (name == "txtPowerball" ? QSize(75, 73) : QSize(67, 59)) &&
                             QFontMetrics(box->font()).boundingRect(box->property("text").toString()).width() <=
                                 box->contentsRect().width() - 4, qPrintable(name));
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
