#include "addgame.h"
#include "catalogueloader.h"
#include "frmmain.h"
#include "gamerecord.h"
#include "messageboxes.h"
#include "platform.h"
#include "settingsstore.h"
#include "windowhub.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>

namespace {
const QByteArray kTwoGames = "Seven Up, 7, 100, 106, 0, 0\r\nBig Ball,5,1,49,1,42\r\n";
const QByteArray kOneGame = "Solo Lotto, 6, 1, 40, 0, 0\r\n";
const QString kCreate = QStringLiteral("Data File Not Found!");
const QString kContinue = QStringLiteral("You Must Have a Data File!");

class ScriptedBoxes final : public MessageBoxes
{
public:
    void Inform(QWidget *, const QString &, const QString &title) override { informed << title; }
    bool Ask(QWidget *, const QString &prompt, const QString &title) override
    {
        asked << title;
        prompts << prompt;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    QList<bool> answers;
    QStringList asked, prompts, informed;
};

class MemorySettings final : public SettingsStore
{
public:
    QString Read(const QString &section, const QString &key, const QString &defaultValue) override
    {
        return values.value(section + '/' + key, defaultValue);
    }
    void Write(const QString &section, const QString &key, const QString &value) override
    {
        values[section + '/' + key] = value;
    }
    QMap<QString, QString> values;
};

class ScriptedPump final : public EventPump
{
public:
    void PumpOnce() override
    {
        ++pumps;
        if (auto action = actions.find(pumps); action != actions.end())
            action->second();
        QCoreApplication::processEvents();
    }
    void EndProgram() override { ended = true; }
    int pumps = 0;
    bool ended = false;
    std::map<int, std::function<void()>> actions; // by set number
};

// Draws the set count from `first`, then repeats `cycle`, afresh on every reseed.
class ScriptedRandom final : public RandomSource
{
public:
    void ReseedFromClock() override { m_next = 0; }
    float Next() override
    {
        const std::size_t at = m_next++;
        return at == 0 ? first : cycle[(at - 1) % cycle.size()];
    }
    float first = 0;
    // (j + 0.5) / 7 puts slot j in the middle of the j-th seventh of a range: distinct, easy to predict.
    std::vector<float> cycle{0.5f / 7, 1.5f / 7, 2.5f / 7, 3.5f / 7, 4.5f / 7, 5.5f / 7, 6.5f / 7, 0.5f};

private:
    std::size_t m_next = 0;
};

class CountingHub final : public WindowHub
{
public:
    void ShowBrowser() override { ++browser; }
    void ShowAbout(QWidget *modalOver) override { about += modalOver ? 100 : 1; }
    void ShowHelp(QWidget *modalOver) override { help += modalOver ? 100 : 1; }
    int browser = 0, about = 0, help = 0;
};

QByteArray ReadCatalogue()
{
    QFile file(QStringLiteral("games.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteCatalogue(const QByteArray &text)
{
    QFile file(QStringLiteral("games.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QByteArray DefaultCatalogue()
{
    return QByteArray(kDefaultCatalogue.data(), qsizetype(kDefaultCatalogue.size()));
}
} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void accessibleNames_data();
    void accessibleNames();
    void menuBarOrder();
    void startup_data();
    void startup();
    void chooseGame_data();
    void chooseGame();
    void typingChoosesNothing();
    void changeGameOutOfRange_data();
    void changeGameOutOfRange();
    void runToEnd_data();
    void runToEnd();
    void midRun_data();
    void midRun();
    void editor_data();
    void editor();
    void otherWindows_data();
    void otherWindows();

private:
    FrmMain &Open(bool show = true);
    template <typename T> T *Find(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString Text(const char *name) const;
    bool Shown(const char *name) const { return !Find<QWidget>(name)->isHidden(); }
    void Choose(int row);
    QString Saved() const { return m_settings->values.value(QStringLiteral("GameName/Game")); }
    void CloseEditorSoon(std::function<void(AddGame &)> action);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
    GameCatalogue m_catalogue;
    std::unique_ptr<CountingHub> m_hub;
    std::unique_ptr<ScriptedBoxes> m_boxes;
    std::unique_ptr<MemorySettings> m_settings;
    std::unique_ptr<ScriptedPump> m_pump;
    std::unique_ptr<ScriptedRandom> m_random;
    std::unique_ptr<FrmMain> m_window;
};

void TestFrmMain::init()
{
    m_oldDir = QDir::currentPath();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_catalogue = {};
    m_hub = std::make_unique<CountingHub>();
    m_boxes = std::make_unique<ScriptedBoxes>();
    m_settings = std::make_unique<MemorySettings>();
    m_pump = std::make_unique<ScriptedPump>();
    m_random = std::make_unique<ScriptedRandom>();
}

void TestFrmMain::cleanup()
{
    m_window.reset();
    QDir::setCurrent(m_oldDir);
    m_dir.reset();
}

FrmMain &TestFrmMain::Open(bool show)
{
    m_window = std::make_unique<FrmMain>(m_catalogue, *m_hub, *m_boxes, *m_settings, *m_pump, m_random.get());
    m_window->Load();
    if (show) {
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qWarning("main window not exposed");
    }
    return *m_window;
}

QString TestFrmMain::Text(const char *name) const
{
    if (auto *label = qobject_cast<QLabel *>(Find<QWidget>(name)))
        return label->text();
    if (auto *combo = qobject_cast<QComboBox *>(Find<QWidget>(name)))
        return combo->currentText();
    return Find<QLineEdit>(name)->text();
}

void TestFrmMain::Choose(int row)
{
    auto *list = Find<QComboBox>("LotGame");
    list->setCurrentIndex(row);
    emit list->activated(row);
}

void TestFrmMain::CloseEditorSoon(std::function<void(AddGame &)> action)
{
    auto *timer = new QTimer(m_window.get());
    timer->setInterval(10);
    connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (auto *editor = qobject_cast<AddGame *>(QApplication::activeModalWidget())) {
            QCOMPARE(editor->objectName(), QStringLiteral("AddGame"));
            timer->stop();
            timer->deleteLater();
            action(*editor);
        }
    });
    timer->start();
}

void TestFrmMain::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("button without mnemonic") << "cmdStart"
                                             << "Start"
                                             << "Starts Number Calculations";
    QTest::newRow("mnemonic mid-word") << "cmpStop"
                                       << "Stop"
                                       << "Stops Number Calculations";
    QTest::newRow("button without tool-tip") << "cmdBrowser"
                                             << "Visit The Web Site"
                                             << "";
    QTest::newRow("list by its tool-tip") << "LotGame"
                                          << "Click Down Arrow to Choose, Add, or Edit Game"
                                          << "Click Down Arrow to Choose, Add, or Edit Game";
    QTest::newRow("box by its name") << "Text4"
                                     << "Text4"
                                     << "";
    QTest::newRow("hidden label") << "lblOdds"
                                  << "Odds of Wining Grand Prize"
                                  << "";
}

void TestFrmMain::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QString, toolTip);
    m_window = std::make_unique<FrmMain>(m_catalogue, *m_hub, *m_boxes, *m_settings, *m_pump);
    auto *control = Find<QWidget>(name.toLatin1().constData());
    QCOMPARE(control->accessibleName(), accessibleName);
    QCOMPARE(control->toolTip(), toolTip);
    QCOMPARE(control->accessibleDescription(), toolTip);
}

void TestFrmMain::menuBarOrder()
{
    m_window = std::make_unique<FrmMain>(m_catalogue, *m_hub, *m_boxes, *m_settings, *m_pump);
    QStringList bar;
    for (const QAction *action : m_window->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{"E&xit", "&Help", "&Visit The Web Site"}));
    // Exit and the web site act from the bar: no drop-down under them.
    QVERIFY(!m_window->menuBar()->actions().at(0)->menu());
    QVERIFY(!m_window->menuBar()->actions().at(2)->menu());
}

void TestFrmMain::startup_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no games.dat
    QTest::addColumn<QString>("saved");   // null: no saved selection
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("ended");

