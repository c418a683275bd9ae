// SPDX-License-Identifier: GPL-3.0-or-later
#include "pastpicksmodel.h"

#include "filetexts.h"
#include "pickslip.h"

namespace {
constexpr qint64 kRowsApart = qint64(1) << 32;
} // namespace

PastPicksModel::PastPicksModel(QObject *parent) : QAbstractTableModel(parent) {}

void PastPicksModel::SetLines(std::vector<HistoryLine> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    m_matches.clear();
    endResetModel();
}

void PastPicksModel::SetMatches(std::vector<std::optional<PickMatch>> matches)
{
    m_matches = std::move(matches);
    if (!m_lines.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int PastPicksModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int PastPicksModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PastPicksModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return Text(index.row(), index.column(), false);
    case Qt::AccessibleTextRole:
        return Text(index.row(), index.column(), true);
    case SortRole:
        return SortKey(index.row(), index.column());
    default:
        return {};
    }
}

QString PastPicksModel::Text(int row, int column, bool spoken) const
{
    const HistoryLine &line = m_lines[std::size_t(row)];
    const std::optional<PickMatch> *match = std::size_t(row) < m_matches.size() && m_matches[std::size_t(row)]
                                                ? &m_matches[std::size_t(row)]
                                                : nullptr;
    if (!line.Pick) {
        if (column == When)
            return tr("Unreadable line");
        return column == Game ? FromCatalogueBytes(line.Raw) : QString();
    }
    const PastPick &pick = *line.Pick;
    const QString matched = spoken ? QLatin1Char(' ') + tr("matched") : kMark;
    switch (column) {
    case When:
        return LocalWhen(pick.Time);
    case Game:
        return FromCatalogueBytes(pick.Game);
    case Numbers: {
        QStringList numbers;
        for (std::size_t i = 0; i < pick.Numbers.size(); ++i)
            numbers << QString::number(pick.Numbers[i]) +
                           (match && i < (*match)->Matched.size() && (*match)->Matched[i] ? matched
                                                                                          : QString());
        return numbers.join(spoken ? QStringLiteral(", ") : QStringLiteral(" "));
    }
    case PowerBall:
        if (!pick.PowerBall)
            return {};
        return QString::number(*pick.PowerBall) + (match && (*match)->PowerBall ? matched : QString());
    case Matches:
        if (!match)
            return {};
        return (*match)->PowerBall ? tr("%1 + PB").arg((*match)->Count) : QString::number((*match)->Count);
    default:
        return {};
    }
}

QVariant PastPicksModel::SortKey(int row, int column) const
{
    const HistoryLine &line = m_lines[std::size_t(row)];
    switch (column) {
    case When: // the file keeps runs in the order they ended
        return row;
    case Matches:
        if (std::size_t(row) < m_matches.size() && m_matches[std::size_t(row)]) {
            const PickMatch &match = *m_matches[std::size_t(row)];
            // Equal matches stay newest first.
            return qint64(match.Count * 2 + (match.PowerBall ? 1 : 0) + 1) * kRowsApart + row;
        }
        return qint64(row);
    case PowerBall:
        return line.Pick && line.Pick->PowerBall ? *line.Pick->PowerBall : -1;
    default:
        return Text(row, column, false);
    }
}

QVariant PastPicksModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case When:
        return tr("When");
    case Game:
        return tr("Game");
    case Numbers:
        return tr("Numbers");
    case PowerBall:
        return tr("Power Ball");
    case Matches:
        return tr("Matches");
    default:
        return {};
    }
}
