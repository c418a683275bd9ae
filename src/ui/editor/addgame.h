// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameentry.h"

#include <QDialog>

struct GameCatalogue;
class WindowHub;
class MessageBoxes;
class UpDown;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The game editor: adds a game to games.dat, changes one or deletes one. Its only
// outputs are the file and the row it leaves in CurrentGame for the main window.
class AddGame final : public QDialog
{
    Q_OBJECT
public:
    AddGame(GameCatalogue &catalogue, WindowHub &hub, MessageBoxes &boxes, QWidget *parent = nullptr);

public slots:
    // The close box ends up here: the same as Cancel.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void CreateControls(QWidget *client);
    void CreateMenus();
    void SetTabOrder();
    void ConnectControls();
    void FillGameList();

    void MyGamesClick(int position);
    void FillGameBoxes();
    void SetPowerBallEnabled(bool enabled);
    void IsPowerBallClick(bool checked);
    void cmdSaveClick();
    void cmdSaveChangesClick();
    void cmdDeleteClick();

    GameEntry ReadEntry() const;
    bool PassesEntryRules(const GameEntry &entry, bool isNew);
    void MoveFocus(EntryFocus focus);
    void ReportWriteFailure(const Status &status);

    GameCatalogue &m_catalogue;
    WindowHub &m_hub;
    MessageBoxes &m_boxes;

    QComboBox *m_myGames = nullptr;
    QLineEdit *m_choiceNum = nullptr;
    QLineEdit *m_lowNum = nullptr;
    QLineEdit *m_highNum = nullptr;
    QLineEdit *m_powerLow = nullptr;
    QLineEdit *m_powerHigh = nullptr;
    UpDown *m_upDown2 = nullptr;
    UpDown *m_upDownLow = nullptr;
    UpDown *m_upDown1 = nullptr;
    UpDown *m_upDown3 = nullptr;
    UpDown *m_upDown4 = nullptr;
    QCheckBox *m_isPowerBall = nullptr;
    QPushButton *m_cmdDelete = nullptr;
    QPushButton *m_cmdSave = nullptr;
    QPushButton *m_cmdSaveChanges = nullptr;
    QPushButton *m_cmdCancel = nullptr;
};
