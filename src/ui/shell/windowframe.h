// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// A window of one size: the window system is offered no maximize and no full-screen
// (title bar with close and, when asked, minimize), and a request for either that
// still arrives (a title bar the toolkit draws itself, a desktop shortcut) is undone.
// Call before the window is first shown; its size may be set before or after.
void KeepFixedSize(QWidget *window, bool minimizable);

// Shows window above opener (transient for it, not modal), or brings it to the front
// and gives it the keyboard when it is open. The link is dropped when the opener closes,
// so that the program still ends only with its last window.
void ShowInFront(QWidget *window, QWidget *opener);

// The width a window needs for its title to fit between the icon and the buttons of the
// widest title bar it may get (the one Qt draws on Wayland compositors without their own).
int TitleBarWidth(const QString &title);
