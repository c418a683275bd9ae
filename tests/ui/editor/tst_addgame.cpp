// SPDX-License-Identifier: GPL-3.0-or-later
#include "addgame.h"
#include "catalogueloader.h"
#include "safefile.h"
#include "standins.h"
#include "updown.h"
#include "userinput.h"

#include <QtTest>
#include <QtWidgets>

namespace {
const QByteArray kGames(kDefaultCatalogue.data(), qsizetype(kDefaultCatalogue.size())); // the six defaults
const QByteArray kDirectory = "<directory>"; // in the file's place, so that every write fails
} // namespace

class TestAddGame final : public QObject
{
    Q_OBJECT

    GameCatalogue m_catalogue;
    AddGame *m_dlg = nullptr;

    QWidget *Find(const QString &name) const { return m_dlg->findChild<QWidget *>(name); }
    QString Text(const QString &name) const { return Find(name)->property("text").toString(); }
    // Row, name, numbers ("[1]": greyed), on or off for the Power Ball box, action buttons shown | focus.
    QString State() const
    {
        QStringList state{QString::number(m_catalogue.CurrentGame),
                          Find("MyGames")->property("currentText").toString()};
        // "!" marks a spin button whose enabled state differs from its box's.
        for (const QString box : {"ChoiceNum UpDown2", "LowNum UpDownLow", "HighNum UpDown1", "PowerLow UpDown3",
                                  "PowerHigh UpDown4"}) {
            const QString text = Text(box.section(' ', 0, 0)), spin = box.section(' ', 1);
            const bool on = Find(box.section(' ', 0, 0))->isEnabled();
            state << (on ? text : '[' + text + ']') + (Find(spin)->isEnabled() != on ? "!" : "");
        }
        state << (Find("IsPowerBall")->property("checked").toBool() ? "on" : "off");
        for (const char *name : {"cmdSave", "cmdSaveChanges", "cmdDelete"})
            if (Find(name)->isVisible())
                state << name;
        return state.join(' ') + '|' + qApp->focusWidget()->objectName();
    }
    // A user's step: "pick ROW", "type NAME TEXT", "spin NAME CLICKS" (up if > 0), "click NAME", "close",
    // "key KEY" (through the window, to the focused control) or "wheel NAME NOTCHES" (over the control).
    void Do(const QString &step)
    {
        QString act = step.section(' ', 0, 0), name = step.section(' ', 1, 1), arg = step.section(' ', 2);
        auto *list = static_cast<QComboBox *>(Find("MyGames"));
        if (act == "pick") {
            list->setCurrentIndex(name.toInt());
            emit list->activated(name.toInt());
        } else if (act == "type") { // a tab into the box selects all it holds
            (name == "MyGames" ? list->lineEdit() : Find(name))->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(QApplication::focusWidget(), arg);
        } else if (act == "spin") { // the arrows: up in the upper half, down in the lower
            for (int i = 0; i < std::abs(arg.toInt()); ++i)
                QTest::mouseClick(Find(name)->childAt(2, arg.toInt() > 0 ? 1 : Find(name)->height() - 2),
                                  Qt::LeftButton);
        } else if (act == "key") {
            PressKey(m_dlg, name);
        } else if (act == "wheel") {
            TurnWheel(m_dlg, Find(name), arg.toInt());
        } else if (QAction *entry = m_dlg->findChild<QAction *>(name)) {
            entry->trigger();
        } else {
            act == "click" ? QTest::mouseClick(Find(name), Qt::LeftButton) : void(m_dlg->close());
        }
    }

private slots:
    void editor_data()
    {
        QTest::addColumn<QString>("steps");   // apart by "; "
        QTest::addColumn<QString>("after");   // the state, or the row left when the editor closed
        QTest::addColumn<QString>("events");  // boxes and windows, apart by "; "
        QTest::addColumn<QByteArray>("file"); // null: unchanged; kDirectory: every write fails
        QTest::addColumn<QByteArray>("games");
        // clang-format off
        const auto row = [](const char *tag, const char *steps, const QString &after, QString events = {},
                            const QByteArray &file = {}, const QByteArray &games = kGames) {
            QTest::newRow(tag) << QString(steps) << after << events << file << games;
        };
        const QByteArray solo = "Solo Lotto, 6, 1, 40, 0, 0\r\n";
        const QByteArray spaced = QByteArray(kGames).replace(",6,1,51,0,0", ", 6, 1, 51, 0, 0");
        const QString add = " off cmdSave|", edit = " off cmdSaveChanges cmdDelete|";
        const QString untitled = "6 Untitled Game 6 1 50 [1] [48]" + add, sure = "Are You Sure?|Delete - ";
        const QString ball = "3 Power Ball 5 1 49 1 42 on cmdSaveChanges cmdDelete|";
        const QString last = sure + "Solo Lotto?|Yes; Are You Sure?|Solo Lotto is the last game!\r\n"
                                    "Deletion of Solo Lotto will re-create data file.|";
        const QString choices = "Warning|Are You Sure About the Number of Choices|";
        const QString range = "Number Range Error|(Lowest Number + Number of Choices + 1) Must be Less Than "
                              "Highest Number!";
        row("opening; About, Help over it", "click mnuAbout; click mnuHelpDetails", untitled + "cmdCancel",
            "about over AddGame; help over AddGame");
        row("then Lotto Texas", "pick 3; pick 4", "4 Lotto Texas 6 1 50 [0] [0]" + edit + "cmdCancel");
        row("unchecked", "pick 3; click IsPowerBall", "3 Power Ball 5 1 49 [1] [42]" + edit + "IsPowerBall");
        // Checking the box over a game without one kept lowest 0, so the game saved without one.
        row("checked over Lotto Texas", "pick 4; click IsPowerBall", "4 Lotto Texas 6 1 50 1 0 on cmdSaveChanges cmdDelete|IsPowerBall");
        // The name box once completed what was typed and took Enter, or leaving it, as picking that game.
        row("typed name, Enter, left", "type MyGames Power Ball\r; key Tab",
            "6 Power Ball 6 1 50 [1] [48]" + add + "cmdCancel");
        // Up and Down went to a stop of their own, apart from the number they change; they step as the arrows do.
        row("Up and Down on a number", "key Tab; key Up; key Up; key Down",
            "6 Untitled Game 6 2 50 [1] [48]" + add + "LowNum");
        // Up lowered a number above the spin's limit to the limit, Down raised one below it.
        const QByteArray odd = "Odd, 9, -2, 150, 0, 0\r\n";
        row("spins beyond their limits", "pick 0; spin UpDown2 1; spin UpDownLow -1; spin UpDown1 1",
            "0 Odd 9 -2 150 [0] [0]" + edit + "cmdCancel", {}, {}, odd);
        row("spins back into their limits", "pick 0; spin UpDown2 -1; spin UpDownLow 1; spin UpDown1 -1",
            "0 Odd 7 0 100 [0] [0]" + edit + "cmdCancel", {}, {}, odd);
        // Enter on a focused button did nothing; Cancel has the focus on opening.
        row("Return on Cancel", "key Return", "1");
        // The wheel over the list picked a game, throwing away the name being typed.
        row("wheel over the list, elsewhere", "type MyGames Mega; type ChoiceNum 5; wheel MyGames -1",
            "6 Mega 5 1 50 [1] [48]" + add + "ChoiceNum");
        row("add prefix Lotto", "type MyGames Lotto; spin UpDown2 -1; spin UpDown1 -11; click cmdSave", "6",
            "", kGames + "Lotto,5,1,39,0,0\r\n");
        row("spins stop at 7 and 100; only choices typed", "spin UpDown2 5; spin UpDownLow 120; "
            "spin UpDown1 60; spin UpDown1 -1; type ChoiceNum 3; spin UpDown2 1; type LowNum 9",
            "6 Untitled Game 4 100 99 [1] [48]" + add + "LowNum");
        row("change", "pick 3; spin UpDown1 1; click cmdSaveChanges", "3", "",
            QByteArray(spaced).replace("Power Ball, 5, 1, 49", "Power Ball, 5, 1, 50"));
        row("delete", "pick 2; click cmdDelete", "0", sure + "Louisiana Lotto?|Yes",
            QByteArray(spaced).replace("Louisiana Lotto, 6, 1, 49, 0, 0\r\n", ""));
        row("delete, No", "pick 2; click cmdDelete", "2 Louisiana Lotto 6 1 49 [0] [0]" + edit + "MyGames",
            sure + "Louisiana Lotto?|No");
        row("delete the only game", "pick 0; click cmdDelete", "0", last + "Yes", "", solo);
        row("only game, No to the second", "pick 0; click cmdDelete", "0 Solo Lotto 6 1 40 [0] [0]" + edit
            + "MyGames", last + "No", {}, solo);
        row("name left untitled", "click cmdSave", untitled + "MyGames",
            "Game Name Error|Give Your New Game a New Name!");
        row("choices 2, No", "type MyGames Two; type ChoiceNum 2; click cmdSave",
            "6 Two 2 1 50 [1] [48]" + add + "ChoiceNum", choices + "No");
        row("choices 2, Yes; range", "type MyGames Two; type ChoiceNum 2; spin UpDown1 -46; click cmdSave",
            "6 Two 2 1 4 [1] [48]" + add + "LowNum", choices + "Yes; " + range);
        row("Power Ball 1 and 2", "type MyGames X; click IsPowerBall; spin UpDown4 -46; click cmdSave",
            "6 X 6 1 50 1 2 on cmdSave|PowerLow", "Power Ball Number Range Error|"
            "(Lowest Power Ball Number + 1) Must be Less Than Highest Power Ball Number!");
        row("change: range rule, no name rule", "pick 0; spin UpDown1 -43; click cmdSaveChanges; "
            "type MyGames Untitled Game; spin UpDown1 43; click cmdSaveChanges", "0", range, spaced);
        row("writes fail", "type MyGames X; click cmdSave; pick 3; click cmdSaveChanges; "
            "click cmdDelete", ball + "cmdDelete", "Data File Error|<reason>; Data File Error|<reason>; "
            + sure + "Power Ball?|Yes; Data File Error|<reason>", kDirectory);
        // Names from another system's file once matched nothing, and the change was silently lost.
        const QByteArray cafe = "Caf\xE9 Lotto,6,1,49,0,0\r\nB,6,1,49,0,0\r\n";
        row("Latin-1 name changed", "pick 0; spin UpDown1 1; click cmdSaveChanges", "0", "",
            "Caf\xE9 Lotto, 6, 1, 50, 0, 0\r\nB, 6, 1, 49, 0, 0\r\n", cafe);
        row("Cancel", "pick 3; click cmdCancel", "1");
        row("Exit", "pick 3; click mnuExit", "1");
        row("close box", "pick 3; close", "1");
        // Esc is bound to nothing; leaving by it would skip setting the row.
        row("Esc", "pick 3; type MyGames \x1b", ball + "MyGames");
        // clang-format on
    }
    void editor()
    {
        QFETCH(QByteArray, games);
        QFETCH(QString, events);
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(ReplaceFile("games.dat", games.toStdString()));
        QVERIFY(LoadCatalogue(m_catalogue).Ok());
        m_catalogue.CurrentGame = std::int16_t(m_catalogue.GameCount); // as the main window leaves it
        StandIns fakes;
        fakes.script = events.split("; ");
        AddGame dialog(m_catalogue, fakes, fakes);
        m_dlg = &dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(dialog.findChild<QComboBox *>("MyGames")->count(), m_catalogue.GameCount); // the games only
        if (file == kDirectory)
            QVERIFY(QFile::remove("games.dat") && QDir().mkdir("games.dat"));

        QFETCH(QString, steps);
        for (const QString &step : steps.split("; ", Qt::SkipEmptyParts))
            Do(step);
        // The reason names the file and its kind; which failure it was shows in the rows.
        fakes.events.replaceInStrings(QRegularExpression("(?s)^Data File Error\\|.+"), "Data File Error|<reason>");
        QCOMPARE(fakes.events.join("; "), events);
        std::string after;
        QCOMPARE(ReadWholeFile("games.dat", after) ? QByteArray::fromStdString(after) : kDirectory, file.isNull() ? games : file);
        QTEST(dialog.isVisible() ? State() : QString::number(m_catalogue.CurrentGame), "after");
    }

