// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmpastpicks.h"

#include "appicon.h"
#include "describe.h"
#include "filetexts.h"
#include "messageboxes.h"
#include "pastpicksmodel.h"
#include "pickslip.h"
#include "windowhub.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Draws a matched number (one with the mark after it) in bold, so that it stands
// out without colour.
class MarkedNumbers final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        if (!text.contains(PastPicksModel::kMark)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QWidget *widget = item.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        // The text's place is measured while the item still holds its text.
        QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(3, 0, -3, 0);
        item.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        painter->save();
        painter->setPen(item.palette.color(item.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                               : QPalette::Text));
        QFont bold = item.font;
        bold.setBold(true);
        for (const QString &word : text.split(QLatin1Char(' '))) {
            const QFont &font = word.endsWith(PastPicksModel::kMark) ? bold : item.font;
            painter->setFont(font);
            const QString shown = word + QLatin1Char(' ');
            painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter, shown);
            room.setLeft(room.left() + QFontMetrics(font).horizontalAdvance(shown));
        }
        painter->restore();
    }
};
} // namespace

FrmPastPicks::FrmPastPicks(const GameCatalogue &catalogue, std::filesystem::path history, WindowHub &hub,
                           MessageBoxes &boxes, QWidget *parent)
    : QWidget(parent, Qt::Window), m_catalogue(catalogue), m_history(std::move(history)), m_hub(hub),
      m_boxes(boxes)
{
    setObjectName(QStringLiteral("frmPastPicks"));
    setWindowTitle(tr("Past Picks"));
    setWindowIcon(AppIcon());
    CreateControls();
    ConnectEvents();
    FillGames();
    ReadHistoryFile();
    resize(760, 520);
}

FrmPastPicks::~FrmPastPicks() = default;

