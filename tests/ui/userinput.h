// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Input as a user's arrives: keys through the window to whatever has the focus (or a
// shortcut), and a wheel to the control under the pointer, spontaneous as the window
// system's, so that Qt may move the focus with it.
#include <QtTest>
#include <QtWidgets>

inline void PressKey(QWidget *window, const QString &name) // "Tab", "Alt+X"
{
    const QKeyCombination key = QKeySequence(name)[0];
    QTest::keyClick(window->windowHandle(), key.key(), key.keyboardModifiers());
}

inline void TurnWheel(QWidget *window, QWidget *over, int notches) // up when > 0
{
    const QPoint at = over->mapTo(window, over->rect().center());
    QWidget *under = window->childAt(at);
    QWheelEvent wheel(under->mapFrom(window, at), window->mapToGlobal(at), {}, {0, 120 * notches},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(under, &wheel);
}