    const QByteArray defaults = DefaultCatalogue();
    QTest::newRow("defaults, nothing saved")
        << defaults << QString() << QList<bool>{} << QStringList{} << "California Lotto" << 0 << false;
    QTest::newRow("saved row restored")
        << defaults << "3" << QList<bool>{} << QStringList{} << "Power Ball" << 3 << false;
    // These used to lead to the recovery, whose Yes wrote the default games over the user's file.
    QTest::newRow("saved row beyond a shorter file")
        << kTwoGames << "4" << QList<bool>{} << QStringList{} << "Seven Up" << 0 << false;
    QTest::newRow("saved row negative")
        << kTwoGames << "-1" << QList<bool>{} << QStringList{} << "Seven Up" << 0 << false;
    QTest::newRow("saved text not a number")
        << kTwoGames << "Big Ball" << QList<bool>{} << QStringList{} << "Seven Up" << 0 << false;
    QTest::newRow("saved beyond 16 bits")
        << kTwoGames << "65537" << QList<bool>{} << QStringList{} << "Seven Up" << 0 << false;

    QTest::newRow("no file, Yes") << QByteArray() << "3" << QList<bool>{true} << QStringList{kCreate}
                                  << "Power Ball" << 3 << false;
    QTest::newRow("empty file, Yes") << QByteArray("") << QString() << QList<bool>{true}
                                     << QStringList{kCreate} << "California Lotto" << 0 << false;
    QTest::newRow("no file, No, Continue, Yes")
        << QByteArray() << QString() << QList<bool>{false, true, true}
        << QStringList{kCreate, kContinue, kCreate} << "California Lotto" << 0 << false;
    QTest::newRow("no file, No, No") << QByteArray() << QString() << QList<bool>{false, false}
                                     << QStringList{kCreate, kContinue} << "Select a Game to Start" << 0
                                     << true;
}

