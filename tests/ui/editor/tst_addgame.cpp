#include "addgame.h"
#include "catalogueloader.h"
#include "messageboxes.h"
#include "updown.h"
#include "windowhub.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QByteArray kGames = "California Lotto, 6, 1, 51, 0, 0\r\nFloriday Lotto, 6, 1, 53, 0, 0\r\n"
                          "Louisiana Lotto, 6, 1, 49, 0, 0\r\nPower Ball, 5, 1, 49, 1, 42\r\n"
                          "Lotto Texas, 6, 1, 50, 0, 0\r\nNew York Lotto,6,1,51,0,0\r\n";
const char *const kNumberBoxes[] = {"ChoiceNum", "LowNum", "HighNum", "PowerLow", "PowerHigh"};

// Records every box as "Title|Prompt"; answers questions from a script of 'y' and 'n'.
class ScriptedBoxes final : public MessageBoxes
{
public:
    void Inform(QWidget *, const QString &prompt, const QString &title) override
    {
        m_shown << title + '|' + prompt;
    }
    bool Ask(QWidget *, const QString &prompt, const QString &title) override
    {
        m_shown << title + '|' + prompt;
        return m_shown.size() <= m_answers.size() && m_answers[m_shown.size() - 1] == 'y';
    }
    QStringList m_shown;
    QString m_answers;
};

class FakeHub final : public WindowHub
{
public:
    void ShowBrowser() override {}
    void ShowAbout(QWidget *over) override { m_calls << "about", m_over = over; }
    void ShowHelp(QWidget *over) override { m_calls << "help", m_over = over; }
    QStringList m_calls;
    QWidget *m_over = nullptr;
};
} // namespace

