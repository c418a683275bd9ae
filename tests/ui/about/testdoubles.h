// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageboxes.h"
#include "windowhub.h"

#include <QStringList>

// Records every box as "title|text" and answers questions with `answer`.
struct ScriptedBoxes final : MessageBoxes
{
    bool answer = false;
    QStringList shown;
    void Inform(QWidget *, const QString &t, const QString &title) override { shown << title + '|' + t; }
    bool Ask(QWidget *, const QString &t, const QString &title) override
    {
        return Inform({}, t, title), answer;
    }
};

struct CountingHub final : WindowHub
{
    int browser = 0;
    void ShowBrowser() override { ++browser; }
    void ShowAbout(QWidget *) override {}
    void ShowHelp(QWidget *) override {}
};
