// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickslip.h"

#include "coretext.h"
#include "filetexts.h"
#include "messageboxes.h"
#include "odds.h"
#include "windowhub.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
// Draws one line of text in `font` at the top of `room`, then moves the room's top below it.
void Line(QPainter &painter, QRectF &room, const QFont &font, const QString &text)
{
    painter.setFont(font);
    const QRectF used = painter.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    room.setTop(used.bottom() + painter.fontMetrics().height() * 0.3);
}

QFont Face(qreal points, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
} // namespace

QString LocalWhen(const std::string &time)
{
    const QString text = QString::fromStdString(time);
    const QDateTime when = QDateTime::fromString(text, Qt::ISODate);
    return when.isValid() ? QLocale().toString(when.toLocalTime(), QLocale::ShortFormat) : text;
}

Slip SlipOf(const PastPick &pick, const GameCatalogue &catalogue)
{
    Slip slip;
    slip.Game = FromCatalogueBytes(pick.Game);
    slip.When = LocalWhen(pick.Time);
    QStringList numbers;
    for (int number : pick.Numbers)
        numbers << QString::number(number);
    slip.Numbers = numbers.join(QStringLiteral("  "));
    if (pick.PowerBall)
        slip.PowerBall = QString::number(*pick.PowerBall);
    for (const GameRecord &game : catalogue.Games) {
        if (game.Name != pick.Game)
            continue;
        if (const std::optional<double> odds =
                ComputeOdds(game.HighNumber, game.LowNumber, game.Choices, game.HasPowerBall(),
                            game.PowerBallLow, game.PowerBallHigh))
            slip.Odds = CoreText(FormatOdds(*odds));
        break;
    }
    return slip;
}

bool PaintSlips(QPagedPaintDevice &device, const QList<Slip> &slips)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int dpi = device.logicalDpiY();
    const QRectF paper = device.pageLayout().paintRectPixels(dpi);
    const QRectF page(0, 0, paper.width(), paper.height());
    const qreal gap = dpi / 4.0;
    const qreal slipHeight = (page.height() - 2 * gap) / 3;
    int onPage = 0;
    for (const Slip &slip : slips) {
        if (onPage == 3) {
            device.newPage();
            onPage = 0;
        }
        const QRectF frame(page.left(), page.top() + onPage * (slipHeight + gap), page.width(), slipHeight);
        // Black set here, never the palette's text colour, which is light under a dark theme.
        painter.setPen(QPen(Qt::black, dpi / 72.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
        QRectF room = frame.adjusted(gap, gap / 2, -gap, -gap / 2);
        Line(painter, room, Face(18, true), slip.Game);
        Line(painter, room, Face(11, false), slip.When);
        Line(painter, room, Face(30, true), slip.Numbers);
        if (!slip.PowerBall.isEmpty())
            Line(painter, room, Face(30, true),
                 QCoreApplication::translate("PickSlip", "Power Ball %1").arg(slip.PowerBall));
        if (!slip.Odds.isEmpty())
            Line(painter, room, Face(11, false),
                 QCoreApplication::translate("PickSlip", "Odds of winning the grand prize: %1")
                     .arg(slip.Odds));
        ++onPage;
    }
    return painter.end();
}

void PrintSlips(WindowHub &hub, MessageBoxes &boxes, QWidget *parent, const QList<Slip> &slips)
{
    if (slips.isEmpty())
        return;
    const PrintResult result =
        hub.Print(parent, QCoreApplication::translate("PickSlip", "Drawsmith picks"),
                  [&](QPagedPaintDevice &device) { return PaintSlips(device, slips); });
    if (result == PrintResult::Failed)
        boxes.Inform(
            parent,
            QCoreApplication::translate(
                "PickSlip", "The picks could not be printed: the printer or file could not be opened."),
            QCoreApplication::translate("PickSlip", "Print Picks"));
}
