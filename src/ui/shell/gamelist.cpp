// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamelist.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
class ListGuard final : public QObject
{
public:
    explicit ListGuard(QComboBox *combo) : QObject(combo), m_combo(combo) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                return true;
            // AltGr arrives as Ctrl+Alt on some desktops and types real characters.
            const Qt::KeyboardModifiers mods = key->modifiers();
            return mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier) &&
                   !key->text().isEmpty() && key->text().at(0).isPrint();
        }
        case QEvent::Wheel:
            // A wheel turned over a list the user is not in would change the game.
            if (m_combo->hasFocus())
                break;
            event->ignore();
            return true;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QComboBox *m_combo;
};
} // namespace

void MakeListPicksOnly(QComboBox *combo)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    // Not WheelFocus: a wheel turned over the list must not take the user into it.
    combo->setFocusPolicy(Qt::StrongFocus);
    QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, combo, nullptr);
    auto *guard = new ListGuard(combo);
    // Keys reach the list itself; tests and input methods may send them to its text area.
    combo->installEventFilter(guard);
    combo->lineEdit()->installEventFilter(guard);
}
