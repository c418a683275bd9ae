// SPDX-License-Identifier: GPL-3.0-or-later
// How the main window is built: its controls, menus and connections.
#include "frmmain.h"

#include "appicon.h"
#include "appinfo.h"
#include "buttonkeys.h"
#include "describe.h"
#include "formfont.h"
#include "gamelist.h"
#include "pickbox.h"
#include "picksmenu.h"
#include "readablecolours.h"
#include "runvoice.h"
#include "twips.h"
#include "windowframe.h"
#include "windowhub.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int kClientWidth = 8025;
constexpr int kClientHeight = 5310;
constexpr int kPickLefts[PickGenerator::kSlots] = {257, 1337, 2417, 3497, 4577, 5657, 6720};

QFont SizedFont(const QFont &base, qreal points)
{
    QFont font(base);
    font.setPointSizeF(points);
    return font;
}

// Blue text on the button face, blue enough to read on a light or dark face.
void BlueOnButtonFace(QWidget *box)
{
    FollowPalette(box, [](QWidget *control, const QPalette &palette) {
        const QColor face = palette.color(QPalette::Button);
        SetColour(control, QPalette::Base, face);
        SetColour(control, QPalette::Text, ReadableOn(Qt::blue, face));
    });
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
    SetTabOrder();
    ConnectEvents();
    LetEnterPressFocusedButton();
    m_lotGame->setFocus(); // keyboard users start where a game is chosen

    const int width = TwipsToPixels(kClientWidth);
    setFixedSize(width, TwipsToPixels(kClientHeight) + menuBar()->sizeHint().height());
    KeepFixedSize(this, true);
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

    QFont display = SizedFont(base, 36);
    display.setFamilies({QStringLiteral("C059"), QStringLiteral("DejaVu Serif")});
    display.setStyleHint(QFont::Serif);
    display.setStyleStrategy(QFont::NoFontMerging); // digits only: no fallback faces to look up

    auto label = [&](QLabel *&field, const char *name, const QString &text, QRect place, qreal points,
                     bool centred) {
        field = new QLabel(text, client);
        field->setObjectName(QLatin1String(name));
        field->setGeometry(place);
        field->setTextFormat(Qt::PlainText); // game names are the user's text, never markup
        field->setFont(SizedFont(base, points));
        if (centred)
            field->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        FollowPalette(field, [](QWidget *control, const QPalette &palette) {
            SetColour(control, QPalette::WindowText, ReadableOn(Qt::blue, palette.color(QPalette::Window)));
        });
        Describe(field, text);
    };
    auto box = [&](QLineEdit *&field, const char *name, const QString &text, QRect place) {
        field = new QLineEdit(text, client);
        field->setObjectName(QLatin1String(name));
        field->setGeometry(place);
        field->setReadOnly(true);
        ReadWithoutSelecting(field);
        Describe(field, {});
    };
    // A box beside a label is heard by the label's text.
    auto nameBy = [](QLabel *caption, QWidget *field) {
        caption->setBuddy(field);
        field->setAccessibleName(caption->text());
    };
    auto rangeBox = [&](QLineEdit *&field, const char *name, QLabel *caption, int top) {
        box(field, name, {}, TwipsRect(1920, top, 375, 285));
        BlueOnButtonFace(field);
        nameBy(caption, field);
    };
    auto button = [&](QPushButton *&field, const char *name, const QString &text, QRect place,
                      const QString &toolTip) {
        field = new QPushButton(text, client);
        field->setObjectName(QLatin1String(name));
        field->setGeometry(place);
        field->setAutoDefault(false);
        Describe(field, text, toolTip);
    };

    label(m_label1, "Label1", tr("Select a Game to Start"), TwipsRect(330, 120, 7335, 480), 18, true);
    auto pickBox = [&](const QString &name, const QString &heard, const QString &text, const QFont &face,
                       QRect place) {
        auto *pick = new PickBox(text, face, client);
        pick->setObjectName(name);
        pick->setGeometry(place);
        Describe(pick, heard);
        ReadWithoutSelecting(pick);
        pick->setContextMenuPolicy(Qt::CustomContextMenu);
        return pick;
    };
    for (int slot = 0; slot < PickGenerator::kSlots; ++slot) {
        m_picks[slot] =
            pickBox(QStringLiteral("Text%1").arg(slot + 1), tr("Pick %1").arg(slot + 1),
                    QString::number(slot + 1), display, TwipsRect(kPickLefts[slot], 600, 1000, 885));
        // A fixed background takes a fixed text colour, whatever the theme's.
        SetColour(m_picks[slot], QPalette::Base, QColor(128, 255, 255));
        SetColour(m_picks[slot], QPalette::Text, Qt::black);
    }
    label(m_label3, "Label3", tr("Game Selections"), TwipsRect(840, 1680, 2175, 255), 9.75, true);
    label(m_label2, "Label2", tr("Power Ball"), TwipsRect(5280, 1680, 1815, 480), 18, true);

    m_lotGame = new QComboBox(client);
    m_lotGame->setObjectName(QStringLiteral("LotGame"));
    m_lotGame->setGeometry(TwipsRect(360, 2040, 3135, 315));
    MakeListPicksOnly(m_lotGame); // typing in its text area chooses nothing
    m_lotGame->setMaxVisibleItems(12);
    Describe(m_lotGame, {}, tr("Click Down Arrow to Choose, Add, or Edit Game"));
    nameBy(m_label3, m_lotGame);

    m_txtPowerball = pickBox(QStringLiteral("txtPowerball"), m_label2->text(), QStringLiteral("48"),
                             SizedFont(display, 48), TwipsRect(5640, 2160, 1125, 1095));
    m_label2->setBuddy(m_txtPowerball);
    FollowPalette(m_txtPowerball, [](QWidget *control, const QPalette &palette) {
        const QColor tip = palette.color(QPalette::ToolTipBase);
        SetColour(control, QPalette::Base, tip);
        SetColour(control, QPalette::Text, ReadableOn(palette.color(QPalette::ToolTipText), tip));
    });

    label(m_lblLow, "lblLow", tr("Lowest Number"), TwipsRect(360, 2640, 1455, 255), 8, false);
    rangeBox(m_txtLow, "txtLow", m_lblLow, 2640);
    label(m_lblHigh, "lblHigh", tr("Highest Number"), TwipsRect(360, 3000, 1455, 255), 8, false);
    rangeBox(m_txtHigh, "txtHigh", m_lblHigh, 3000);
    label(m_lblLowPower, "lblLowPower", tr("Lowest Power Ball"), TwipsRect(360, 3360, 1455, 255), 8, false);
    rangeBox(m_txtLowPower, "txtLowPower", m_lblLowPower, 3360);
    label(m_lblHighPower, "lblHighPower", tr("Highest Power Ball"), TwipsRect(360, 3720, 1455, 255), 8,
          false);
    rangeBox(m_txtHighPower, "txtHighPower", m_lblHighPower, 3720);
    for (QLabel *hidden : {m_lblLow, m_lblHigh, m_lblLowPower, m_lblHighPower})
        hidden->hide();

    label(m_lblProgress, "lblProgress", tr("Working..."), TwipsRect(5040, 3600, 2535, 255), 9.75, true);
    m_lblProgress->hide();
    m_barVal = new QProgressBar(client);
    m_barVal->setObjectName(QStringLiteral("BarVal"));
    m_barVal->setGeometry(TwipsRect(5040, 3960, 2535, 375));
    m_barVal->setRange(0, kBarSteps);
    m_barVal->setValue(0);
    m_barVal->setTextVisible(false);
    Describe(m_barVal, {});
    nameBy(m_lblProgress, m_barVal);
    m_barVal->hide();

    QList<QObject *> flashing{m_txtPowerball, m_barVal};
    for (PickBox *pick : m_picks)
        flashing << pick;
    m_voice = new RunVoice(client, flashing);
    // One stop for all the picks, under the boxes.
    m_voice->PicksRow()->setGeometry(
        TwipsRect(kPickLefts[0], 600, kPickLefts[PickGenerator::kSlots - 1] + 1000 - kPickLefts[0], 885));

    label(m_lblOdds, "lblOdds", tr("Odds of Wining Grand Prize"), TwipsRect(360, 4080, 1455, 495), 9.75,
          false);
    m_lblOdds->setWordWrap(true);
    m_lblOdds->hide();
    box(m_txtOdds, "txtOdds", {}, TwipsRect(1920, 4080, 2415, 495));
    m_txtOdds->setFont(SizedFont(base, 9.75));
    BlueOnButtonFace(m_txtOdds);
    nameBy(m_lblOdds, m_txtOdds);

    button(m_cmdBrowser, "cmdBrowser", tr("Visit The Web Site"), TwipsRect(480, 4680, 4335, 375), {});
    button(m_cmdStart, "cmdStart", tr("&Start"), TwipsRect(5280, 4680, 975, 375),
           tr("Starts Number Calculations"));
    button(m_cmpStop, "cmpStop", tr("Sto&p"), TwipsRect(5280, 4680, 975, 375),
           tr("Stops Number Calculations"));
    button(m_cmdExit, "cmdExit", tr("E&xit"), TwipsRect(6480, 4680, 855, 375), tr("Exit the Program"));
    // The menu bar's Exit takes Alt+X alone: a key shared with the button needed two presses.
    m_cmdExit->setShortcut({});
    for (QPushButton *idle : {m_cmdStart, m_cmpStop}) {
        idle->hide();
        idle->setEnabled(false);
    }
}

