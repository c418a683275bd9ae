// SPDX-License-Identifier: GPL-3.0-or-later
#include "addgame.h"

#include "appicon.h"
#include "buttonkeys.h"
#include "coretext.h"
#include "describe.h"
#include "filetexts.h"
#include "formfont.h"
#include "gamelist.h"
#include "gamerecord.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "readablecolours.h"
#include "twips.h"
#include "updown.h"
#include "windowframe.h"
#include "windowhub.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {
// English names of the placeholder and tool-tips; tr() gives them in the user's language.
const char *const kUntitledGame = QT_TRANSLATE_NOOP("AddGame", "Untitled Game");

const char *const kNameTip = QT_TRANSLATE_NOOP(
    "AddGame", "Edit \"Untitled Game\" to Add Game or Click Down Arrow to Edit Existing Game");
const char *const kChoicesTip = QT_TRANSLATE_NOOP("AddGame", "Number of Choices, Not Including PowerBall");
const char *const kPowerBallTip =
    QT_TRANSLATE_NOOP("AddGame", "Check This Box if Game has a \"PowerBall\" or Extra Separate Choice");
const char *const kLowTip = QT_TRANSLATE_NOOP("AddGame", "Lowest Lottery Number (Usually \"1\")");
const char *const kHighTip = QT_TRANSLATE_NOOP("AddGame", "Highest Lottery Number");
const char *const kPowerLowTip = QT_TRANSLATE_NOOP("AddGame", "Lowest PowerBall Number (Usually \"1\")");
const char *const kPowerHighTip = QT_TRANSLATE_NOOP("AddGame", "Highest PowerBall Number");

void Place(QWidget *control, const QString &objectName, const QString &caption, const QString &toolTip,
           const QRect &place)
{
    control->setObjectName(objectName);
    control->setGeometry(place);
    Describe(control, caption, toolTip);
}

void PaintCaptionBlue(QWidget *control)
{
    FollowPalette(control, [](QWidget *caption, const QPalette &palette) {
        const QColor blue = ReadableOn(Qt::blue, palette.color(QPalette::Window));
        SetColour(caption, QPalette::WindowText, blue);
        SetColour(caption, QPalette::ButtonText, blue);
    });
}

QString PlainText(double value)
{
    return QString::fromStdString(FormatPlain(value));
}
} // namespace

AddGame::AddGame(GameCatalogue &catalogue, WindowHub &hub, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), m_catalogue(catalogue), m_hub(hub), m_boxes(boxes)
{
    setObjectName(QStringLiteral("AddGame"));
    setWindowTitle(tr("Add a Game to the Drawsmith"));
    setWindowIcon(AppIcon());
    setModal(true);
    KeepFixedSize(this, false);
    setFont(FormFont());
    LetEnterPressFocusedButton();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *client = new QWidget(this);
    client->setFixedSize(TwipsRect(0, 0, 6180, 4425).size());
    layout->addWidget(client);

    CreateControls(client);
    CreateMenus();
    SetTabOrder();
    ConnectControls();
    FillGameList();
    m_cmdCancel->setFocus();
}

