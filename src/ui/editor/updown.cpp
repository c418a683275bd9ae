// SPDX-License-Identifier: GPL-3.0-or-later
#include "updown.h"

#include "numbertext.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <cmath>

UpDown::UpDown(QLineEdit *buddy, int minimum, int maximum, int value, QWidget *parent)
    : QWidget(parent), m_buddy(buddy), m_up(new QToolButton(this)), m_down(new QToolButton(this)),
      m_minimum(minimum), m_maximum(maximum), m_value(value)
{
    // The spin button itself takes the focus (it has a place in the tab order); its
    // arrows are only clicked.
    setFocusPolicy(Qt::TabFocus);
    const auto setUpArrow = [this](QToolButton *arrow, Qt::ArrowType type, const QString &name,
                                   int direction) {
        arrow->setArrowType(type);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setAccessibleName(name);
        connect(arrow, &QToolButton::clicked, this, [this, direction] { Step(direction); });
    };
    setUpArrow(m_up, Qt::UpArrow, tr("Up"), 1);
    setUpArrow(m_down, Qt::DownArrow, tr("Down"), -1);
}

void UpDown::Step(int direction)
{
    // Whole numbers only; a box holding no number counts as 0 and is clamped. A box
    // beyond a limit (typed, or a game from the file) is left alone by the arrow that
    // would bring it back the wrong way: Up never lowers, Down never raises.
    const double shown = std::trunc(LeadingNumber(m_buddy->text().toStdString()));
    const double next = std::clamp(shown + direction * m_increment, double(m_minimum), double(m_maximum));
    if (direction > 0 ? next <= shown : next >= shown)
        return;
    m_value = static_cast<int>(next);
    m_buddy->setText(QString::number(m_value));
}

void UpDown::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up)
        Step(1);
    else if (event->key() == Qt::Key_Down)
        Step(-1);
    else
        QWidget::keyPressEvent(event);
}

void UpDown::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Upper half raises, lower half lowers, as the arrows are drawn.
    const int upperHeight = height() / 2;
    m_up->setGeometry(0, 0, width(), upperHeight);
    m_down->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