void FrmMain::CreateMenus()
{
    QMenuBar *bar = menuBar();
    // Exit and the web site act from the bar itself, without a drop-down.
    m_mnuExit = new QAction(tr("E&xit"), this);
    m_mnuExit->setObjectName(QStringLiteral("mnuExit"));
    bar->addAction(m_mnuExit);

    m_mnuHelpDetails = bar->addMenu(tr("&Help"));
    m_mnuHelpDetails->setObjectName(QStringLiteral("mnuHelpDetails"));
    m_mnuAbout = m_mnuHelpDetails->addAction(tr("&About Drawsmith"));
    m_mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    m_mnuHelp = m_mnuHelpDetails->addAction(tr("&Drawsmith Help"));
    m_mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    m_mnuBrowser = new QAction(tr("&Visit The Web Site"), this);
    m_mnuBrowser->setObjectName(QStringLiteral("mnuBrowser"));
    bar->addAction(m_mnuBrowser);

    // Ctrl+C anywhere in the window, unless a text field holds a selection (eventFilter).
    m_copyPicks = new QAction(tr("C&opy Picks"), this);
    m_copyPicks->setObjectName(QStringLiteral("copyPicks"));
    m_copyPicks->setShortcut(QKeySequence::Copy);
    m_copyPicks->setShortcutContext(Qt::WindowShortcut);
    addAction(m_copyPicks);
    m_picksMenu =
        new PicksMenu(*this, m_catalogue, m_hub, m_boxes, m_copyPicks, [this] { return ShownPicks(); });
}

void FrmMain::SetTabOrder()
{
    // The controls a user acts on first, then the read-only boxes, so that a screen
    // reader can still reach the picks.
    // The row of picks comes right after Start, so that they are heard again in one key.
    QList<QWidget *> order{m_lotGame, m_cmdStart, m_cmpStop, m_voice->PicksRow(), m_cmdExit, m_cmdBrowser};
    for (PickBox *pick : m_picks)
        order << pick;
    order << m_txtPowerball << m_txtLow << m_txtHigh << m_txtLowPower << m_txtHighPower << m_txtOdds;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
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
    connect(m_copyPicks, &QAction::triggered, this, &FrmMain::CopyPicks);
    for (PickBox *pick : m_picks)
        connect(pick, &QWidget::customContextMenuRequested, this,
                [this, pick](QPoint at) { ShowPickMenu(pick, at); });
    connect(m_txtPowerball, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { ShowPickMenu(m_txtPowerball, at); });
    // Text fields let Ctrl+C through to the window unless the user selected text in them.
    m_lotGame->installEventFilter(this);
    for (QLineEdit *field : centralWidget()->findChildren<QLineEdit *>())
        field->installEventFilter(this);
}