    // The stops in tab order (the Power Ball boxes on) as a screen reader hears them: name, value and
    // role, the label that names it; then the tool-tip. Then the other controls' captions.
    void captions()
    {
        GameCatalogue catalogue;
        StandIns fakes;
        AddGame dialog(catalogue, fakes, fakes);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(dialog.findChild<QWidget *>("IsPowerBall"), Qt::LeftButton);
        QStringList seen;
        for (int tab = 0; tab < 9; ++tab) {
            PressKey(&dialog, "Tab");
            QWidget *stop = QApplication::focusWidget();
            QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(stop);
            QString said = heard->text(QAccessible::Name);
            if (heard->role() == QAccessible::SpinBox && heard->valueInterface())
                said += ", " + heard->valueInterface()->currentValue().toString() + ", spin button";
            for (const auto &[label, relation] : heard->relations(QAccessible::Label))
                said += " by " + label->text(QAccessible::Name);
            seen << stop->objectName() + ' ' + said + '|' + stop->toolTip();
        }
        const auto see = [&](QWidget *w) {
            seen << w->objectName() + ' ' + w->property("text").toString() + '|' + w->toolTip();
        };
        for (QLabel *label : dialog.findChildren<QLabel *>())
            see(label);
        for (const char *hidden : {"cmdSaveChanges", "cmdDelete"})
            see(dialog.findChild<QWidget *>(hidden));
        for (QAction *entry : dialog.findChild<QMenuBar *>()->actions() + dialog.findChild<QMenu *>()->actions())
            seen << entry->text();
        const QString name = "Edit \"Untitled Game\" to Add Game or Click Down Arrow to Edit Existing Game",
                      choices = "Number of Choices, Not Including PowerBall", high = "Highest Lottery Number",
                      low = "Lowest Lottery Number (Usually \"1\")", powerHigh = "Highest PowerBall Number",
                      powerLow = "Lowest PowerBall Number (Usually \"1\")";
        QCOMPARE(seen, (QStringList{
            "MyGames Untitled Game by Name of New Game|" + name, "cmdCancel Cancel|Return With No Changes or Additions",
            "LowNum Lowest Number, 1, spin button by Lowest Number|" + low,
            "cmdSave Add and Save New Game |Save New Game and Return",
            "HighNum Highest Number, 50, spin button by Highest Number|" + high,
            "ChoiceNum Numbers to Pick?, 6, spin button by Numbers to Pick?|" + choices,
            "PowerLow Lowest PowerBall, 1, spin button by Lowest PowerBall|" + powerLow,
            "PowerHigh Highest PowerBall, 48, spin button by Highest PowerBall|" + powerHigh,
            "IsPowerBall Is there a PowerBall?|Check This Box if Game has a \"PowerBall\" or Extra Separate Choice",
            "Label1 Name of New Game|" + name, "Label1 Numbers to Pick?|" + choices, "Label1 Lowest Number|" + low,
            "Label1 Highest Number|" + high, "Label1 Highest PowerBall|" + powerHigh,
            "Label1 Lowest PowerBall|" + powerLow,
            "cmdSaveChanges &Save Changes to Game|Save Changes to Game and Return",
            "cmdDelete Delete Game|Delete Lottery Game", "E&xit", "&Help", "&About Drawsmith", "&Drawsmith Help"}));
    }
};

QTEST_MAIN(TestAddGame)
#include "tst_addgame.moc"
