// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmain.h"

#include "addgame.h"
#include "catalogueloader.h"
#include "coretext.h"
#include "filetexts.h"
#include "gamerecord.h"
#include "messageboxes.h"
#include "numbertext.h"
#include "odds.h"
#include "pickbox.h"
#include "pickhistory.h"
#include "picksmenu.h"
#include "platform.h"
#include "runvoice.h"
#include "settingsstore.h"
#include "windowhub.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>

namespace {
const QString kSection = QStringLiteral("GameName");
const QString kKey = QStringLiteral("Game");

// The recovery's questions, asked over the window once it is on screen.
class WindowRecovery final : public RecoveryQuestions
{
public:
    WindowRecovery(MessageBoxes &boxes, QWidget *parent) : m_boxes(boxes), m_parent(parent) {}

    bool AskCreateNewFile() override
    {
        return m_boxes.Ask(m_parent, QCoreApplication::translate("FrmMain", "Create a New Data File?"),
                           QCoreApplication::translate("FrmMain", "Data File Not Found!"));
    }
    bool AskContinue() override
    {
        return m_boxes.Ask(m_parent, QCoreApplication::translate("FrmMain", "Continue?"),
                           QCoreApplication::translate("FrmMain", "You Must Have a Data File!"));
    }
    void ReportWriteFailure(const Status &failure) override
    {
        m_boxes.Inform(m_parent,
                       QCoreApplication::translate("FrmMain", "The new data file could not be written.\n%1")
                           .arg(FileFailureText(failure)),
                       QCoreApplication::translate("FrmMain", "Data File Error"));
    }
    void ReportBackup(const std::filesystem::path &backup) override
    {
        m_boxes.Inform(m_parent,
                       QCoreApplication::translate("FrmMain", "A new data file with six games was written. "
                                                              "Your old games.dat is kept as %1.")
                           .arg(QString::fromStdString(backup.string())),
                       QCoreApplication::translate("FrmMain", "Data File Not Found!"));
    }
    void ReportUnusable(const Status &failure) override
    {
        m_boxes.Inform(m_parent, FileFailureText(failure),
                       QCoreApplication::translate("FrmMain", "Data File Error"));
    }

private:
    MessageBoxes &m_boxes;
    QWidget *m_parent = nullptr;
};

QString FromCatalogueText(const std::string &text)
{
    return FromCatalogueBytes(text);
}
} // namespace

void FrmMain::Load()
{
    m_firstLoad = true;
    LoadGameList();
}

bool FrmMain::LoadGameList()
{
    for (;;) {
        Status failure;
        if (TryLoadGameList(failure))
            return true;
        WindowRecovery questions(m_boxes, isVisible() ? this : nullptr);
        if (RecoverCatalogue(questions, failure) == RecoveryOutcome::EndProgram) {
            m_pump.EndProgram();
            return false;
        }
    }
}

bool FrmMain::TryLoadGameList(Status &failure)
{
    failure = LoadCatalogue(m_catalogue);
    if (!failure)
        return false;
    for (QLineEdit *pick : m_picks)
        pick->show();
    m_txtPowerball->show();
    m_label2->show();

    m_lotGame->clear();
    for (const GameRecord &game : m_catalogue.Games)
        m_lotGame->addItem(FromCatalogueText(game.Name));
    m_lotGame->addItem(tr("Edit or Add Lottery Game"));

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
    ShowInstead(m_cmdStart, m_cmpStop);
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
    m_voice->ShowPicks(SpokenPicks());
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
    m_txtOdds->setText(CoreText(FormatOdds(*odds)));
    return true;
}

void FrmMain::SetCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text);
}

