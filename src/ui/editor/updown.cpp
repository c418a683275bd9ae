// SPDX-License-Identifier: GPL-3.0-or-later
#include "updown.h"

#include "numbertext.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {
const char *const kSpinProperty = "drawsmithUpDown";

// The box as a screen reader meets it: a spin button named for its label, whose
// value is the number shown and whose limits are the arrows'.
class SpinBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleValueInterface,
                                public QAccessibleTextInterface
{
public:
    SpinBoxAccessible(QLineEdit *box, UpDown *spin)
        : QAccessibleWidget(box, QAccessible::SpinBox), m_box(box), m_spin(spin)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? m_box->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true; // by the arrows and Up and Down, if not by typing
        return state;
    }

    // QAccessibleValueInterface
    QVariant currentValue() const override { return m_spin->Shown(); }
    void setCurrentValue(const QVariant &value) override
    {
        const int wanted = value.toInt();
        for (int guard = 0; guard <= m_spin->Maximum() - m_spin->Minimum() && m_spin->Shown() != wanted;
             ++guard)
            m_spin->Step(m_spin->Shown() < wanted ? 1 : -1);
    }
    QVariant maximumValue() const override { return m_spin->Maximum(); }
    QVariant minimumValue() const override { return m_spin->Minimum(); }
    QVariant minimumStepSize() const override { return 1; }

    // QAccessibleTextInterface: the box's one line, read as it stands.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = m_box->selectionStart();
        *endOffset = *startOffset < 0 ? -1 : *startOffset + int(m_box->selectedText().size());
        if (*startOffset < 0)
            *startOffset = -1;
    }
    int selectionCount() const override { return m_box->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { m_box->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        m_box->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return m_box->cursorPosition(); }
    void setCursorPosition(int position) override { m_box->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return m_box->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(m_box->text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        Q_UNUSED(offset);
        return {};
    }

private:
    QLineEdit *m_box;
    UpDown *m_spin;
};

QAccessibleInterface *SpinBoxFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("QLineEdit") || !object)
        return nullptr;
    auto *spin = qobject_cast<UpDown *>(object->property(kSpinProperty).value<QObject *>());
    return spin ? new SpinBoxAccessible(static_cast<QLineEdit *>(object), spin) : nullptr;
}
} // namespace

UpDown::UpDown(QLineEdit *buddy, int minimum, int maximum, int value, QWidget *parent)
    : QWidget(parent), m_buddy(buddy), m_up(new QToolButton(this)), m_down(new QToolButton(this)),
      m_minimum(minimum), m_maximum(maximum), m_value(value)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(SpinBoxFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // The box takes the focus and the keys; the arrows are only clicked.
    setFocusPolicy(Qt::NoFocus);
    m_buddy->setProperty(kSpinProperty, QVariant::fromValue<QObject *>(this));
    m_buddy->installEventFilter(this);
    // An interface made for the plain box before it was bound (naming it makes one) would stay in use.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(m_buddy)));
    connect(m_buddy, &QLineEdit::textChanged, this, [this] {
        QAccessibleValueChangeEvent changed(m_buddy, Shown());
        QAccessible::updateAccessibility(&changed);
    });
    const auto setUpArrow = [this](QToolButton *arrow, Qt::ArrowType type, const QString &name,
                                   int direction) {
        arrow->setArrowType(type);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setAccessibleName(name);
        connect(arrow, &QToolButton::clicked, this, [this, direction] { Step(direction); });
    };
    setUpArrow(m_up, Qt::UpArrow, tr("Up"), 1);
    setUpArrow(m_down, Qt::DownArrow, tr("Down"), -1);
}

void UpDown::Step(int direction)
{
    // Whole numbers only; a box holding no number counts as 0 and is clamped. A box
    // beyond a limit (typed, or a game from the file) is left alone by the arrow that
    // would bring it back the wrong way: Up never lowers, Down never raises.
    const double shown = Shown();
    const double next = std::clamp(shown + direction * m_increment, double(m_minimum), double(m_maximum));
    if (direction > 0 ? next <= shown : next >= shown)
        return;
    m_value = static_cast<int>(next);
    m_buddy->setText(QString::number(m_value));
}

double UpDown::Shown() const
{
    return std::trunc(LeadingNumber(m_buddy->text().toStdString()));
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && key->modifiers() == Qt::NoModifier) {
            Step(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Upper half raises, lower half lowers, as the arrows are drawn.
    const int upperHeight = height() / 2;
    m_up->setGeometry(0, 0, width(), upperHeight);
    m_down->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
