// SPDX-License-Identifier: GPL-3.0-or-later
#include "buttonkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace {
class EnterPressesButton final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // The window's focus widget rather than hasFocus(): keys reach a window that the
        // window system has not made active, too (an X display without a window manager).
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || button->window()->focusWidget() != button || !button->isEnabled())
            return false;
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
};

QPointer<QObject> g_filter;
} // namespace

void LetEnterPressFocusedButton()
{
    if (g_filter || !qApp)
        return;
    g_filter = new EnterPressesButton(qApp);
    qApp->installEventFilter(g_filter);
}