class TestAddGame final : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    GameCatalogue m_catalogue;
    ScriptedBoxes m_boxes;
    FakeHub m_hub;
    std::unique_ptr<AddGame> m_dlg;

    // As the main window does: games.dat loaded, the editor's entry current.
    void Open(const QByteArray &games = kGames)
    {
        QFile file("games.dat");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(games) == games.size());
        file.close();
        QVERIFY(LoadCatalogue(m_catalogue).Ok());
        m_catalogue.CurrentGame = static_cast<std::int16_t>(m_catalogue.GameCount);
        m_dlg = std::make_unique<AddGame>(m_catalogue, m_hub, m_boxes);
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    }
    template <typename T = QWidget> T *Find(const char *name) const
    {
        return m_dlg->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *NameBox() const { return Find<QComboBox>("MyGames")->lineEdit(); }
    QString Text(const char *box) const { return Find<QLineEdit>(box)->text(); }
    QString Numbers() const
    {
        QStringList texts;
        for (const char *box : kNumberBoxes)
            texts << Text(box);
        return texts.join(' ');
    }
    QString Focused() const { return QApplication::focusWidget()->objectName(); }
    void Click(const char *button) const { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    void Pick(int row) const
    {
        auto *games = Find<QComboBox>("MyGames");
        games->showPopup();
        QAbstractItemView *list = games->view();
        QTRY_VERIFY(list->isVisible());
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(!list->isVisible());
    }
    // Clicks the arrow drawn in the upper (up) or lower (down) half of a spin button.
    void Spin(const char *name, int clicks) const
    {
        auto *spin = Find<UpDown>(name);
        QWidget *arrow = spin->childAt(spin->width() / 2, clicks > 0 ? 1 : spin->height() - 2);
        QVERIFY(arrow);
        for (int i = 0; i < std::abs(clicks); ++i)
            QTest::mouseClick(arrow, Qt::LeftButton);
    }
    static QByteArray FileText()
    {
        QFile file("games.dat");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

private slots:
    void init()
    {
        m_dlg.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_boxes = {};
        m_hub = {};
    }

    void opensInAddMode()
    {
        Open();
        QCOMPARE(NameBox()->text(), "Untitled Game");
        QStringList names;
        for (int i = 0; i < Find<QComboBox>("MyGames")->count(); ++i)
            names << Find<QComboBox>("MyGames")->itemText(i);
        QCOMPARE(names.join(','), "California Lotto,Floriday Lotto,Louisiana Lotto,Power Ball,Lotto Texas,"
                                  "New York Lotto");
        QCOMPARE(Numbers(), "6 1 50 1 48");
        QVERIFY(!Find<QCheckBox>("IsPowerBall")->isChecked());
        for (const char *name : {"PowerLow", "PowerHigh", "UpDown3", "UpDown4"})
            QVERIFY2(!Find(name)->isEnabled(), name);
        QVERIFY(Find("cmdSave")->isVisible() && Find("cmdCancel")->isVisible());
        QVERIFY(!Find("cmdSaveChanges")->isVisible() && !Find("cmdDelete")->isVisible());
        QCOMPARE(Focused(), "cmdCancel");

        const QStringList tabOrder =
            QString("cmdCancel LowNum UpDownLow cmdSave HighNum UpDown1 ChoiceNum UpDown2 "
                    "PowerLow UpDown3 PowerHigh UpDown4 IsPowerBall MyGames "
                    "cmdSaveChanges cmdDelete")
                .split(' ');
        QStringList chain;
        QWidget *w = Find("cmdCancel");
        for (int step = 0; step < 100 && chain.size() < tabOrder.size(); ++step, w = w->nextInFocusChain())
            if (tabOrder.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
        QCOMPARE(chain, tabOrder);
    }

    void pickingGamesFillsBoxes()
    {
        Open();
        Pick(3);
        QCOMPARE(m_catalogue.CurrentGame, 3);
        QCOMPARE(NameBox()->text(), "Power Ball");
        QCOMPARE(Numbers(), "5 1 49 1 42");
        QVERIFY(Find<QCheckBox>("IsPowerBall")->isChecked());
        QVERIFY(Find("PowerLow")->isEnabled() && Find("UpDown4")->isEnabled());
        QVERIFY(!Find("cmdSave")->isVisible() && Find("cmdSaveChanges")->isVisible() &&
                Find("cmdDelete")->isVisible());

        Pick(4);
        QCOMPARE(m_catalogue.CurrentGame, 4);
        QCOMPARE(Numbers(), "6 1 50 0 0");
        QVERIFY(!Find<QCheckBox>("IsPowerBall")->isChecked());
        QVERIFY(!Find("PowerHigh")->isEnabled() && !Find("UpDown3")->isEnabled());

        // Unchecking by hand only greys the numbers.
        Pick(3);
        QTest::mouseClick(Find<QCheckBox>("IsPowerBall"), Qt::LeftButton);
        QVERIFY(!Find("PowerLow")->isEnabled());
        QCOMPARE(Numbers(), "5 1 49 1 42");
    }

    void spinButtons_data()
    {
        QTest::addColumn<QByteArray>("spin");
        QTest::addColumn<QString>("typed"); // into the box first, by keyboard
        QTest::addColumn<int>("clicks");    // up when positive
        QTest::addColumn<QString>("numbers");
        QTest::newRow("choices stop at 7") << QByteArray("UpDown2") << "" << 5 << "7 1 50 1 48";
        QTest::newRow("lowest stops at 100") << QByteArray("UpDownLow") << "" << 120 << "6 100 50 1 48";
        QTest::newRow("highest stops at 100") << QByteArray("UpDown1") << "" << 60 << "6 1 100 1 48";
        QTest::newRow("steps from typed choices") << QByteArray("UpDown2") << "3" << 1 << "4 1 50 1 48";
        QTest::newRow("typing into the lowest") << QByteArray("UpDownLow") << "9" << 0 << "6 1 50 1 48";
        QTest::newRow("disabled power ball spin") << QByteArray("UpDown3") << "" << 3 << "6 1 50 1 48";
    }
    void spinButtons()
    {
        QFETCH(QByteArray, spin);
        QFETCH(QString, typed);
        QFETCH(int, clicks);
        Open();
        if (!typed.isEmpty()) {
            QLineEdit *box = Find<UpDown>(spin)->Buddy();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, typed);
        }
        Spin(spin, clicks);
        QTEST(Numbers(), "numbers");
    }

    void savesAndCloses_data()
    {
        QTest::addColumn<int>("row"); // -1: add mode
        QTest::addColumn<QByteArray>("fileAfter");
        QTest::addColumn<int>("currentGame");
        QTest::newRow("add Mini Lotto") << -1 << kGames + "Mini Lotto,5,1,39,0,0\r\n" << 6;
        QTest::newRow("Power Ball to 50")
            << 3
            << QByteArray("California Lotto, 6, 1, 51, 0, 0\r\nFloriday Lotto, 6, 1, 53, 0, 0\r\n"
                          "Louisiana Lotto, 6, 1, 49, 0, 0\r\nPower Ball, 5, 1, 50, 1, 42\r\n"
                          "Lotto Texas, 6, 1, 50, 0, 0\r\nNew York Lotto, 6, 1, 51, 0, 0\r\n")
            << 3;
    }
    void savesAndCloses()
    {
        QFETCH(int, row);
        Open();
        if (row < 0) {
            NameBox()->setFocus();
            NameBox()->selectAll();
            QTest::keyClicks(NameBox(), "Mini Lotto");
            Spin("UpDown2", -1);
            Spin("UpDown1", -11);
            Click("cmdSave");
        } else {
            Pick(row);
            Spin("UpDown1", 1);
            Click("cmdSaveChanges");
        }
        QCOMPARE(m_boxes.m_shown, QStringList());
        QTEST(FileText(), "fileAfter");
        QTEST(int(m_catalogue.CurrentGame), "currentGame");
        QVERIFY(!m_dlg->isVisible());
    }

    void deletes_data()
    {
        QTest::addColumn<QByteArray>("games");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QByteArray>("fileAfter");
        const QByteArray solo = "Solo Lotto, 6, 1, 40, 0, 0\r\n";
        const QString first = "Are You Sure?|Delete - Solo Lotto?";
        const QString last =
            "Are You Sure?|Solo Lotto is the last game!\r\nDeletion of Solo Lotto will re-create "
            "data file.";
        QTest::newRow("third of six")
            << kGames << 2 << "y" << QStringList{"Are You Sure?|Delete - Louisiana Lotto?"}
            << QByteArray(
                   "California Lotto, 6, 1, 51, 0, 0\r\nFloriday Lotto, 6, 1, 53, 0, 0\r\nPower Ball, 5, 1, "
                   "49, 1, 42\r\nLotto Texas, 6, 1, 50, 0, 0\r\nNew York Lotto, 6, 1, 51, 0, 0\r\n");
        QTest::newRow("No keeps it") << kGames << 2 << "n"
                                     << QStringList{"Are You Sure?|Delete - Louisiana Lotto?"} << kGames;
        QTest::newRow("only game") << solo << 0 << "yy" << QStringList{first, last} << QByteArray();
        QTest::newRow("only game, No to the second") << solo << 0 << "yn" << QStringList{first, last} << solo;
    }
    void deletes()
    {
        QFETCH(QByteArray, games);
        QFETCH(int, row);
        QFETCH(QByteArray, fileAfter);
        Open(games);
        Pick(row);
        QFETCH(QString, answers);
        m_boxes.m_answers = answers;
        Click("cmdDelete");
        QTEST(m_boxes.m_shown, "questions");
        QCOMPARE(FileText(), fileAfter);
        const bool deleted = fileAfter != games;
        QCOMPARE(m_dlg->isVisible(), !deleted);
        QCOMPARE(int(m_catalogue.CurrentGame), deleted ? 0 : row);
        if (!deleted)
            QCOMPARE(Focused(), "MyGames");
    }

    void entryRules_data()
    {
        QTest::addColumn<int>("row"); // -1: add mode
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<bool>("powerBall");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("focus"); // empty: saved and closed
        const QString name = "Game Name Error|Give Your New Game a New Name!";
        const QString choices = "Warning|Are You Sure About the Number of Choices";
        const QString range =
            "Number Range Error|(Lowest Number + Number of Choices + 1) Must be Less Than Highest "
            "Number!";
        const QString power =
            "Power Ball Number Range Error|(Lowest Power Ball Number + 1) Must be Less Than "
            "Highest Power Ball Number!";
        const auto row = [](const char *tag, int picked, const QString &gameName, const char *numbers,
                            bool powerBall, const char *answers, const QStringList &shown,
                            const char *focus) {
            QTest::newRow(tag) << picked << gameName << numbers << powerBall << answers << shown << focus;
        };
        row("name left untitled", -1, "Untitled Game", "6 1 50 1 48", false, "", {name}, "MyGames");
        row("choices 2, No", -1, "Pick Two", "2 1 50 1 48", false, "n", {choices}, "ChoiceNum");
        row("choices 2, Yes", -1, "Pick Two", "2 1 50 1 48", false, "y", {choices}, "");
        row("choices 2, Yes, then range", -1, "Pick Two", "2 1 4 1 48", false, "y", {choices, range},
            "LowNum");
        row("power ball 1 and 2", -1, "Extra", "6 1 50 1 2", true, "", {power}, "PowerLow");
        row("greyed power ball 1 and 2", -1, "Extra", "6 1 50 1 2", false, "", {}, "");
        row("change keeps the range rule", 0, "California Lotto", "6 1 8 0 0", false, "", {range}, "LowNum");
        row("change skips the name rule", 0, "Untitled Game", "6 1 50 0 0", false, "", {}, "");
        // The file cannot carry a comma in a name; the words are the core's.
        const auto comma = CheckGameEntry({"Big, Lotto", "6", "1", "50", false, "1", "48"}, true);
        QVERIFY(comma);
        row("comma in the name", -1, "Big, Lotto", "6 1 50 1 48", false, "",
            {QString::fromStdString(comma->Title + '|' + comma->Prompt)}, "MyGames");
    }
    void entryRules()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QString, numbers);
        QFETCH(QString, focus);
        Open();
        if (row >= 0)
            Pick(row);
        const int currentBefore = m_catalogue.CurrentGame;
        NameBox()->setText(name);
        for (int i = 0; i < 5; ++i)
            Find<QLineEdit>(kNumberBoxes[i])->setText(numbers.section(' ', i, i));
        QFETCH(bool, powerBall);
        Find<QCheckBox>("IsPowerBall")->setChecked(powerBall);
        QFETCH(QString, answers);
        m_boxes.m_answers = answers;
        Click(row >= 0 ? "cmdSaveChanges" : "cmdSave");
        QTEST(m_boxes.m_shown, "shown");
        QCOMPARE(m_dlg->isVisible(), !focus.isEmpty());
        QCOMPARE(FileText() == kGames, !focus.isEmpty());
        if (focus.isEmpty())
            return;
        QCOMPARE(Focused(), focus);
        QCOMPARE(int(m_catalogue.CurrentGame), currentBefore);
        QCOMPARE(NameBox()->text() + ' ' + Numbers(), name + ' ' + numbers);
    }

    void failedWriteKeepsEverything_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("add") << -1 << QByteArray("cmdSave");
        QTest::newRow("change") << 3 << QByteArray("cmdSaveChanges");
        QTest::newRow("delete") << 3 << QByteArray("cmdDelete");
    }
    void failedWriteKeepsEverything()
    {
        QFETCH(int, row);
        QFETCH(QByteArray, button);
        Open();
        if (row >= 0)
            Pick(row);
        else
            NameBox()->setText("Mini Lotto");
        const QString entries = NameBox()->text() + ' ' + Numbers();
        const int currentBefore = m_catalogue.CurrentGame;
        m_boxes.m_answers = "y";
        // A directory in the file's place makes every write fail, root or not.
        QVERIFY(QFile::remove("games.dat") && QDir().mkdir("games.dat"));
        Click(button);
        QVERIFY(!m_boxes.m_shown.isEmpty());
        QVERIFY2(m_boxes.m_shown.last().startsWith("Data File Error|") && m_boxes.m_shown.last().size() > 16,
                 qPrintable(m_boxes.m_shown.join('\n')));
        QVERIFY(m_dlg->isVisible());
        QCOMPARE(int(m_catalogue.CurrentGame), currentBefore);
        QCOMPARE(NameBox()->text() + ' ' + Numbers(), entries);
        QVERIFY(QFileInfo("games.dat").isDir());
    }

    void waysOut_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("closes");
        QTest::newRow("cmdCancel") << "cmdCancel" << true;
        QTest::newRow("mnuExit") << "mnuExit" << true;
        QTest::newRow("close box") << "close" << true;
        // Esc is bound to nothing; leaving by it would skip setting the row.
        QTest::newRow("Esc") << "Esc" << false;
        QTest::newRow("mnuAbout") << "mnuAbout" << false;
        QTest::newRow("mnuHelpDetails") << "mnuHelpDetails" << false;
    }
    void waysOut()
    {
        QFETCH(QString, way);
        QFETCH(bool, closes);
        Open();
        Pick(3);
        if (way == "cmdCancel")
            Click("cmdCancel");
        else if (way.startsWith("mnu"))
            Find<QAction>(qPrintable(way))->trigger();
        else if (way == "close")
            m_dlg->close();
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(m_dlg->isVisible(), !closes);
        QCOMPARE(int(m_catalogue.CurrentGame), closes ? 1 : 3);
        QCOMPARE(FileText(), kGames);
        // About and help open modally over the editor.
        QCOMPARE(m_hub.m_calls.join(' '), way == "mnuAbout"         ? "about"
                                          : way == "mnuHelpDetails" ? "help"
                                                                    : "");
        QCOMPARE(m_hub.m_over, m_hub.m_calls.isEmpty() ? nullptr : m_dlg.get());
    }

    // The name box completed what was typed, and took Enter as picking the game of that name.
    void nameBoxTakesTextAsTyped()
    {
        Open();
        NameBox()->setFocus();
        NameBox()->selectAll();
        QTest::keyClicks(NameBox(), "Lotto");
        QCOMPARE(NameBox()->text(), "Lotto");
        NameBox()->selectAll();
        QTest::keyClicks(NameBox(), "power ball");
        QTest::keyClick(NameBox(), Qt::Key_Return);
        QCOMPARE(NameBox()->text(), "power ball");
        QCOMPARE(Find<QComboBox>("MyGames")->count(), 6);
        QVERIFY(Find("cmdSave")->isVisible());
    }
};

QTEST_MAIN(TestAddGame)
#include "tst_addgame.moc"
