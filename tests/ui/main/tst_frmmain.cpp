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
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>

using Answers = QList<bool>;

namespace {
const QByteArray kDefaults(kDefaultCatalogue.data(), qsizetype(kDefaultCatalogue.size()));
const QByteArray kTwoGames = "Seven Up, 7, 100, 106, 0, 0\r\nBig Ball,5,1,49,1,42\r\n";
const QString kCreate = QStringLiteral("Data File Not Found!");
const QString kContinue = QStringLiteral("You Must Have a Data File!");
const QString kGoodLuck = QStringLiteral("Good Luck With Your Picks!");

struct Boxes final : MessageBoxes
{
    void Inform(QWidget *, const QString &, const QString &) override {}
    bool Ask(QWidget *, const QString &, const QString &title) override
    {
        asked << title;
        return !answers.isEmpty() && answers.takeFirst();
    }
    Answers answers;
    QStringList asked;
};

struct Settings final : SettingsStore
{
    QString Read(const QString &, const QString &, const QString &fallback) override
    {
        return saved.value_or(fallback);
    }
    void Write(const QString &section, const QString &key, const QString &value) override
    {
        QCOMPARE(section + '/' + key, QStringLiteral("GameName/Game"));
        saved = value;
    }
    std::optional<QString> saved;
};

struct Pump final : EventPump
{
    void PumpOnce() override
    {
        if (auto action = actions.find(++pumps); action != actions.end())
            action->second();
        QCoreApplication::processEvents();
    }
    void EndProgram() override { ended = true; }
    int pumps = 0;
    bool ended = false;
    std::map<int, std::function<void()>> actions; // by set number
};

// The set count from `first`, then slot j at (j + 0.5) / 7 of the range and the Power Ball at its middle.
struct Random final : RandomSource
{
    void ReseedFromClock() override { next = 0; }
    float Next() override
    {
        return next++ == 0 ? first : ((next - 2) % 8 == 7 ? 0.5f : ((next - 2) % 8 + 0.5f) / 7);
    }
    float first = 0;
    int next = 0;
};

struct Hub final : WindowHub
{
    void ShowBrowser() override { ++opened[0]; }
    void ShowAbout(QWidget *over) override { opened[1] += over ? 100 : 1; }
    void ShowHelp(QWidget *over) override { opened[2] += over ? 100 : 1; }
    QList<int> opened{0, 0, 0};
};

void WriteCatalogue(const QByteArray &text)
{
    QFile file(QStringLiteral("games.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}
} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    GameCatalogue m_catalogue;
    Hub m_hub;
    Boxes m_boxes;
    Settings m_settings;
    Pump m_pump;
    Random m_random;
    std::unique_ptr<FrmMain> m_window;

    void Open(bool show = true)
    {
        m_window = std::make_unique<FrmMain>(m_catalogue, m_hub, m_boxes, m_settings, m_pump, &m_random);
        m_window->Load();
        if (show) {
            m_window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        }
    }
    template <typename T = QWidget> T *Find(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString Text(const QString &name) const
    {
        if (auto *label = qobject_cast<QLabel *>(Find(name)))
            return label->text();
        if (auto *list = qobject_cast<QComboBox *>(Find(name)))
            return list->currentText();
        return Find<QLineEdit>(name)->text();
    }
    bool Shown(const QString &name) const { return !Find(name)->isHidden(); }
    QStringList Picks() const
    {
        QStringList picks;
        for (int slot = 1; slot <= 7; ++slot)
            picks << Text(QStringLiteral("Text%1").arg(slot));
        return picks << Text("txtPowerball");
    }
    void Choose(int row)
    {
        auto *list = Find<QComboBox>("LotGame");
        list->setCurrentIndex(row);
        emit list->activated(row);
    }
    // Runs `action` on the game editor once it is open and modal.
    void OnEditor(std::function<void(AddGame &)> action)
    {
        auto *timer = new QTimer(m_window.get());
        connect(timer, &QTimer::timeout, timer, [timer, action] {
            if (auto *editor = qobject_cast<AddGame *>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                QCOMPARE(editor->objectName(), QStringLiteral("AddGame"));
                action(*editor);
            }
        });
        timer->start(10);
    }

private slots:
    void init()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QFile::remove(QStringLiteral("games.dat"));
        m_catalogue = {};
        m_hub = {};
        m_boxes = {};
        m_settings = {};
        m_pump = {};
        m_random = {};
    }
    void cleanup() { m_window.reset(); }

    void startup_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no games.dat
        QTest::addColumn<QString>("saved");   // null: nothing saved
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("row");
        // clang-format off
        const QString none, ca = "California Lotto";
        const QByteArray missing;
        const QStringList no;
        QTest::newRow("nothing saved") << kDefaults << none << Answers{} << no << ca << 0;
        QTest::newRow("saved row") << kDefaults << "3" << Answers{} << no << "Power Ball" << 3;
        // These once led to the recovery, whose Yes wrote the default games over the user's file.
        QTest::newRow("saved row beyond the file") << kTwoGames << "4" << Answers{} << no << "Seven Up" << 0;
        QTest::newRow("saved row negative") << kTwoGames << "-1" << Answers{} << no << "Seven Up" << 0;
        QTest::newRow("saved text") << kTwoGames << "Big Ball" << Answers{} << no << "Seven Up" << 0;
        QTest::newRow("saved beyond 16 bits") << kTwoGames << "65537" << Answers{} << no << "Seven Up" << 0;
        QTest::newRow("no file, Yes") << missing << "3" << Answers{true} << QStringList{kCreate} << "Power Ball" << 3;
        QTest::newRow("empty file, Yes") << QByteArray("") << none << Answers{true} << QStringList{kCreate} << ca << 0;
        QTest::newRow("No, Continue, Yes") << missing << none << Answers{false, true, true}
                                           << QStringList{kCreate, kContinue, kCreate} << ca << 0;
        QTest::newRow("No, No ends") << missing << none << Answers{false, false} << QStringList{kCreate, kContinue}
                                     << "Select a Game to Start" << -1;
        // clang-format on
    }
    void startup()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, saved);
        QFETCH(Answers, answers);
        QFETCH(int, row);
        if (!file.isNull())
            WriteCatalogue(file);
        if (!saved.isNull())
            m_settings.saved = saved;
        m_boxes.answers = answers;
        Open(false);