void TestFrmMain::startup()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, saved);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, asked);
    QFETCH(QString, heading);
    QFETCH(int, row);
    QFETCH(bool, ended);
    if (!file.isNull())
        WriteCatalogue(file);
    if (!saved.isNull())
        m_settings->values[QStringLiteral("GameName/Game")] = saved;
    m_boxes->answers = answers;

    Open(false);
    QCOMPARE(m_boxes->asked, asked);
    QCOMPARE(m_pump->ended, ended);
    QCOMPARE(Text("Label1"), heading);
    if (ended) {
        QVERIFY2(!QFile::exists(QStringLiteral("games.dat")), "nothing is written when the user ends");
        return;
    }
    QCOMPARE(int(m_catalogue.CurrentGame), row);
    QCOMPARE(Text("LotGame"), heading);
    auto *list = Find<QComboBox>("LotGame");
    QCOMPARE(list->count(), m_catalogue.GameCount + 1);
    QCOMPARE(list->itemText(list->count() - 1), QStringLiteral("Edit or Add Lottery Game"));
    QVERIFY(Shown("cmdStart") && Find<QWidget>("cmdStart")->isEnabled());
    QVERIFY(!Shown("cmpStop") && Find<QWidget>("cmpStop")->isEnabled());
    if (!file.isEmpty())
        QCOMPARE(ReadCatalogue(), file); // the user's file is left as it was
    else
        QCOMPARE(ReadCatalogue(), DefaultCatalogue());
    QCOMPARE(Saved(), saved); // start-up writes nothing
}