void FrmPastPicks::CreateControls()
{
    auto *layout = new QVBoxLayout(this);
    auto labelFor = [this](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        Describe(buddy, text);
        return label;
    };
    auto button = [this](QPushButton *&field, const char *name, const QString &text) {
        field = new QPushButton(text, this);
        field->setObjectName(QLatin1String(name));
        field->setAutoDefault(false);
        Describe(field, text);
    };

    m_model = new PastPicksModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(PastPicksModel::SortRole);
    m_tblPicks = new QTableView(this);
    m_tblPicks->setObjectName(QStringLiteral("tblPicks"));
    m_tblPicks->setModel(m_sorted);
    m_tblPicks->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tblPicks->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tblPicks->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblPicks->setTabKeyNavigation(false); // Tab leaves the table, as in every other window
    m_tblPicks->setItemDelegate(new MarkedNumbers(m_tblPicks));
    m_tblPicks->verticalHeader()->hide();
    m_tblPicks->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tblPicks->horizontalHeader()->setStretchLastSection(true);
    m_tblPicks->setColumnWidth(PastPicksModel::When, 150);
    m_tblPicks->setColumnWidth(PastPicksModel::Game, 170);
    m_tblPicks->setColumnWidth(PastPicksModel::Numbers, 200);
    m_tblPicks->setColumnWidth(PastPicksModel::PowerBall, 90);
    m_tblPicks->setSortingEnabled(true);
    m_tblPicks->sortByColumn(PastPicksModel::When, Qt::DescendingOrder);

    auto *top = new QHBoxLayout;
    top->addWidget(labelFor(tr("Past pic&ks:"), m_tblPicks), 1);
    m_cboSort = new QComboBox(this);
    m_cboSort->setObjectName(QStringLiteral("cboSort"));
    m_cboSort->addItems({tr("Newest first"), tr("Most matches first")});
    top->addWidget(labelFor(tr("&Sort:"), m_cboSort));
    top->addWidget(m_cboSort);
    layout->addLayout(top);
    layout->addWidget(m_tblPicks, 1);

    auto *actions = new QHBoxLayout;
    button(m_cmdCopy, "cmdCopy", tr("&Copy"));
    button(m_cmdDelete, "cmdDelete", tr("De&lete…"));
    button(m_cmdPrint, "cmdPrint", tr("&Print…"));
    for (QPushButton *action : {m_cmdCopy, m_cmdDelete, m_cmdPrint})
        actions->addWidget(action);
    actions->addStretch(1);
    layout->addLayout(actions);

    auto *check = new QGridLayout;
    m_cboGame = new QComboBox(this);
    m_cboGame->setObjectName(QStringLiteral("cboGame"));
    m_txtDraw = new QLineEdit(this);
    m_txtDraw->setObjectName(QStringLiteral("txtDraw"));
    m_txtDraw->setPlaceholderText(tr("for example 5 12 23 31 44"));
    m_txtDrawPowerBall = new QLineEdit(this);
    m_txtDrawPowerBall->setObjectName(QStringLiteral("txtDrawPowerBall"));
    m_txtDrawPowerBall->setMaximumWidth(80);
    button(m_cmdCheck, "cmdCheck", tr("C&heck"));
    check->addWidget(labelFor(tr("&Game of the draw:"), m_cboGame), 0, 0);
    check->addWidget(m_cboGame, 0, 1);
    check->addWidget(labelFor(tr("&Drawn numbers:"), m_txtDraw), 1, 0);
    check->addWidget(m_txtDraw, 1, 1);
    check->addWidget(labelFor(tr("Drawn Power &Ball:"), m_txtDrawPowerBall), 1, 2);
    check->addWidget(m_txtDrawPowerBall, 1, 3);
    check->addWidget(m_cmdCheck, 1, 4);
    check->setColumnStretch(1, 1);
    layout->addLayout(check);

    auto *bottom = new QHBoxLayout;
    m_lblStatus = new QLabel(this);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lblStatus->setTextFormat(Qt::PlainText);
    m_lblStatus->setWordWrap(true);
    bottom->addWidget(m_lblStatus, 1);
    button(m_cmdClose, "cmdClose", tr("Cl&ose"));
    bottom->addWidget(m_cmdClose);
    layout->addLayout(bottom);

    setTabOrder(m_tblPicks, m_cboSort);
    setTabOrder(m_cboSort, m_cmdCopy);
    setTabOrder(m_cmdCopy, m_cmdDelete);
    setTabOrder(m_cmdDelete, m_cmdPrint);
    setTabOrder(m_cmdPrint, m_cboGame);
    setTabOrder(m_cboGame, m_txtDraw);
    setTabOrder(m_txtDraw, m_txtDrawPowerBall);
    setTabOrder(m_txtDrawPowerBall, m_cmdCheck);
    setTabOrder(m_cmdCheck, m_cmdClose);
    m_tblPicks->setFocus();
}

void FrmPastPicks::ConnectEvents()
{
    connect(m_cmdCopy, &QPushButton::clicked, this, &FrmPastPicks::CopyClick);
    connect(m_cmdDelete, &QPushButton::clicked, this, &FrmPastPicks::DeleteClick);
    connect(m_cmdPrint, &QPushButton::clicked, this, &FrmPastPicks::PrintClick);
    connect(m_cmdCheck, &QPushButton::clicked, this, &FrmPastPicks::CheckClick);
    connect(m_cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(m_cboSort, &QComboBox::activated, this, &FrmPastPicks::SortChosen);
    // Return in a draw field checks, as the button would.
    connect(m_txtDraw, &QLineEdit::returnPressed, this, &FrmPastPicks::CheckClick);
    connect(m_txtDrawPowerBall, &QLineEdit::returnPressed, this, &FrmPastPicks::CheckClick);
    connect(m_cboGame, &QComboBox::currentIndexChanged, this, [this] {
        const int row = m_cboGame->currentIndex();
        const bool ball = row >= 0 && std::size_t(row) < m_catalogue.Games.size() &&
                          m_catalogue.Games[std::size_t(row)].HasPowerBall();
        m_txtDrawPowerBall->setEnabled(ball);
    });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    m_tblPicks->installEventFilter(this);
}

bool FrmPastPicks::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Reload();
    return QWidget::event(event);
}

