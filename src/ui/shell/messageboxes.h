// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through here, so tests can answer them.
// All boxes are modal and carry no icon.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // An OK box that only informs.
    virtual void Inform(QWidget *parent, const QString &prompt, const QString &title) = 0;
    // A Yes/No box, Yes the default, brought to the front. True for Yes.
    virtual bool Ask(QWidget *parent, const QString &prompt, const QString &title) = 0;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    void Inform(QWidget *parent, const QString &prompt, const QString &title) override;
    bool Ask(QWidget *parent, const QString &prompt, const QString &title) override;
};

// The question asked before the browser opens. True when the user is on-line.
bool AskOnline(MessageBoxes &boxes, QWidget *parent);
