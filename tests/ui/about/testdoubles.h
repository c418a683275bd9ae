#pragma once

#include "messageboxes.h"
#include "windowhub.h"

#include <QStringList>

// Records every box as "title|prompt" and answers questions with `answer`.
struct ScriptedBoxes final : MessageBoxes
{
    bool answer = false;
    QStringList shown;
    void Inform(QWidget *, const QString &prompt, const QString &title) override
    {
        shown << title + '|' + prompt;
    }
    bool Ask(QWidget *, const QString &prompt, const QString &title) override
    {
        shown << title + '|' + prompt;
        return answer;
    }
};

struct CountingHub final : WindowHub
{
    int browser = 0;
    void ShowBrowser() override { ++browser; }
    void ShowAbout(QWidget *) override {}
    void ShowHelp(QWidget *) override {}
};
