// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPagedPaintDevice;
class QString;
class QWidget;

enum class PrintResult
{
    Cancelled, // nothing printed, and nothing more to tell
    Printed,
    Failed, // the printer or file chosen could not be opened
};
// Draws every page on the device; false when the device could not be painted on.
using PagePainter = std::function<bool(QPagedPaintDevice &device)>;

// Opens the program's secondary windows. Each exists at most once: opening one
// that is open brings it to the front; closing one unloads it.
class WindowHub
{
public:
    virtual ~WindowHub() = default;
    // The lottery browser, never modal. No on-line prompt here: callers ask first.
    virtual void ShowBrowser() = 0;
    // With modalOver the window opens modally over it and this returns when it
    // closes; with nullptr it opens beside the others, not modal.
    virtual void ShowAbout(QWidget *modalOver) = 0;
    virtual void ShowHelp(QWidget *modalOver) = 0;
    // The recorded runs, never modal.
    virtual void ShowPastPicks() = 0;
    // A run's picks were just added to the history: an open Past Picks shows them.
    virtual void PicksRecorded() {}
    // The standard print dialog over parent; on OK, `paint` draws the pages.
    virtual PrintResult Print(QWidget *parent, const QString &document, const PagePainter &paint) = 0;
};
