// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawcheck.h"
#include "gamerecord.h"

#include <QWidget>

#include <filesystem>
#include <optional>

class MessageBoxes;
class PastPicksModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class WindowHub;

// Every recorded run, newest first: copy, delete and print them, and check them
// against a draw. Not modal; reads the history again whenever it is activated
// after the file changed.
class FrmPastPicks final : public QWidget
{
    Q_OBJECT
public:
    FrmPastPicks(const GameCatalogue &catalogue, std::filesystem::path history, WindowHub &hub,
                 MessageBoxes &boxes, QWidget *parent = nullptr);
    ~FrmPastPicks() override;

    // Reads the history again when the file changed since it was last read.
    void Reload();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void ConnectEvents();
    void ReadHistoryFile();
    void FillGames();
    // The selected rows as indexes into the file's lines, in the order shown.
    std::vector<std::size_t> SelectedLines() const;
    bool HasSelection();
    void CopyClick();
    void DeleteClick();
    void PrintClick();
    void CheckClick();
    void SortChosen(int choice);
    void Refuse(const QString &text, QWidget *toCorrect);

    const GameCatalogue &m_catalogue;
    std::filesystem::path m_history;
    WindowHub &m_hub;
    MessageBoxes &m_boxes;
    std::optional<std::filesystem::file_time_type> m_readTime;
    std::uintmax_t m_readSize = 0;
    // The draw last checked, applied again when the history is read again.
    std::optional<std::pair<std::string, Draw>> m_checked;

    PastPicksModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QTableView *m_tblPicks = nullptr;
    QComboBox *m_cboSort = nullptr;
    QPushButton *m_cmdCopy = nullptr;
    QPushButton *m_cmdDelete = nullptr;
    QPushButton *m_cmdPrint = nullptr;
    QComboBox *m_cboGame = nullptr;
    QLineEdit *m_txtDraw = nullptr;
    QLineEdit *m_txtDrawPowerBall = nullptr;
    QPushButton *m_cmdCheck = nullptr;
    QLabel *m_lblStatus = nullptr;
    QPushButton *m_cmdClose = nullptr;
};
