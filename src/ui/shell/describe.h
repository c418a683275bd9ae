// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Assistive tools find each control by its caption (access-key ampersands
// removed), else its tool-tip, else its object name; the tool-tip also serves
// as its description.
void Describe(QWidget *control, const QString &caption, const QString &toolTip = {});

class QLineEdit;
// A read-only box reached by Tab keeps its text unselected, so that a screen reader
// reads the text instead of announcing it "selected".
void ReadWithoutSelecting(QLineEdit *box);