        QTEST(m_boxes.asked, "asked");
        QTEST(Text("Label1"), "heading");
        QCOMPARE(m_pump.ended, row < 0);
        QFile written(QStringLiteral("games.dat"));
        if (row < 0) {
            QVERIFY2(!written.exists(), "nothing is written when the user ends");
            return;
        }
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), file.isEmpty() ? kDefaults : file);
        QCOMPARE(int(m_catalogue.CurrentGame), row);
        QCOMPARE(Text("LotGame"), Text("Label1"));
        QCOMPARE(Find<QComboBox>("LotGame")->count(), m_catalogue.GameCount + 1);
        QVERIFY(Shown("cmdStart") && Find("cmdStart")->isEnabled() && !Shown("cmpStop"));
        QCOMPARE(m_settings.saved,
                 saved.isNull() ? std::nullopt : std::optional(saved)); // start-up writes nothing
    }

    void chooseGame_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("picks");
        QTest::addColumn<bool>("powerBall");
        QTest::addColumn<QStringList>("ranges"); // low, high, low power, high power
        QTest::addColumn<QString>("odds");
        // clang-format off
        QTest::newRow("no Power Ball") << 4 << "Lotto Texas" << 6 << false << QStringList{"1", "50", "0", "0"}
                                       << "15890700 to 1";
        QTest::newRow("Power Ball") << 3 << "Power Ball" << 5 << true << QStringList{"1", "49", "1", "42"}
                                    << "80089128 to 1";
        QTest::newRow("nine choices") << 6 << "Wide" << 7 << false << QStringList{"-1", "18", "0", "0"} << "167960 to 1";
        QTest::newRow("one choice") << 7 << "Single" << 2 << true << QStringList{"1", "9", "-2", "3"} << "54 to 1";
        // Odds that cannot be computed once ended the program; now the game before stays named.
        QTest::newRow("lowest number 0") << 8 << "California Lotto" << 6 << false << QStringList{"0", "40", "0", "0"}
                                         << "18009460 to 1";
        // clang-format on
    }
    void chooseGame()
    {
        QFETCH(int, row);
        QFETCH(int, picks);
        QFETCH(bool, powerBall);
        WriteCatalogue(kDefaults + "Wide,9,-1,18,0,0\r\nSingle,1,1,9,-2,3\r\nZero Low,6,0,40,0,0\r\n");
        Open();
        Choose(row);

        QVERIFY(!m_pump.ended);
        QCOMPARE(m_settings.saved, QString::number(row));
        QTEST(Text("Label1"), "heading");
        QTEST(Text("txtOdds"), "odds");
        QTEST((QStringList{Text("txtLow"), Text("txtHigh"), Text("txtLowPower"), Text("txtHighPower")}),
              "ranges");
        for (int slot = 1; slot <= 7; ++slot)
            QCOMPARE(Shown(QStringLiteral("Text%1").arg(slot)), slot <= picks);
        for (const char *power : {"Label2", "txtPowerball", "lblLowPower", "lblHighPower", "txtHighPower"})
            QCOMPARE(Shown(power), powerBall);
        QCOMPARE(Picks(), (QStringList{"1", "2", "3", "4", "5", "6", "7", "48"})); // picks untouched

        Open(false); // the next start restores the choice
        QCOMPARE(int(m_catalogue.CurrentGame), row);
    }

    void typingChoosesNothing()
    {
        WriteCatalogue(kDefaults);
        Open();
        QLineEdit *edit = Find<QComboBox>("LotGame")->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("Power Ball"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(Text("Label1"), QStringLiteral("California Lotto"));
        QVERIFY(!m_settings.saved);
    }

    void changeGameOutOfRange_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("row");
        // clang-format off
        QTest::newRow("the editor's entry") << 6 << 5;
        QTest::newRow("far beyond") << 300 << 5;
        QTest::newRow("negative") << -3 << 0;
        // clang-format on
    }
    void changeGameOutOfRange()
    {
        QFETCH(int, current);
        WriteCatalogue(kDefaults);
        Open();
        m_catalogue.CurrentGame = std::int16_t(current);
        m_window->ChangeGame();
        QVERIFY(!m_pump.ended);
        QTEST(int(m_catalogue.CurrentGame), "row");
        QCOMPARE(Text("Label1"), Find<QComboBox>("LotGame")->itemText(m_catalogue.CurrentGame));
    }

    void run_data()
    {
        QTest::addColumn<float>("first");
        QTest::addColumn<QString>("action"); // what happens at the first yield
        QTest::addColumn<int>("sets");
        QTest::addColumn<QStringList>("picks"); // empty: not checked
        // clang-format off
        const QStringList bigBall{"4", "11", "18", "25", "32", "39", "46", "22"};
        const QStringList sevenUp{"100", "101", "102", "103", "104", "105", "106", "0"};
        QTest::newRow("fewest sets") << 0.0f << "" << 200 << bigBall;
        QTest::newRow("middle count") << 0.5f << "" << 1600 << bigBall;
        QTest::newRow("Stop") << 0.0f << "cmpStop" << 1 << bigBall;
        QTest::newRow("Exit button") << 0.0f << "cmdExit" << 1 << bigBall;
        QTest::newRow("Exit menu") << 0.0f << "mnuExit" << 1 << bigBall;
        QTest::newRow("another game") << 0.0f << "choose" << 200 << sevenUp;
        QTest::newRow("Start again nests a run") << 0.0f << "cmdStart" << 400 << QStringList{};
        QTest::newRow("editor holds the run") << 0.0f << "edit" << 200 << bigBall;
        // clang-format on
    }
    void run()
    {
        QFETCH(float, first);
        QFETCH(QString, action);
        QFETCH(QStringList, picks);
        WriteCatalogue(kTwoGames);
        m_settings.saved = QStringLiteral("1");
        m_random.first = first;
        Open();
        bool running = false;
        m_pump.actions[1] = [&] {
            running = Text("lblProgress") == "Working..." && Shown("lblProgress") && Shown("BarVal") &&
                      !Shown("cmdStart") && Shown("cmpStop");
            if (action == "choose") {
                Choose(0);
            } else if (action == "edit") {
                OnEditor([](AddGame &editor) { editor.reject(); });
                Choose(2);
            } else if (action == "mnuExit") {
                Find<QAction>(action)->trigger();
            } else if (!action.isEmpty()) {
                Find<QPushButton>(action)->click(); // Start is hidden, as after a game applied mid-run
            }
        };
        QTest::mouseClick(Find<QPushButton>("cmdStart"), Qt::LeftButton);

        QVERIFY(running);
        QTEST(m_pump.pumps, "sets");
        QCOMPARE(m_pump.ended, action.endsWith("Exit"));
        if (!picks.isEmpty())
            QCOMPARE(Picks(), picks);
        QCOMPARE(m_window->ProgressValue(), m_pump.pumps == 1 ? 1.0f / 200 : 1.0f);
        QCOMPARE(Text("lblProgress"), kGoodLuck);
        QVERIFY(Shown("lblProgress") && !Shown("BarVal") && Shown("cmdStart") && !Shown("cmpStop"));
    }

    void editor_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("written"); // left by the editor; null: the editor is cancelled
        QTest::addColumn<int>("leftRow");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("asked");
        const QByteArray solo = "Solo, 6, 1, 40, 0, 0\r\n";
        // clang-format off
        QTest::newRow("game added") << kTwoGames << kTwoGames + "Mini,5,1,39,0,0\r\n" << 2 << "Mini" << QStringList{};
        // Cancel leaves row 1, which a one-game catalogue lacks; that once ended the program.
        QTest::newRow("cancelled, one game") << solo << QByteArray() << 0 << "Solo" << QStringList{};
        QTest::newRow("only game deleted") << solo << QByteArray("") << 0 << "California Lotto" << QStringList{kCreate};
        // clang-format on
    }
    void editor()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, written);
        QFETCH(int, leftRow);
        WriteCatalogue(file);
        Open();
        m_boxes.answers = {true};
        const int editEntry = m_catalogue.GameCount;
        int currentInEditor = -1;
        OnEditor([&](AddGame &editor) {
            currentInEditor = m_catalogue.CurrentGame;
            if (written.isNull())
                return editor.reject();
            WriteCatalogue(written);
            m_catalogue.CurrentGame = std::int16_t(leftRow);
            editor.accept();
        });
        Choose(editEntry);

        QCOMPARE(currentInEditor, editEntry);
        QTEST(m_boxes.asked, "asked");
        QCOMPARE(int(m_catalogue.CurrentGame), leftRow);
        QCOMPARE(m_settings.saved, QString::number(leftRow));
        QTEST(Text("Label1"), "heading");
        QTEST(Text("LotGame"), "heading");
        auto *list = Find<QComboBox>("LotGame");
        QCOMPARE(list->count(), m_catalogue.GameCount + 1);
        QCOMPARE(list->itemText(m_catalogue.GameCount), QStringLiteral("Edit or Add Lottery Game"));
    }

    void otherWindows_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("online");
        QTest::addColumn<QList<int>>("opened"); // browser, about, help
        // clang-format off
        QTest::newRow("button, on-line") << "cmdBrowser" << true << QList<int>{1, 0, 0};
        QTest::newRow("button, not on-line") << "cmdBrowser" << false << QList<int>{0, 0, 0};
        QTest::newRow("menu, on-line") << "mnuBrowser" << true << QList<int>{1, 0, 0};
        QTest::newRow("about, not modal") << "mnuAbout" << false << QList<int>{0, 1, 0};
        QTest::newRow("help, not modal") << "mnuHelp" << false << QList<int>{0, 0, 1};
        // clang-format on
    }
    void otherWindows()
    {
        QFETCH(QString, control);
        QFETCH(bool, online);
        WriteCatalogue(kDefaults);
        Open();
        m_boxes.answers = {online};
        if (auto *button = m_window->findChild<QPushButton *>(control))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            Find<QAction>(control)->trigger();

        QTEST(m_hub.opened, "opened");
        const bool asks = control.endsWith("Browser");
        QCOMPARE(m_boxes.asked, asks ? QStringList{"Are You On-line?"} : QStringList{});
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