void AddGame::CreateControls(QWidget *client)
{
    struct LabelSpec
    {
        const char *caption;
        const char *toolTip;
        QRect place;
    };
    const std::array<LabelSpec, 6> labels{{
        {QT_TR_NOOP("Name of New Game"), kNameTip, TwipsRect(120, 360, 1935, 255)},
        {QT_TR_NOOP("Numbers to Pick?"), kChoicesTip, TwipsRect(120, 1440, 1575, 255)},
        {QT_TR_NOOP("Lowest Number"), kLowTip, TwipsRect(120, 2040, 1455, 255)},
        {QT_TR_NOOP("Highest Number"), kHighTip, TwipsRect(120, 2640, 1455, 255)},
        {QT_TR_NOOP("Highest PowerBall"), kPowerHighTip, TwipsRect(3120, 2640, 1695, 255)},
        {QT_TR_NOOP("Lowest PowerBall"), kPowerLowTip, TwipsRect(3120, 2040, 1695, 255)},
    }};
    std::array<QLabel *, 6> captions{};
    for (std::size_t index = 0; index < labels.size(); ++index) {
        const QString caption = tr(labels[index].caption);
        auto *label = captions[index] = new QLabel(caption, client);
        Place(label, QStringLiteral("Label1"), caption, tr(labels[index].toolTip), labels[index].place);
        label->setTextFormat(Qt::PlainText);
        label->setProperty("index", int(index));
        PaintCaptionBlue(label);
    }

    m_myGames = new QComboBox(client);
    Place(m_myGames, QStringLiteral("MyGames"), captions[0]->text(), tr(kNameTip),
          TwipsRect(2160, 360, 3495, 315));
    captions[0]->setBuddy(m_myGames);
    // The list holds exactly the catalogue, and what is typed is a new name.
    MakeListPicksOnly(m_myGames);

    // A number box is heard by its label's text.
    const auto numberBox = [client](const QString &name, const QString &text, QLabel *caption,
                                    const QRect &place, bool readOnly) {
        auto *box = new QLineEdit(text, client);
        Place(box, name, caption->text(), caption->toolTip(), place);
        caption->setBuddy(box);
        box->setAlignment(Qt::AlignCenter);
        box->setReadOnly(readOnly);
        if (readOnly)
            ReadWithoutSelecting(box);
        return box;
    };
    // Lower limit 0, except the Power Ball's lowest number: 0 there would mean the
    // game has no Power Ball at all. The arrows are named for what they step.
    const auto spin = [client](QLineEdit *buddy, const QString &name, int minimum, int maximum, int value,
                               const QRect &place, const QString &what) {
        auto *upDown = new UpDown(buddy, minimum, maximum, value, client);
        Place(upDown, name, tr("%1 up/down").arg(what), buddy->toolTip(), place);
        return upDown;
    };
    m_choiceNum = numberBox(QStringLiteral("ChoiceNum"), QStringLiteral("6"), captions[1],
                            TwipsRect(1880, 1380, 300, 360), false);
    m_upDown2 =
        spin(m_choiceNum, QStringLiteral("UpDown2"), 0, 7, 5, TwipsRect(2175, 1340, 240, 450), tr("Choices"));

    m_isPowerBall = new QCheckBox(tr("Is there a PowerBall?"), client);
    Place(m_isPowerBall, QStringLiteral("IsPowerBall"), m_isPowerBall->text(), tr(kPowerBallTip),
          TwipsRect(3120, 1375, 2295, 375));
    PaintCaptionBlue(m_isPowerBall);

    m_lowNum = numberBox(QStringLiteral("LowNum"), QStringLiteral("1"), captions[2],
                         TwipsRect(1680, 1980, 495, 360), true);
    m_upDownLow = spin(m_lowNum, QStringLiteral("UpDownLow"), 0, 100, 1, TwipsRect(2160, 1935, 240, 450),
                       tr("Lowest Number"));
    m_powerLow = numberBox(QStringLiteral("PowerLow"), QStringLiteral("1"), captions[5],
                           TwipsRect(4920, 1980, 495, 360), true);
    m_upDown3 = spin(m_powerLow, QStringLiteral("UpDown3"), 1, 100, 1, TwipsRect(5400, 1935, 240, 450),
                     tr("Lowest PowerBall"));
    m_highNum = numberBox(QStringLiteral("HighNum"), QStringLiteral("50"), captions[3],
                          TwipsRect(1680, 2640, 495, 360), true);
    m_upDown1 = spin(m_highNum, QStringLiteral("UpDown1"), 0, 100, 50, TwipsRect(2160, 2580, 240, 450),
                     tr("Highest Number"));
    m_powerHigh = numberBox(QStringLiteral("PowerHigh"), QStringLiteral("48"), captions[4],
                            TwipsRect(4920, 2580, 495, 360), true);
    m_upDown4 = spin(m_powerHigh, QStringLiteral("UpDown4"), 0, 100, 48, TwipsRect(5400, 2535, 240, 450),
                     tr("Highest PowerBall"));
    SetPowerBallEnabled(false);

    const auto button = [client](const QString &name, const QString &caption, const QString &toolTip,
                                 const QRect &place) {
        auto *push = new QPushButton(caption, client);
        Place(push, name, caption, toolTip, place);
        // No button is the window's default: Enter presses only the focused one, and Esc none.
        push->setAutoDefault(false);
        push->setDefault(false);
        return push;
    };
    m_cmdDelete = button(QStringLiteral("cmdDelete"), tr("Delete Game"), tr("Delete Lottery Game"),
                         TwipsRect(240, 3720, 1575, 495));
    m_cmdSave = button(QStringLiteral("cmdSave"), tr("&Add and Save New Game "),
                       tr("Save New Game and Return"), TwipsRect(2040, 3720, 2295, 495));
    m_cmdSaveChanges = button(QStringLiteral("cmdSaveChanges"), tr("&Save Changes to Game"),
                              tr("Save Changes to Game and Return"), TwipsRect(2040, 3720, 2295, 495));
    m_cmdCancel = button(QStringLiteral("cmdCancel"), tr("&Cancel"),
                         tr("Return With No Changes or Additions"), TwipsRect(4560, 3720, 1095, 495));
    m_cmdDelete->hide();
    m_cmdSaveChanges->hide();
}

