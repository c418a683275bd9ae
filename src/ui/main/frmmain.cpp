#include "frmmain.h"

#include "addgame.h"
#include "appicon.h"
#include "appinfo.h"
#include "catalogueloader.h"
#include "formfont.h"
#include "gamerecord.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "odds.h"
#include "platform.h"
#include "settingsstore.h"
#include "twips.h"
#include "windowhub.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
const QString kSection = QStringLiteral("GameName");
const QString kKey = QStringLiteral("Game");
const QString kEditEntry = QStringLiteral("Edit or Add Lottery Game");

constexpr int kClientWidth = 8025;
constexpr int kClientHeight = 5310;
constexpr int kPickLefts[PickGenerator::kSlots] = {257, 1337, 2417, 3497, 4577, 5657, 6720};

// The recovery's questions, asked over the window once it is on screen.
class WindowRecovery final : public RecoveryQuestions
{
public:
    WindowRecovery(MessageBoxes &boxes, QWidget *parent) : m_boxes(boxes), m_parent(parent) {}

    bool AskCreateNewFile() override
    {
        return m_boxes.Ask(m_parent, QStringLiteral("Create a New Data File?"),
                           QStringLiteral("Data File Not Found!"));
    }
    bool AskContinue() override
    {
        return m_boxes.Ask(m_parent, QStringLiteral("Continue?"),
                           QStringLiteral("You Must Have a Data File!"));
    }
    void ReportWriteFailure(const std::string &message) override
    {
        m_boxes.Inform(m_parent, QString::fromStdString(message), QStringLiteral("Data File Error"));
    }

private:
    MessageBoxes &m_boxes;
    QWidget *m_parent = nullptr;
};

QString StripMnemonic(QString text)
{
    static const QString marker = QStringLiteral("\x01");
    return text.replace(QLatin1String("&&"), marker)
        .remove(QLatin1Char('&'))
        .replace(marker, QStringLiteral("&"));
}

// Assistive tools find each control by its caption, else its tool-tip, else its name.
void Describe(QWidget *widget, const QString &caption, const QString &toolTip = {})
{
    widget->setToolTip(toolTip);
    widget->setAccessibleDescription(toolTip);
    if (!caption.isEmpty())
        widget->setAccessibleName(StripMnemonic(caption));
    else if (!toolTip.isEmpty())
        widget->setAccessibleName(toolTip);
    else
        widget->setAccessibleName(widget->objectName());
}

QFont SizedFont(const QFont &base, qreal points)
{
    QFont font(base);
    font.setPointSizeF(points);
    return font;
}