void TestFrmMain::chooseGame_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("picks");
    QTest::addColumn<bool>("powerBall");
    QTest::addColumn<QStringList>("ranges"); // low, high, low power, high power
    QTest::addColumn<QString>("odds");

    QTest::newRow("without Power Ball")
        << 4 << "Lotto Texas" << 6 << false << QStringList{"1", "50", "0", "0"} << "15890700 to 1";
    QTest::newRow("with Power Ball") << 3 << "Power Ball" << 5 << true << QStringList{"1", "49", "1", "42"}
                                     << "80089128 to 1";
    QTest::newRow("two choices") << 6 << "Pair" << 2 << false << QStringList{"2", "11", "0", "0"}
                                 << "45 to 1";
    QTest::newRow("nine choices, seven boxes")
        << 7 << "Wide" << 7 << false << QStringList{"-1", "18", "0", "0"} << "167960 to 1";
    QTest::newRow("one choice, still two boxes")
        << 8 << "Single" << 2 << true << QStringList{"1", "9", "-2", "3"} << "54 to 1";
    // Odds that cannot be computed once ended the program; now the game before stays named.
    QTest::newRow("lowest number 0") << 9 << "California Lotto" << 6 << false
                                     << QStringList{"0", "40", "0", "0"} << "18009460 to 1";
}

void TestFrmMain::chooseGame()
{
    QFETCH(int, row);
    QFETCH(QString, heading);
    QFETCH(int, picks);
    QFETCH(bool, powerBall);
    QFETCH(QStringList, ranges);
    QFETCH(QString, odds);
    WriteCatalogue(
        DefaultCatalogue() +
        "Pair, 2, 2, 11, 0, 0\r\nWide,9,-1,18,0,0\r\nSingle,1,1,9,-2,3\r\nZero Low,6,0,40,0,0\r\n");
    Open();
    Choose(row);

    QVERIFY(!m_pump->ended);
    QCOMPARE(Saved(), QString::number(row));
    QCOMPARE(Text("Label1"), heading);
    QCOMPARE(Text("txtOdds"), odds);
    QCOMPARE((QStringList{Text("txtLow"), Text("txtHigh"), Text("txtLowPower"), Text("txtHighPower")}),
             ranges);
    for (int slot = 1; slot <= 7; ++slot)
        QCOMPARE(Shown(QStringLiteral("Text%1").arg(slot).toLatin1()), slot <= picks);
    for (const char *power :
         {"Label2", "txtPowerball", "lblLowPower", "lblHighPower", "txtLowPower", "txtHighPower"})
        QCOMPARE(Shown(power), powerBall);
    for (const char *label : {"lblLow", "lblHigh", "lblOdds"})
        QVERIFY(Shown(label));
    QCOMPARE(Text("Text1"), QStringLiteral("1")); // applying a game never touches the picks

    // The next start restores the choice.
    m_window.reset();
    Open(false);
    QCOMPARE(int(m_catalogue.CurrentGame), row);
}

void TestFrmMain::typingChoosesNothing()
{
    WriteCatalogue(DefaultCatalogue());
    Open();
    QLineEdit *edit = Find<QComboBox>("LotGame")->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Power Ball"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(Text("Label1"), QStringLiteral("California Lotto"));
    QCOMPARE(int(m_catalogue.CurrentGame), 0);
    QVERIFY(Saved().isNull());
}

void TestFrmMain::changeGameOutOfRange_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("row");
    QTest::newRow("the editor's own entry") << 6 << 5;
    QTest::newRow("far beyond") << 300 << 5;
    QTest::newRow("negative") << -3 << 0;
}

void TestFrmMain::changeGameOutOfRange()
{
    QFETCH(int, current);
    QFETCH(int, row);
    WriteCatalogue(DefaultCatalogue());
    Open();
    m_catalogue.CurrentGame = std::int16_t(current);
    m_window->ChangeGame();
    QVERIFY(!m_pump->ended);
    QCOMPARE(int(m_catalogue.CurrentGame), row);
    QCOMPARE(Text("Label1"), Find<QComboBox>("LotGame")->itemText(row));
    QCOMPARE(Text("LotGame"), Text("Label1"));
}

void TestFrmMain::runToEnd_data()
{
    QTest::addColumn<float>("first");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("sets");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("powerBall");
    QTest::newRow("fewest sets") << 0.0f << 1 << 200 << QStringList{"4", "11", "18", "25", "32", "39", "46"}
                                 << "22";
    QTest::newRow("middle, seven-number range")
        << 0.5f << 0 << 1600 << QStringList{"100", "101", "102", "103", "104", "105", "106"} << "0";
}

