// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;

// Makes an editable combo box whose typed text never chooses an entry: only a pick
// from its list (the activated signal) counts. Qt otherwise picks the entry
// matching the text on Enter or when the text area loses the focus, completes
// what is typed, and adds typed text to the list. The mouse wheel picks only while
// the user is in the list (it has the focus), and Alt with a letter that no access
// key took types nothing.
void MakeListPicksOnly(QComboBox *combo);