void AddGame::CreateMenus()
{
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setNativeMenuBar(false);
    layout()->setMenuBar(bar);

    QAction *exit = bar->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &AddGame::reject);

    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *about = help->addAction(tr("&About Drawsmith"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] { m_hub.ShowAbout(this); });
    QAction *details = help->addAction(tr("&Drawsmith Help"));
    details->setObjectName(QStringLiteral("mnuHelpDetails"));
    connect(details, &QAction::triggered, this, [this] { m_hub.ShowHelp(this); });
}

void AddGame::SetTabOrder()
{
    // Each number box and its spin button are one stop: the box takes Up and Down.
    const std::array<QWidget *, 11> order{m_cmdCancel, m_lowNum,         m_cmdSave,   m_highNum,
                                          m_choiceNum, m_powerLow,       m_powerHigh, m_isPowerBall,
                                          m_myGames,   m_cmdSaveChanges, m_cmdDelete};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void AddGame::ConnectControls()
{
    connect(m_myGames, &QComboBox::activated, this, &AddGame::MyGamesClick);
    connect(m_isPowerBall, &QCheckBox::toggled, this, &AddGame::SetPowerBallEnabled);
    connect(m_isPowerBall, &QCheckBox::clicked, this, &AddGame::IsPowerBallClick);
    connect(m_cmdSave, &QPushButton::clicked, this, &AddGame::cmdSaveClick);
    connect(m_cmdSaveChanges, &QPushButton::clicked, this, &AddGame::cmdSaveChangesClick);
    connect(m_cmdDelete, &QPushButton::clicked, this, &AddGame::cmdDeleteClick);
    connect(m_cmdCancel, &QPushButton::clicked, this, &AddGame::reject);
}

void AddGame::FillGameList()
{
    // List position == row of Games, so nothing else goes into the list.
    for (int row = 0; row < m_catalogue.GameCount && row < int(m_catalogue.Games.size()); ++row)
        m_myGames->addItem(FromCatalogueBytes(m_catalogue.Games[std::size_t(row)].Name));
    m_myGames->setCurrentIndex(-1);
    m_myGames->setEditText(tr(kUntitledGame));
}

void AddGame::MyGamesClick(int position)
{
    if (position < 0)
        return;
    m_catalogue.CurrentGame = static_cast<std::int16_t>(position);
    m_cmdSave->hide();
    m_cmdSaveChanges->show();
    m_cmdDelete->show();
    FillGameBoxes();
}

void AddGame::FillGameBoxes()
{
    if (!m_catalogue.HasRow(m_catalogue.CurrentGame) ||
        m_catalogue.CurrentGame >= int(m_catalogue.Games.size()))
        return;
    const GameRecord &game = m_catalogue.Games[std::size_t(m_catalogue.CurrentGame)];
    m_highNum->setText(PlainText(game.HighNumber));
    m_lowNum->setText(PlainText(game.LowNumber));
    m_choiceNum->setText(PlainText(game.Choices));
    m_powerHigh->setText(PlainText(game.PowerBallHigh));
    m_powerLow->setText(PlainText(game.PowerBallLow));
    m_isPowerBall->setChecked(game.HasPowerBall());
    SetPowerBallEnabled(game.HasPowerBall());
}

void AddGame::SetPowerBallEnabled(bool enabled)
{
    // The numbers stay as they are, only greyed.
    for (QWidget *control : {static_cast<QWidget *>(m_powerLow), static_cast<QWidget *>(m_powerHigh),
                             static_cast<QWidget *>(m_upDown3), static_cast<QWidget *>(m_upDown4)})
        control->setEnabled(enabled);
}

void AddGame::IsPowerBallClick(bool checked)
{
    // A lowest Power Ball of 0 means "no Power Ball": checking the box over a game
    // without one would otherwise save it without one all the same.
    if (checked && LeadingNumber(m_powerLow->text().toStdString()) < 1)
        m_upDown3->Step(+1);
}

void AddGame::cmdSaveClick()
{
    const GameEntry entry = ReadEntry();
    if (!PassesEntryRules(entry, true))
        return;
    int newRow = 0;
    if (const Status status = AppendGame(entry, newRow); !status) {
        ReportWriteFailure(status);
        return;
    }
    m_catalogue.CurrentGame = static_cast<std::int16_t>(newRow);
    accept();
}

void AddGame::cmdSaveChangesClick()
{
    const GameEntry entry = ReadEntry();
    if (!PassesEntryRules(entry, false))
        return;
    std::optional<int> changedRow;
    if (const Status status = SaveGameChanges(entry, changedRow); !status) {
        ReportWriteFailure(status);
        return;
    }
    // A name typed over the picked one matches nothing: the picked row stays.
    if (changedRow)
        m_catalogue.CurrentGame = static_cast<std::int16_t>(*changedRow);
    accept();
}

void AddGame::cmdDeleteClick()
{
    const int row = m_catalogue.CurrentGame;
    if (!m_catalogue.HasRow(row) || row >= int(m_catalogue.Games.size()))
        return;
    const QString name = FromCatalogueBytes(m_catalogue.Games[std::size_t(row)].Name);
    const QString title = tr("Are You Sure?");
    if (!m_boxes.Ask(this, tr("Delete - %1?").arg(name), title)) {
        MoveFocus(EntryFocus::MyGames);
        return;
    }
    if (m_catalogue.GameCount == 1 &&
        !m_boxes.Ask(this,
                     tr("%1 is the last game!").arg(name) + QStringLiteral("\r\n") +
                         tr("Deletion of %1 will re-create data file.").arg(name),
                     title)) {
        MoveFocus(EntryFocus::MyGames);
        return;
    }
    if (const Status status = DeleteGame(m_catalogue.Games[std::size_t(row)], row); !status) {
        ReportWriteFailure(status);
        return;
    }
    m_catalogue.CurrentGame = 0;
    accept();
}

void AddGame::reject()
{
    m_catalogue.CurrentGame = 1;
    QDialog::reject();
}

void AddGame::keyPressEvent(QKeyEvent *event)
{
    // Esc closes nothing here: leaving goes through Cancel, Exit or the close box,
    // which all leave CurrentGame set.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

GameEntry AddGame::ReadEntry() const
{
    GameEntry entry;
    // A name shown from the file is written back as the file's own bytes.
    entry.Name = ToCatalogueBytes(m_myGames->currentText(), m_catalogue.Games);
    // The entry rules know the add mode's placeholder by its English name.
    if (!m_cmdSave->isHidden() && m_myGames->currentText() == tr(kUntitledGame))
        entry.Name = kUntitledGame;
    entry.ChoicesText = m_choiceNum->text().toStdString();
    entry.LowText = m_lowNum->text().toStdString();
    entry.HighText = m_highNum->text().toStdString();
    entry.PowerBall = m_isPowerBall->isChecked();
    entry.PowerLowText = m_powerLow->text().toStdString();
    entry.PowerHighText = m_powerHigh->text().toStdString();
    return entry;
}

bool AddGame::PassesEntryRules(const GameEntry &entry, bool isNew)
{
    bool choicesConfirmed = false;
    for (;;) {
        const std::optional<EntryProblem> problem = CheckGameEntry(entry, isNew, choicesConfirmed);
        if (!problem)
            return true;
        const QString prompt = CoreText(problem->Prompt);
        const QString title = CoreText(problem->Title);
        // A question is asked once; a Yes lets the rules after it run.
        if (problem->IsQuestion && !choicesConfirmed) {
            if (m_boxes.Ask(this, prompt, title)) {
                choicesConfirmed = true;
                continue;
            }
        } else {
            m_boxes.Inform(this, prompt, title);
        }
        MoveFocus(problem->Focus);
        return false;
    }
}

void AddGame::MoveFocus(EntryFocus focus)
{
    switch (focus) {
    case EntryFocus::MyGames:
        m_myGames->setFocus();
        break;
    case EntryFocus::ChoiceNum:
        m_choiceNum->setFocus();
        break;
    case EntryFocus::LowNum:
        m_lowNum->setFocus();
        break;
    case EntryFocus::PowerLow:
        m_powerLow->setFocus();
        break;
    }
}

void AddGame::ReportWriteFailure(const Status &status)
{
    // Nothing is taken for done: the editor stays open with every entry kept.
    m_boxes.Inform(this, FileFailureText(status), tr("Data File Error"));
}