void TestFrmMain::runToEnd()
{
    QFETCH(float, first);
    QFETCH(int, row);
    QFETCH(int, sets);
    QFETCH(QStringList, picks);
    QFETCH(QString, powerBall);
    WriteCatalogue(kTwoGames);
    m_settings->values[QStringLiteral("GameName/Game")] = QString::number(row);
    m_random->first = first;
    Open();
    bool runningSeen = false;
    m_pump->actions[1] = [&] {
        runningSeen = Shown("lblProgress") && Text("lblProgress") == "Working..." && Shown("BarVal") &&
                      !Shown("cmdStart") && Shown("cmpStop");
    };
    QTest::mouseClick(Find<QPushButton>("cmdStart"), Qt::LeftButton);

    QVERIFY(runningSeen);
    QCOMPARE(m_pump->pumps, sets);
    QCOMPARE(m_window->ProgressValue(), 1.0f);
    QStringList shown;
    for (int slot = 1; slot <= 7; ++slot)
        shown << Text(QStringLiteral("Text%1").arg(slot).toLatin1());
    QCOMPARE(shown, picks);
    QCOMPARE(Text("txtPowerball"), powerBall);
    QCOMPARE(Text("lblProgress"), QStringLiteral("Good Luck With Your Picks!"));
    QVERIFY(Shown("lblProgress") && !Shown("BarVal") && Shown("cmdStart") && !Shown("cmpStop"));
}

void TestFrmMain::midRun_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("pumps");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("powerBall");
    QTest::newRow("Stop at the first yield") << "cmpStop" << 1 << false << "4"
                                             << "22";
    QTest::newRow("Exit button") << "cmdExit" << 1 << true << "4"
                                 << "22";
    QTest::newRow("Exit menu") << "mnuExit" << 1 << true << "4"
                               << "22";
    QTest::newRow("another game") << "choose" << 200 << false << "100"
                                  << "0";
    // The inner run shifts the scripted values under the outer one: its last set is not checked.
    QTest::newRow("Start again nests a run") << "cmdStart" << 400 << false << ""
                                             << "";
    QTest::newRow("editor holds the run") << "edit" << 200 << false << "4"
                                          << "22";
}

void TestFrmMain::midRun()
{
    QFETCH(QString, action);
    QFETCH(int, pumps);
    QFETCH(bool, ended);
    QFETCH(QString, text1);
    QFETCH(QString, powerBall);
    WriteCatalogue(kTwoGames);
    m_settings->values[QStringLiteral("GameName/Game")] = QStringLiteral("1");
    Open();
    bool editorClosed = false;
    m_pump->actions[1] = [&] {
        if (action == "choose") {
            Choose(0);
            QVERIFY(Shown("cmdStart") && !Shown("cmpStop"));
        } else if (action == "edit") {
            CloseEditorSoon([&](AddGame &editor) {
                editorClosed = true;
                editor.reject();
            });
            Choose(2);
            QVERIFY(editorClosed);
        } else if (action == "mnuExit") {
            Find<QAction>("mnuExit")->trigger();
        } else {
            auto *button = Find<QPushButton>(action.toLatin1());
            button->click(); // Start is hidden here, as after a game was applied mid-run
        }
    };
    QTest::mouseClick(Find<QPushButton>("cmdStart"), Qt::LeftButton);

    QCOMPARE(m_pump->pumps, pumps);
    QCOMPARE(m_pump->ended, ended);
    if (!text1.isEmpty()) {
        QCOMPARE(Text("Text1"), text1);
        QCOMPARE(Text("txtPowerball"), powerBall);
    }
    QCOMPARE(Text("lblProgress"), QStringLiteral("Good Luck With Your Picks!"));
    QVERIFY(!Shown("BarVal") && Shown("cmdStart") && !Shown("cmpStop"));
}