void SetColours(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QString FromCatalogueText(const std::string &text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

FrmMain::FrmMain(GameCatalogue &catalogue, WindowHub &hub, MessageBoxes &boxes, SettingsStore &settings,
                 EventPump &pump, RandomSource *random, QWidget *parent)
    : QMainWindow(parent), m_catalogue(catalogue), m_hub(hub), m_boxes(boxes), m_settings(settings),
      m_pump(pump), m_generator(random)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(AppInfo::kTitle);
    setWindowIcon(AppIcon());

    CreateControls();
    CreateMenus();
    ConnectEvents();

    const int width = TwipsToPixels(kClientWidth);
    setFixedSize(width, TwipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

FrmMain::~FrmMain() = default;

void FrmMain::CreateControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const QFont base = FormFont();
    client->setFont(base);
    setCentralWidget(client);

    const QColor buttonFace = client->palette().color(QPalette::Button);
    QFont display = SizedFont(base, 36);
    display.setFamilies({QStringLiteral("C059"), QStringLiteral("DejaVu Serif")});
    display.setStyleHint(QFont::Serif);

    auto label = [&](QLabel *&field, const char *name, const QString &text, QRect place, qreal points,
                     bool centred) {
        field = new QLabel(text, client);
        field->setObjectName(QLatin1String(name));
        field->setGeometry(place);
        field->setFont(SizedFont(base, points));
        if (centred)
            field->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        SetColours(field, QPalette::WindowText, Qt::blue);
        Describe(field, text);
    };
    auto box = [&](QLineEdit *&field, const char *name, const QString &text, QRect place) {
        field = new QLineEdit(text, client);
        field->setObjectName(QLatin1String(name));
        field->setGeometry(place);
        field->setReadOnly(true);
        Describe(field, {});
    };
    auto rangeBox = [&](QLineEdit *&field, const char *name, int top) {
        box(field, name, {}, TwipsRect(1920, top, 375, 285));
        SetColours(field, QPalette::Text, Qt::blue);
        SetColours(field, QPalette::Base, buttonFace);
    };
    auto button = [&](QPushButton *&field, const char *name, const QString &text, QRect place,
                      const QString &toolTip) {
        field = new QPushButton(text, client);
        field->setObjectName(QLatin1String(name));
        field->setGeometry(place);
        field->setAutoDefault(false);
        Describe(field, text, toolTip);
    };

    label(m_label1, "Label1", QStringLiteral("Select a Game to Start"), TwipsRect(330, 120, 7335, 480), 18,
          true);
    for (int slot = 0; slot < PickGenerator::kSlots; ++slot) {
        QLineEdit *&pick = m_picks[slot];
        box(pick, "", QString::number(slot + 1), TwipsRect(kPickLefts[slot], 600, 1000, 885));
        pick->setObjectName(QStringLiteral("Text%1").arg(slot + 1));
        Describe(pick, {});
        pick->setAlignment(Qt::AlignCenter);
        pick->setFont(display);
        pick->setTextMargins(0, 0, 0, 0);
        SetColours(pick, QPalette::Base, QColor(128, 255, 255));
    }
    label(m_label3, "Label3", QStringLiteral("Game Selections"), TwipsRect(840, 1680, 2175, 255), 9.75, true);
    label(m_label2, "Label2", QStringLiteral("Power Ball"), TwipsRect(5280, 1680, 1815, 480), 18, true);

    m_lotGame = new QComboBox(client);
    m_lotGame->setObjectName(QStringLiteral("LotGame"));
    m_lotGame->setGeometry(TwipsRect(360, 2040, 3135, 315));
    m_lotGame->setEditable(true);
    m_lotGame->setInsertPolicy(QComboBox::NoInsert);
    m_lotGame->setCompleter(nullptr);
    m_lotGame->setMaxVisibleItems(12);
    m_lotGame->lineEdit()->installEventFilter(this);
    Describe(m_lotGame, {}, QStringLiteral("Click Down Arrow to Choose, Add, or Edit Game"));

    box(m_txtPowerball, "txtPowerball", QStringLiteral("48"), TwipsRect(5640, 2160, 1125, 1095));
    m_txtPowerball->setAlignment(Qt::AlignCenter);
    m_txtPowerball->setFont(SizedFont(display, 48));
    m_txtPowerball->setTextMargins(0, 0, 0, 0);
    SetColours(m_txtPowerball, QPalette::Base, client->palette().color(QPalette::ToolTipBase));

    label(m_lblLow, "lblLow", QStringLiteral("Lowest Number"), TwipsRect(360, 2640, 1455, 255), 8, false);
    rangeBox(m_txtLow, "txtLow", 2640);
    label(m_lblHigh, "lblHigh", QStringLiteral("Highest Number"), TwipsRect(360, 3000, 1455, 255), 8, false);
    rangeBox(m_txtHigh, "txtHigh", 3000);
    label(m_lblLowPower, "lblLowPower", QStringLiteral("Lowest Power Ball"), TwipsRect(360, 3360, 1455, 255),
          8, false);
    rangeBox(m_txtLowPower, "txtLowPower", 3360);
    label(m_lblHighPower, "lblHighPower", QStringLiteral("Highest Power Ball"),
          TwipsRect(360, 3720, 1455, 255), 8, false);
    rangeBox(m_txtHighPower, "txtHighPower", 3720);
    for (QLabel *hidden : {m_lblLow, m_lblHigh, m_lblLowPower, m_lblHighPower})
        hidden->hide();

    label(m_lblProgress, "lblProgress", QStringLiteral("Working..."), TwipsRect(5040, 3600, 2535, 255), 9.75,
          true);
    m_lblProgress->hide();
    m_barVal = new QProgressBar(client);
    m_barVal->setObjectName(QStringLiteral("BarVal"));
    m_barVal->setGeometry(TwipsRect(5040, 3960, 2535, 375));
    m_barVal->setRange(0, kBarSteps);
    m_barVal->setValue(0);
    m_barVal->setTextVisible(false);
    Describe(m_barVal, {});
    m_barVal->hide();

    label(m_lblOdds, "lblOdds", QStringLiteral("Odds of Wining Grand Prize"), TwipsRect(360, 4080, 1455, 495),
          9.75, false);
    m_lblOdds->setWordWrap(true);
    m_lblOdds->hide();
    box(m_txtOdds, "txtOdds", {}, TwipsRect(1920, 4080, 2415, 495));
    m_txtOdds->setFont(SizedFont(base, 9.75));
    SetColours(m_txtOdds, QPalette::Text, Qt::blue);
    SetColours(m_txtOdds, QPalette::Base, buttonFace);

    button(m_cmdBrowser, "cmdBrowser", QStringLiteral("Visit The Web Site"), TwipsRect(480, 4680, 4335, 375),
           {});
    button(m_cmdStart, "cmdStart", QStringLiteral("&Start"), TwipsRect(5280, 4680, 975, 375),
           QStringLiteral("Starts Number Calculations"));
    button(m_cmpStop, "cmpStop", QStringLiteral("Sto&p"), TwipsRect(5280, 4680, 975, 375),
           QStringLiteral("Stops Number Calculations"));
    button(m_cmdExit, "cmdExit", QStringLiteral("E&xit"), TwipsRect(6480, 4680, 855, 375),
           QStringLiteral("Exit the Program"));
    for (QPushButton *idle : {m_cmdStart, m_cmpStop}) {
        idle->hide();
        idle->setEnabled(false);
    }
}

void FrmMain::CreateMenus()
{
    QMenuBar *bar = menuBar();
    // Exit and the web site act from the bar itself, without a drop-down.
    m_mnuExit = new QAction(QStringLiteral("E&xit"), this);
    m_mnuExit->setObjectName(QStringLiteral("mnuExit"));
    bar->addAction(m_mnuExit);

    m_mnuHelpDetails = bar->addMenu(QStringLiteral("&Help"));
    m_mnuHelpDetails->setObjectName(QStringLiteral("mnuHelpDetails"));
    m_mnuAbout = m_mnuHelpDetails->addAction(QStringLiteral("&About Drawsmith"));
    m_mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    m_mnuHelp = m_mnuHelpDetails->addAction(QStringLiteral("&Drawsmith Help"));
    m_mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    m_mnuBrowser = new QAction(QStringLiteral("&Visit The Web Site"), this);
    m_mnuBrowser->setObjectName(QStringLiteral("mnuBrowser"));
    bar->addAction(m_mnuBrowser);
}

void FrmMain::ConnectEvents()
{
    connect(m_lotGame, &QComboBox::activated, this, &FrmMain::LotGameClick);
    connect(m_cmdStart, &QPushButton::clicked, this, &FrmMain::StartClick);
    connect(m_cmpStop, &QPushButton::clicked, this, [this] { m_generator.RequestStop(); });
    connect(m_cmdExit, &QPushButton::clicked, this, &FrmMain::ExitClick);
    connect(m_mnuExit, &QAction::triggered, this, &FrmMain::ExitClick);
    connect(m_cmdBrowser, &QPushButton::clicked, this, &FrmMain::BrowserClick);
    connect(m_mnuBrowser, &QAction::triggered, this, &FrmMain::BrowserClick);
    connect(m_mnuAbout, &QAction::triggered, this, [this] { m_hub.ShowAbout(nullptr); });
    connect(m_mnuHelp, &QAction::triggered, this, [this] { m_hub.ShowHelp(nullptr); });
}

void FrmMain::Load()
{
    m_firstLoad = true;
    LoadGameList();
}

bool FrmMain::LoadGameList()
{
    for (;;) {
        if (TryLoadGameList())
            return true;
        WindowRecovery questions(m_boxes, isVisible() ? this : nullptr);
        if (RecoverCatalogue(questions) == RecoveryOutcome::EndProgram) {
            m_pump.EndProgram();
            return false;
        }
    }
}

bool FrmMain::TryLoadGameList()
{
    if (!LoadCatalogue(m_catalogue))
        return false;
    for (QLineEdit *pick : m_picks)
        pick->show();
    m_txtPowerball->show();
    m_label2->show();

    m_lotGame->clear();
    for (const GameRecord &game : m_catalogue.Games)
        m_lotGame->addItem(FromCatalogueText(game.Name));
    m_lotGame->addItem(kEditEntry);

    if (m_firstLoad) {
        m_catalogue.CurrentGame = SavedSelection();
        m_lotGame->setCurrentIndex(m_catalogue.CurrentGame);
        FreshForm();
        ShowGame();
        m_firstLoad = false;
    }
    return true;
}

std::int16_t FrmMain::SavedSelection()
{
    // A hand-edited setting or a shorter games.dat must not keep the program from
    // starting, nor send the user to the recovery that rewrites their file.
    bool ok = false;
    const int row = m_settings.Read(kSection, kKey, QStringLiteral("0")).trimmed().toInt(&ok);
    if (!ok || row > std::numeric_limits<std::int16_t>::max() || !m_catalogue.HasRow(row))
        return 0;
    return static_cast<std::int16_t>(row);
}

void FrmMain::SaveSelection()
{
    m_settings.Write(kSection, kKey, QString::number(m_catalogue.CurrentGame));
}

void FrmMain::FreshForm()
{
    for (QWidget *shown :
         std::initializer_list<QWidget *>{m_lblHigh, m_lblLow, m_lblHighPower, m_lblLowPower, m_lblOdds})
        shown->show();
    for (QWidget *hidden : std::initializer_list<QWidget *>{m_txtHighPower, m_txtLowPower, m_label2})
        hidden->hide();
    m_cmpStop->hide();
    m_cmdStart->show();
}

bool FrmMain::ShowGame()
{
    const int row = m_catalogue.CurrentGame;
    if (!m_catalogue.HasRow(row) || static_cast<std::size_t>(row) >= m_catalogue.Games.size())
        return false;
    const GameRecord &game = m_catalogue.Games[static_cast<std::size_t>(row)];
    m_activeGame = {game.Choices,      game.LowNumber,     game.HighNumber,
                    game.PowerBallLow, game.PowerBallHigh, game.HasPowerBall()};
    ShowRanges();
    if (!ShowOdds())
        return false;
    SetCaption(m_label1, FromCatalogueText(game.Name));
    return true;
}

void FrmMain::ChangeGame()
{
    // The editor's Cancel leaves its own entry (GameCount) here: show the last game then.
    GameCatalogue &catalogue = m_catalogue;
    if (catalogue.GameCount > 0 && !catalogue.HasRow(catalogue.CurrentGame)) {
        const int last = std::min<int>(catalogue.GameCount - 1, std::numeric_limits<std::int16_t>::max());
        catalogue.CurrentGame = static_cast<std::int16_t>(catalogue.CurrentGame < 0 ? 0 : last);
    }
    FreshForm();
    m_lotGame->setCurrentIndex(catalogue.CurrentGame);
    ShowGame();
}

void FrmMain::ShowRanges()
{
    m_lblHigh->show();
    m_lblLow->show();
    m_txtLowPower->setText(QString::number(m_activeGame.PowerBallLow));
    m_txtHighPower->setText(QString::fromStdString(FormatPlain(m_activeGame.PowerBallHigh)));
    m_txtHigh->setText(QString::fromStdString(FormatPlain(m_activeGame.HighNumber)));
    m_txtLow->setText(QString::fromStdString(FormatPlain(m_activeGame.LowNumber)));
    for (QWidget *power : std::initializer_list<QWidget *>{m_lblHighPower, m_lblLowPower, m_txtHighPower,
                                                           m_txtLowPower, m_label2})
        power->setVisible(m_activeGame.PowerBall);
    m_cmdStart->setEnabled(true);
    m_cmpStop->setEnabled(true);
}

bool FrmMain::ShowOdds()
{
    m_picks[0]->show();
    m_picks[1]->show();
    for (int k = 2; k <= 6; ++k)
        m_picks[k]->setVisible(m_activeGame.Choices > k);
    m_txtPowerball->setVisible(m_activeGame.PowerBall);

    auto value = [](const QLineEdit *box) { return LeadingNumber(box->text().toStdString()); };
    const std::optional<double> odds =
        ComputeOdds(value(m_txtHigh), value(m_txtLow), m_activeGame.Choices, m_activeGame.PowerBall,
                    value(m_txtLowPower), value(m_txtHighPower));
    if (!odds)
        return false;
    m_txtOdds->setText(QString::fromStdString(FormatOdds(*odds)));
    return true;
}

void FrmMain::SetCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text);
}

