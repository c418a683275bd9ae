// How the main window is built: its controls, menus and connections.
#include "frmmain.h"

#include "appicon.h"
#include "appinfo.h"
#include "describe.h"
#include "formfont.h"
#include "gamelist.h"
#include "readablecolours.h"
#include "twips.h"
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

    QFont display = SizedFont(base, 36);
    display.setFamilies({QStringLiteral("C059"), QStringLiteral("DejaVu Serif")});
    display.setStyleHint(QFont::Serif);
    display.setStyleStrategy(QFont::NoFontMerging); // digits only: no fallback faces to look up

    auto label = [&](QLabel *&field, const char *name, const QString &text, QRect place, qreal points,
                     bool centred) {
        field = new QLabel(text, client);
        field->setObjectName(QLatin1String(name));
        field->setGeometry(place);
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
        Describe(field, {});
    };
    auto rangeBox = [&](QLineEdit *&field, const char *name, int top) {
        box(field, name, {}, TwipsRect(1920, top, 375, 285));
        BlueOnButtonFace(field);
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
    for (int slot = 0; slot < PickGenerator::kSlots; ++slot) {
        QLineEdit *&pick = m_picks[slot];
        box(pick, "", QString::number(slot + 1), TwipsRect(kPickLefts[slot], 600, 1000, 885));
        pick->setObjectName(QStringLiteral("Text%1").arg(slot + 1));
        Describe(pick, {});
        pick->setAlignment(Qt::AlignCenter);
        pick->setFont(display);
        pick->setTextMargins(0, 0, 0, 0);
        // A fixed background takes a fixed text colour, whatever the theme's.
        SetColour(pick, QPalette::Base, QColor(128, 255, 255));
        SetColour(pick, QPalette::Text, Qt::black);
    }
    label(m_label3, "Label3", tr("Game Selections"), TwipsRect(840, 1680, 2175, 255), 9.75, true);
    label(m_label2, "Label2", tr("Power Ball"), TwipsRect(5280, 1680, 1815, 480), 18, true);

    m_lotGame = new QComboBox(client);
    m_lotGame->setObjectName(QStringLiteral("LotGame"));
    m_lotGame->setGeometry(TwipsRect(360, 2040, 3135, 315));
    MakeListPicksOnly(m_lotGame); // typing in its text area chooses nothing
    m_lotGame->setMaxVisibleItems(12);
    Describe(m_lotGame, {}, tr("Click Down Arrow to Choose, Add, or Edit Game"));

    box(m_txtPowerball, "txtPowerball", QStringLiteral("48"), TwipsRect(5640, 2160, 1125, 1095));
    m_txtPowerball->setAlignment(Qt::AlignCenter);
    m_txtPowerball->setFont(SizedFont(display, 48));
    m_txtPowerball->setTextMargins(0, 0, 0, 0);
    FollowPalette(m_txtPowerball, [](QWidget *control, const QPalette &palette) {
        const QColor tip = palette.color(QPalette::ToolTipBase);
        SetColour(control, QPalette::Base, tip);
        SetColour(control, QPalette::Text, ReadableOn(palette.color(QPalette::ToolTipText), tip));
    });

    label(m_lblLow, "lblLow", tr("Lowest Number"), TwipsRect(360, 2640, 1455, 255), 8, false);
    rangeBox(m_txtLow, "txtLow", 2640);
    label(m_lblHigh, "lblHigh", tr("Highest Number"), TwipsRect(360, 3000, 1455, 255), 8, false);
    rangeBox(m_txtHigh, "txtHigh", 3000);
    label(m_lblLowPower, "lblLowPower", tr("Lowest Power Ball"), TwipsRect(360, 3360, 1455, 255), 8, false);
    rangeBox(m_txtLowPower, "txtLowPower", 3360);
    label(m_lblHighPower, "lblHighPower", tr("Highest Power Ball"), TwipsRect(360, 3720, 1455, 255), 8,
          false);
    rangeBox(m_txtHighPower, "txtHighPower", 3720);
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
    m_barVal->hide();

    label(m_lblOdds, "lblOdds", tr("Odds of Wining Grand Prize"), TwipsRect(360, 4080, 1455, 495), 9.75,
          false);
    m_lblOdds->setWordWrap(true);
    m_lblOdds->hide();
    box(m_txtOdds, "txtOdds", {}, TwipsRect(1920, 4080, 2415, 495));
    m_txtOdds->setFont(SizedFont(base, 9.75));
    BlueOnButtonFace(m_txtOdds);

    button(m_cmdBrowser, "cmdBrowser", tr("Visit The Web Site"), TwipsRect(480, 4680, 4335, 375), {});
    button(m_cmdStart, "cmdStart", tr("&Start"), TwipsRect(5280, 4680, 975, 375),
           tr("Starts Number Calculations"));
    button(m_cmpStop, "cmpStop", tr("Sto&p"), TwipsRect(5280, 4680, 975, 375),
           tr("Stops Number Calculations"));
    button(m_cmdExit, "cmdExit", tr("E&xit"), TwipsRect(6480, 4680, 855, 375), tr("Exit the Program"));
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
