// SPDX-License-Identifier: GPL-3.0-or-later
#include "pickbox.h"

#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace {
// QLineEdit keeps this much room on each side of its text, inside the frame.
constexpr qreal kLineEditMargin = 2;
// Glyphs may draw a little past their advance.
constexpr qreal kSlack = 2;

qreal Width(const QFontMetricsF &metrics, const QString &text)
{
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width());
}
} // namespace

PickBox::PickBox(const QString &text, const QFont &face, QWidget *parent)
    : QLineEdit(parent), m_face(face), m_metrics(face)
{
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    // The text after the face: laid out once, in the face it is shown in.
    setFont(face);
    setText(text);
}

void PickBox::ShowNumber(long long number)
{
    setText(QString::number(number));
    FitFace();
}

void PickBox::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    FitFace();
}

void PickBox::FitFace()
{
    // Runs show thousands of numbers: the full face's width is the quick test.
    const qreal room = TextRoom();
    const QString shown = text();
    QFont face = m_face;
    if (const qreal full = Width(m_metrics, shown); full > room) {
        qreal points = std::max<qreal>(1, std::floor(m_face.pointSizeF() * room / full));
        face.setPointSizeF(points);
        while (points > 1 && Width(QFontMetricsF(face), shown) > room)
            face.setPointSizeF(--points);
    }
    if (font().pointSizeF() != face.pointSizeF())
        setFont(face);
}

qreal PickBox::TextRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.width() - 2 * (kLineEditMargin + kSlack);
}