void FrmMain::LotGameClick(int index)
{
    if (index < 0 || index > std::numeric_limits<std::int16_t>::max())
        return;
    m_catalogue.CurrentGame = static_cast<std::int16_t>(index);
    if (m_catalogue.CurrentGame != m_catalogue.GameCount) {
        FreshForm();
        ShowGame();
    } else if (!EditGames()) {
        return; // the user chose to end the program
    }
    SaveSelection();
}

bool FrmMain::EditGames()
{
    // On the heap: the editor may delete itself when it closes.
    QPointer<AddGame> editor = new AddGame(m_catalogue, m_hub, m_boxes, this);
    editor->exec();
    delete editor.data();

    if (!LoadGameList())
        return false;
    ChangeGame();
    return true;
}

void FrmMain::StartClick()
{
    m_generator.Run(*this, *this);
}

void FrmMain::ExitClick()
{
    m_pump.EndProgram();
    // Only a test's pump returns: end the run under way so the test ends cleanly.
    m_generator.RequestStop();
}

void FrmMain::BrowserClick()
{
    if (AskOnline(m_boxes, this))
        m_hub.ShowBrowser();
}

void FrmMain::BeginRun()
{
    m_lblProgress->show();
    SetCaption(m_lblProgress, QStringLiteral("Working..."));
    m_barVal->show();
    m_cmdStart->hide();
    m_cmpStop->show();
}

