// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QElapsedTimer>
#include <QLabel>
#include <QList>
#include <QWidget>

// What a screen reader hears of a run. While the numbers flash, the accessibility
// updates of the flashing controls are held back (one per kQuietInterval passes):
// sent one by one, thousands of them kept the screen reader busy for a minute after
// the run. When the outermost run ends the picks are spoken once, by showing a
// notification that a screen reader reads without the focus moving.
class RunVoice final : public QObject
{
    Q_OBJECT
public:
    // The notification and the row of picks go on `client`; `flashing` are the
    // controls a run changes once per set.
    RunVoice(QWidget *client, QList<QObject *> flashing);
    ~RunVoice() override;

    void BeginRun();
    // `picks` is what the user hears, e.g. "Power Ball: 5, 12, 23, 31, 44, Power Ball 17".
    void EndRun(const QString &picks);
    // The row's name: the picks as they stand, heard when the row takes the focus.
    void ShowPicks(const QString &picks);
    QWidget *PicksRow() const { return m_row; }

    static constexpr int kQuietInterval = 500; // ms

private:
    static void Hold(QAccessibleEvent *event);
    static void Forward(QAccessibleEvent *event);
    void Quiet(bool on);

    QList<QObject *> m_flashing;
    QWidget *m_notice = nullptr;
    QLabel *m_row = nullptr;
    int m_depth = 0;
    QElapsedTimer m_lastPassed;
};

// An invisible notification; a screen reader speaks its name each time it is shown.
class RunNotice final : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};
