// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamerecord.h"
#include "pickhistory.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;
class QWidget;
class MessageBoxes;
class WindowHub;

// One set of picks as a printed slip shows it.
struct Slip
{
    QString Game;
    QString When;
    QString Numbers;
    QString PowerBall; // empty for a game without one
    QString Odds;      // empty when the game is no longer in the catalogue
};

// A history time ("2026-12-07T16:30:12+01:00") in the user's locale and time zone;
// the text itself when it is no such time.
QString LocalWhen(const std::string &time);

// The slip of a pick; the odds come from the catalogue's game of the same name.
Slip SlipOf(const PastPick &pick, const GameCatalogue &catalogue);

// Draws the slips black on white, several to a page, whatever the palette.
bool PaintSlips(QPagedPaintDevice &device, const QList<Slip> &slips);

// The standard print dialog, then the slips; a printer that cannot start is told.
void PrintSlips(WindowHub &hub, MessageBoxes &boxes, QWidget *parent, const QList<Slip> &slips);