void FrmMain::ShowProgress(std::int32_t i, std::int32_t n)
{
    m_progress = static_cast<float>(static_cast<double>(i) / static_cast<double>(n));
    m_barVal->setValue(static_cast<int>(std::lround(m_progress * kBarSteps)));
}

void FrmMain::ShowPick(int slot, long long number)
{
    if (slot >= 1 && slot <= PickGenerator::kSlots)
        m_picks[slot - 1]->setText(QString::number(number));
}

void FrmMain::PumpEvents()
{
    m_pump.PumpOnce();
}

void FrmMain::ShowPowerBall(long long number)
{
    m_txtPowerball->setText(QString::number(number));
}

void FrmMain::EndRun()
{
    SetCaption(m_lblProgress, QStringLiteral("Good Luck With Your Picks!"));
    m_barVal->hide();
    m_cmdStart->show();
    m_cmpStop->hide();
}

PickRanges FrmMain::CurrentRanges() const
{
    return {m_activeGame.LowNumber, m_activeGame.HighNumber, static_cast<double>(m_activeGame.PowerBallLow),
            m_activeGame.PowerBallHigh};
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Typing in the game list's text area chooses nothing, Enter included.
    if (watched == m_lotGame->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // Closing the window leaves nothing to show a run's picks in.
    m_generator.RequestStop();
    QMainWindow::closeEvent(event);
}
