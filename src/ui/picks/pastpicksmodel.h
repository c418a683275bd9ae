// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawcheck.h"
#include "pickhistory.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

// The history as a table, one row per line in file order; the view sorts it.
// A matched number is shown with a mark after it, so that it is told apart by
// more than colour and read out as matched.
class PastPicksModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        When,
        Game,
        Numbers,
        PowerBall,
        Matches,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole;
    static inline const QString kMark = QStringLiteral("\u2713");

    explicit PastPicksModel(QObject *parent = nullptr);

    void SetLines(std::vector<HistoryLine> lines);
    const std::vector<HistoryLine> &Lines() const { return m_lines; }
    // Empty matches clear the check.
    void SetMatches(std::vector<std::optional<PickMatch>> matches);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(int row, int column, bool spoken) const;
    QVariant SortKey(int row, int column) const;

    std::vector<HistoryLine> m_lines;
    std::vector<std::optional<PickMatch>> m_matches;
};
