// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pickgenerator.h"
#include "status.h"

#include <QMainWindow>

#include <cstdint>
#include <optional>

struct GameCatalogue;
class WindowHub;
class MessageBoxes;
class SettingsStore;
class EventPump;
class PickBox;
class PicksMenu;
struct PastPick;
class RunVoice;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;

// The window's working copy of the current game, from which runs take their ranges.
struct ActiveGame
{
    double Choices = 0;
    double LowNumber = 0;
    double HighNumber = 0;
    std::int16_t PowerBallLow = 0;
    double PowerBallHigh = 0;
    bool PowerBall = false;
};

// The start-up window: the current game, its picks and odds, and the way to every other window.
class FrmMain final : public QMainWindow, private PickObserver, private RangeSource
{
    Q_OBJECT
public:
    FrmMain(GameCatalogue &catalogue, WindowHub &hub, MessageBoxes &boxes, SettingsStore &settings,
            EventPump &pump, RandomSource *random = nullptr, QWidget *parent = nullptr);
    ~FrmMain() override;

    // The window's load: the start-up sequence, run before the window is first shown.
    void Load();
    // Shows the boxes and labels of a freshly applied game; changes visibility only.
    void FreshForm();
    // Applies CurrentGame after the game editor has closed.
    void ChangeGame();

    const ActiveGame &CurrentActiveGame() const { return m_activeGame; }
    // The last value given to BarVal, 0 to 1.
    float ProgressValue() const { return m_progress; }

    static constexpr int kBarSteps = 1000;

private:
    void CreateControls();
    void CreateMenus();
    void SetTabOrder();
    void ConnectEvents();

    bool LoadGameList();
    bool TryLoadGameList(Status &failure);
    std::int16_t SavedSelection();
    void SaveSelection();
    bool ShowGame();
    void ShowRanges();
    bool ShowOdds();
    void SetCaption(QLabel *label, const QString &text);

    void LotGameClick(int index);
    bool EditGames();
    void StartClick();
    // False, after telling the user why, when the game's range cannot fill its shown slots.
    bool CanBeDrawn();
    void ExitClick();
    void BrowserClick();
    // Start and Stop share one place; the focus goes with the one shown.
    void ShowInstead(QPushButton *shown, QPushButton *hidden);
    // The shown picks as one line, e.g. "Power Ball: 5 12 23 31 44 + PB 17".
    QString PicksLine() const;
    // The shown picks as a screen reader says them, e.g. "Power Ball: 5, 12, 23, 31, 44, Power Ball 17".
    QString SpokenPicks() const;
    void CopyPicks();
    // The shown picks, timed now, as the history keeps them; empty when no game is applied.
    std::optional<PastPick> ShownPicks() const;
    void ShowPickMenu(PickBox *box, const QPoint &place);

    // PickObserver
    void BeginRun() override;
    void ShowProgress(std::int32_t i, std::int32_t n) override;
    void ShowPick(int slot, long long number) override;
    void PumpEvents() override;
    void ShowPowerBall(long long number) override;
    void EndRun() override;
    // RangeSource
    PickRanges CurrentRanges() const override;

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    GameCatalogue &m_catalogue;
    WindowHub &m_hub;
    MessageBoxes &m_boxes;
    SettingsStore &m_settings;
    EventPump &m_pump;
    PickGenerator m_generator;

    ActiveGame m_activeGame;
    bool m_firstLoad = true;
    float m_progress = 0;

    QLabel *m_label1 = nullptr;
    PickBox *m_picks[PickGenerator::kSlots] = {};
    QLabel *m_label3 = nullptr;
    QLabel *m_label2 = nullptr;
    QComboBox *m_lotGame = nullptr;
    PickBox *m_txtPowerball = nullptr;
    QLabel *m_lblLow = nullptr;
    QLineEdit *m_txtLow = nullptr;
    QLabel *m_lblHigh = nullptr;
    QLineEdit *m_txtHigh = nullptr;
    QLabel *m_lblLowPower = nullptr;
    QLineEdit *m_txtLowPower = nullptr;
    QLabel *m_lblHighPower = nullptr;
    QLineEdit *m_txtHighPower = nullptr;
    QLabel *m_lblProgress = nullptr;
    QProgressBar *m_barVal = nullptr;
    QLabel *m_lblOdds = nullptr;
    QLineEdit *m_txtOdds = nullptr;
    QPushButton *m_cmdBrowser = nullptr;
    QPushButton *m_cmdStart = nullptr;
    QPushButton *m_cmpStop = nullptr;
    QPushButton *m_cmdExit = nullptr;
    RunVoice *m_voice = nullptr;

    QAction *m_mnuExit = nullptr;
    QMenu *m_mnuHelpDetails = nullptr;
    QAction *m_mnuAbout = nullptr;
    QAction *m_mnuHelp = nullptr;
    QAction *m_mnuBrowser = nullptr;
    QAction *m_copyPicks = nullptr;
    PicksMenu *m_picksMenu = nullptr;
    bool m_ending = false; // Exit or the close box: the run's picks are not kept
};