bool FrmPastPicks::eventFilter(QObject *watched, QEvent *event)
{
    // The table's own Ctrl+C copies one cell; here it copies whole picks.
    if (watched == m_tblPicks &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool copy = key->matches(QKeySequence::Copy);
        const bool remove = key->matches(QKeySequence::Delete) || key->key() == Qt::Key_Delete;
        if (copy || remove) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                copy ? CopyClick() : DeleteClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmPastPicks::Reload()
{
    std::error_code error;
    const auto time = std::filesystem::last_write_time(m_history, error);
    const auto size = error ? 0 : std::filesystem::file_size(m_history, error);
    FillGames(); // the game editor may have changed the games meanwhile
    if (!error && m_readTime == time && m_readSize == size)
        return;
    ReadHistoryFile();
}

void FrmPastPicks::ReadHistoryFile()
{
    std::error_code error;
    m_readTime = std::filesystem::last_write_time(m_history, error);
    if (error)
        m_readTime.reset();
    m_readSize = error ? 0 : std::filesystem::file_size(m_history, error);

    std::vector<HistoryLine> lines;
    const Status status = ReadHistory(m_history, lines);
    m_lblStatus->setText(status ? QString() : FileFailureText(status));
    m_model->SetLines(std::move(lines));
    if (m_checked)
        m_model->SetMatches(CheckDraw(m_model->Lines(), m_checked->first, m_checked->second));
    m_tblPicks->selectRow(0);
}

void FrmPastPicks::FillGames()
{
    const QString chosen = m_cboGame->currentText();
    m_cboGame->clear();
    for (const GameRecord &game : m_catalogue.Games)
        m_cboGame->addItem(FromCatalogueBytes(game.Name));
    const int again = m_cboGame->findText(chosen);
    m_cboGame->setCurrentIndex(again >= 0                                    ? again
                               : m_catalogue.HasRow(m_catalogue.CurrentGame) ? m_catalogue.CurrentGame
                                                                             : 0);
}

std::vector<std::size_t> FrmPastPicks::SelectedLines() const
{
    QModelIndexList rows = m_tblPicks->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    std::vector<std::size_t> lines;
    for (const QModelIndex &row : rows)
        lines.push_back(std::size_t(m_sorted->mapToSource(row).row()));
    return lines;
}

bool FrmPastPicks::HasSelection()
{
    if (m_tblPicks->selectionModel()->hasSelection())
        return true;
    m_boxes.Inform(this, tr("Select one or more picks in the list first."), tr("Past Picks"));
    m_tblPicks->setFocus();
    return false;
}

void FrmPastPicks::CopyClick()
{
    if (!HasSelection())
        return;
    QStringList text;
    for (std::size_t line : SelectedLines()) {
        const HistoryLine &past = m_model->Lines()[line];
        text << FromCatalogueBytes(past.Pick ? FormatCopyLine(*past.Pick) : past.Raw);
    }
    QGuiApplication::clipboard()->setText(text.join(QLatin1Char('\n')));
}

void FrmPastPicks::DeleteClick()
{
    if (!HasSelection())
        return;
    const std::vector<std::size_t> lines = SelectedLines();
    const QString question = lines.size() == 1
                                 ? tr("Delete the selected pick from the history?")
                                 : tr("Delete the %1 selected picks from the history?").arg(lines.size());
    if (!m_boxes.Ask(this, question, tr("Delete Picks")))
        return;
    std::vector<std::string> raws;
    for (std::size_t line : lines)
        raws.push_back(m_model->Lines()[line].Raw);
    if (const Status status = DeleteHistoryLines(m_history, raws); !status)
        m_boxes.Inform(this, FileFailureText(status), tr("Delete Picks"));
    ReadHistoryFile();
    m_tblPicks->setFocus();
}

void FrmPastPicks::PrintClick()
{
    if (!HasSelection())
        return;
    QList<Slip> slips;
    for (std::size_t line : SelectedLines())
        if (const HistoryLine &past = m_model->Lines()[line]; past.Pick)
            slips << SlipOf(*past.Pick, m_catalogue);
    if (slips.isEmpty())
        m_boxes.Inform(this, tr("The selected lines are unreadable and cannot be printed."),
                       tr("Print Picks"));
    PrintSlips(m_hub, m_boxes, this, slips);
}

void FrmPastPicks::Refuse(const QString &text, QWidget *toCorrect)
{
    m_boxes.Inform(this, text, tr("Check a Draw"));
    toCorrect->setFocus();
    if (auto *field = qobject_cast<QLineEdit *>(toCorrect))
        field->selectAll();
}

void FrmPastPicks::CheckClick()
{
    const int row = m_cboGame->currentIndex();
    if (row < 0 || std::size_t(row) >= m_catalogue.Games.size()) {
        Refuse(tr("Choose the game of the draw first."), m_cboGame);
        return;
    }
    const GameRecord &game = m_catalogue.Games[std::size_t(row)];
    const DrawRules rules = RulesOf(game);
    Draw draw;
    const DrawError error =
        ReadDraw(rules, m_txtDraw->text().toStdString(), m_txtDrawPowerBall->text().toStdString(), draw);
    const QString word = QString::fromStdString(error.Text);
    const QString range = tr("%1 draws %2 numbers from %3 to %4.")
                              .arg(FromCatalogueBytes(game.Name))
                              .arg(rules.Count)
                              .arg(rules.Low)
                              .arg(rules.High);
    switch (error.Problem) {
    case DrawProblem::None:
        break;
    case DrawProblem::NotANumber:
        return Refuse(tr("\"%1\" is not a number.").arg(word) + QLatin1Char(' ') + range, m_txtDraw);
    case DrawProblem::OutOfRange:
        return Refuse(tr("%1 is out of range.").arg(word) + QLatin1Char(' ') + range, m_txtDraw);
    case DrawProblem::Repeated:
        return Refuse(tr("%1 is typed twice; a draw holds each number once.").arg(word) + QLatin1Char(' ') +
                          range,
                      m_txtDraw);
    case DrawProblem::Missing:
        return Refuse(tr("A number is missing.") + QLatin1Char(' ') + range, m_txtDraw);
    case DrawProblem::TooMany:
        return Refuse(tr("There are too many numbers.") + QLatin1Char(' ') + range, m_txtDraw);
    case DrawProblem::PowerBallMissing:
    case DrawProblem::PowerBallOutOfRange:
        return Refuse(
            tr("Type the drawn Power Ball, a number from %1 to %2.").arg(rules.PowerLow).arg(rules.PowerHigh),
            m_txtDrawPowerBall);
    }
    m_checked.emplace(game.Name, draw);
    const std::vector<std::optional<PickMatch>> matches = CheckDraw(m_model->Lines(), game.Name, draw);
    const auto checked =
        std::count_if(matches.begin(), matches.end(), [](const auto &match) { return bool(match); });
    m_model->SetMatches(matches);
    m_cboSort->setCurrentIndex(1);
    SortChosen(1);
    m_lblStatus->setText(tr("Past picks of %1 checked: %2. Drawsmith shows matches, not prizes: "
                            "those differ by game and draw.")
                             .arg(FromCatalogueBytes(game.Name))
                             .arg(checked));
    m_lblStatus->setAccessibleName(m_lblStatus->text());
    // The results are in the table, best first: the focus goes there, where a screen
    // reader reads the summary and then the best row.
    m_tblPicks->setAccessibleDescription(m_lblStatus->text());
    m_tblPicks->setFocus(Qt::OtherFocusReason);
}

void FrmPastPicks::SortChosen(int choice)
{
    m_tblPicks->sortByColumn(choice == 1 ? PastPicksModel::Matches : PastPicksModel::When,
                             Qt::DescendingOrder);
    m_tblPicks->selectRow(0);
}
