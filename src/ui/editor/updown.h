// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Spin buttons bound to a text box (the buddy): two stacked arrows that step a
// whole number between two limits and write it into the box as plain decimal text.
// Each step starts from the number the box shows, so a box changed by other means
// (typing, the program filling it) is stepped from what the user sees.
// The arrows are for the mouse: the keyboard's Up and Down go to the box, which a
// screen reader hears as one spin button with the box's name and number.
class UpDown final : public QWidget
{
    Q_OBJECT
public:
    UpDown(QLineEdit *buddy, int minimum, int maximum, int value, QWidget *parent = nullptr);

    int Value() const { return m_value; }
    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }
    QLineEdit *Buddy() const { return m_buddy; }

    // One click on the up (+1) or down (-1) arrow.
    void Step(int direction);

    // The number the box shows, as a step starts from it.
    double Shown() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLineEdit *m_buddy = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    int m_increment = 1;
};
