// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// Number <-> text rules shared by the windows and the catalogue. None of them
// depends on the C or system locale: the period is always the decimal separator.

// The number a text begins with: blanks, tabs, CR and LF are ignored wherever they
// stand; optional sign, digits, optional fraction, optional exponent (E+15);
// reading stops at the first character that cannot continue the number; 0 when
// the text begins with no number.
double LeadingNumber(std::string_view text);

// General number format: at most 15 significant digits, no trailing zeros,
// "E+15" style exponent from 1E+15 upward (and below 1E-04).
std::string FormatGeneral(double value);

// Plain decimal text of a number for a text box: "0", "42", "-3", "1.5".
std::string FormatPlain(double value);

// Strict reading of a whole value (as in a games.dat field): optional blanks
// around a decimal number and nothing else. False when the text is no number.
bool ParseNumber(std::string_view text, double &value);