void TestFrmMain::editor_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("written"); // what the editor leaves in games.dat; null: unchanged
    QTest::addColumn<int>("leftRow");        // -1: the editor is cancelled
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("asked");

    QTest::newRow("game added") << kTwoGames << kTwoGames + "Mini Lotto,5,1,39,0,0\r\n"
                                << 2 << "Mini Lotto" << 2 << QStringList{};
    // Cancel leaves row 1, which a one-game catalogue lacks; that once ended the program.
    QTest::newRow("cancelled, only one game")
        << kOneGame << QByteArray() << -1 << "Solo Lotto" << 0 << QStringList{};
    QTest::newRow("only game deleted")
        << kOneGame << QByteArray("") << 0 << "California Lotto" << 0 << QStringList{kCreate};
}

void TestFrmMain::editor()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, written);
    QFETCH(int, leftRow);
    QFETCH(QString, heading);
    QFETCH(int, row);
    QFETCH(QStringList, asked);
    WriteCatalogue(file);
    Open();
    m_boxes->answers = {true};
    const int editEntry = m_catalogue.GameCount;
    int currentInEditor = -1;
    CloseEditorSoon([&](AddGame &editor) {
        currentInEditor = m_catalogue.CurrentGame;
        if (leftRow < 0) {
            editor.reject();
            return;
        }
        if (!written.isNull())
            WriteCatalogue(written);
        m_catalogue.CurrentGame = std::int16_t(leftRow);
        editor.accept();
    });
    Choose(editEntry);

    QCOMPARE(currentInEditor, editEntry);
    QCOMPARE(m_boxes->asked, asked);
    QCOMPARE(int(m_catalogue.CurrentGame), row);
    QCOMPARE(Text("Label1"), heading);
    QCOMPARE(Text("LotGame"), heading);
    auto *list = Find<QComboBox>("LotGame");
    QCOMPARE(list->count(), m_catalogue.GameCount + 1);
    QCOMPARE(list->itemText(row), heading);
    QCOMPARE(list->itemText(m_catalogue.GameCount), QStringLiteral("Edit or Add Lottery Game"));
    QCOMPARE(Saved(), QString::number(row));
}

void TestFrmMain::otherWindows_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("online");
    QTest::addColumn<QList<int>>("opened"); // browser, about, help
    QTest::newRow("button, on-line") << "cmdBrowser" << true << QList<int>{1, 0, 0};
    QTest::newRow("button, not on-line") << "cmdBrowser" << false << QList<int>{0, 0, 0};
    QTest::newRow("menu, on-line") << "mnuBrowser" << true << QList<int>{1, 0, 0};
    QTest::newRow("menu, not on-line") << "mnuBrowser" << false << QList<int>{0, 0, 0};
    QTest::newRow("about, beside") << "mnuAbout" << false << QList<int>{0, 1, 0};
    QTest::newRow("help, beside") << "mnuHelp" << false << QList<int>{0, 0, 1};
}

void TestFrmMain::otherWindows()
{
    QFETCH(QString, control);
    QFETCH(bool, online);
    QFETCH(QList<int>, opened);
    WriteCatalogue(DefaultCatalogue());
    Open();
    m_boxes->answers = {online};
    if (auto *button = m_window->findChild<QPushButton *>(control))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        Find<QAction>(control.toLatin1())->trigger();

    QCOMPARE((QList<int>{m_hub->browser, m_hub->about, m_hub->help}), opened);
    if (control.endsWith("Browser")) {
        QCOMPARE(m_boxes->asked, QStringList{"Are You On-line?"});
        QCOMPARE(m_boxes->prompts.first(),
                 QStringLiteral("You Must Already be on-line.\r\nIf Not, Click \"No\", "
                                "Connect to the Internet\r\nThen Select This Feature!"));
    } else {
        QVERIFY(m_boxes->asked.isEmpty());
    }
    QCOMPARE(Text("Label1"), QStringLiteral("California Lotto"));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