void FrmMain::LotGameClick(int index)
{
    if (index < 0)
        return;
    constexpr int kMostRows = std::numeric_limits<std::int16_t>::max();
    if (index > kMostRows) {
        // A row number is 16 bits wide: the rest of the file is kept, but cannot be chosen.
        m_boxes.Inform(
            this,
            tr("games.dat holds %1 games, but Drawsmith can choose and edit only the first %2. The "
               "other games stay in the file. To edit them, move some games to another file.")
                .arg(m_catalogue.GameCount)
                .arg(kMostRows + 1),
            tr("Too Many Games"));
        m_lotGame->setCurrentIndex(m_catalogue.CurrentGame);
        return;
    }
    m_catalogue.CurrentGame = static_cast<std::int16_t>(index);
    if (m_catalogue.CurrentGame != m_catalogue.GameCount) {
        FreshForm();
        if (ShowGame())
            CanBeDrawn();
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
    if (CanBeDrawn())
        m_generator.Run(*this, *this);
}

bool FrmMain::CanBeDrawn()
{
    // Only a hand-edited line gets here: the editor's range rule keeps such games out.
    const int shown = ShownSlots(m_activeGame.Choices);
    if (FillsDistinct(shown, CurrentRanges()))
        return true;
    const int row = m_catalogue.CurrentGame;
    const QString name =
        m_catalogue.HasRow(row) ? FromCatalogueText(m_catalogue.Games[std::size_t(row)].Name) : QString();
    m_boxes.Inform(this,
                   CannotBeDrawnText(name, row, QString::fromStdString(kCatalogueFile.string()), shown,
                                     m_activeGame.LowNumber, m_activeGame.HighNumber),
                   tr("Number Range Error"));
    return false;
}

void FrmMain::ExitClick()
{
    m_ending = true;
    m_pump.EndProgram();
    // Only a test's pump returns: end the run under way so the test ends cleanly.
    m_generator.RequestStop();
}

void FrmMain::BrowserClick()
{
    if (AskOnline(m_boxes, this))
        m_hub.ShowBrowser();
}

void FrmMain::ShowInstead(QPushButton *shown, QPushButton *hidden)
{
    // Hiding the focused button would pass the focus on to Exit, where the next
    // Space meant for Stop or Start ends the program.
    const bool hadFocus = focusWidget() == hidden;
    shown->show();
    if (hadFocus)
        shown->setFocus(Qt::OtherFocusReason);
    hidden->hide();
}

QString FrmMain::PicksLine() const
{
    const int row = m_catalogue.CurrentGame;
    QString line = m_catalogue.HasRow(row) && std::size_t(row) < m_catalogue.Games.size()
                       ? FromCatalogueText(m_catalogue.Games[std::size_t(row)].Name)
                       : m_label1->text();
    line += QLatin1Char(':');
    for (const PickBox *pick : m_picks)
        if (!pick->isHidden())
            line += QLatin1Char(' ') + pick->text();
    if (!m_txtPowerball->isHidden())
        line += QStringLiteral(" + PB ") + m_txtPowerball->text();
    return line;
}

QString FrmMain::SpokenPicks() const
{
    QStringList numbers;
    for (const PickBox *pick : m_picks)
        if (!pick->isHidden())
            numbers << pick->text();
    if (!m_txtPowerball->isHidden())
        numbers << tr("Power Ball %1").arg(m_txtPowerball->text());
    const int row = m_catalogue.CurrentGame;
    const QString game = m_catalogue.HasRow(row) && std::size_t(row) < m_catalogue.Games.size()
                             ? FromCatalogueText(m_catalogue.Games[std::size_t(row)].Name)
                             : m_label1->text();
    return tr("%1: %2").arg(game, numbers.join(QStringLiteral(", ")));
}

void FrmMain::CopyPicks()
{
    QGuiApplication::clipboard()->setText(PicksLine());
}

std::optional<PastPick> FrmMain::ShownPicks() const
{
    const int row = m_catalogue.CurrentGame;
    if (!m_catalogue.HasRow(row) || std::size_t(row) >= m_catalogue.Games.size())
        return std::nullopt;
    PastPick picks{LocalTimestamp(std::time(nullptr)), m_catalogue.Games[std::size_t(row)].Name, {}, {}};
    for (const PickBox *pick : m_picks)
        if (!pick->isHidden())
            picks.Numbers.push_back(pick->text().toLongLong());
    if (!m_txtPowerball->isHidden())
        picks.PowerBall = m_txtPowerball->text().toLongLong();
    return picks;
}

void FrmMain::ShowPickMenu(PickBox *box, const QPoint &place)
{
    QMenu *menu = box->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    m_picksMenu->AddTo(menu);
    menu->popup(box->mapToGlobal(place));
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    // A text field claims Ctrl+C for itself; let it have the key only when it holds
    // a selection to copy, so that elsewhere Ctrl+C copies the picks.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        const auto *combo = qobject_cast<QComboBox *>(watched);
        const auto *field = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(watched);
        if (field && !field->hasSelectedText()) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::BeginRun()
{
    m_voice->BeginRun();
    m_lblProgress->show();
    SetCaption(m_lblProgress, tr("Working..."));
    m_barVal->show();
    ShowInstead(m_cmpStop, m_cmdStart);
}

void FrmMain::ShowProgress(std::int32_t i, std::int32_t n)
{
    m_progress = static_cast<float>(static_cast<double>(i) / static_cast<double>(n));
    m_barVal->setValue(static_cast<int>(std::lround(m_progress * kBarSteps)));
}

void FrmMain::ShowPick(int slot, long long number)
{
    if (slot >= 1 && slot <= PickGenerator::kSlots)
        m_picks[slot - 1]->ShowNumber(number);
}

void FrmMain::PumpEvents()
{
    m_pump.PumpOnce();
}

void FrmMain::ShowPowerBall(long long number)
{
    m_txtPowerball->ShowNumber(number);
}

void FrmMain::EndRun()
{
    SetCaption(m_lblProgress, tr("Good Luck With Your Picks!"));
    m_barVal->hide();
    ShowInstead(m_cmdStart, m_cmpStop);
    m_voice->EndRun(SpokenPicks());
    if (!m_ending)
        m_picksMenu->RecordRun();
}

PickRanges FrmMain::CurrentRanges() const
{
    return {m_activeGame.LowNumber, m_activeGame.HighNumber, static_cast<double>(m_activeGame.PowerBallLow),
            m_activeGame.PowerBallHigh};
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // Closing the window leaves nothing to show a run's picks in.
    m_ending = true;
    m_generator.RequestStop();
    QMainWindow::closeEvent(event);
}
