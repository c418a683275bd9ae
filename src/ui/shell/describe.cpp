// SPDX-License-Identifier: GPL-3.0-or-later
#include "describe.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QWidget>

namespace {
// QLineEdit selects all it holds when Tab brings the focus in: let it see another reason.
class FocusWithoutSelecting final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                reason == Qt::ShortcutFocusReason) {
                QFocusEvent other(QEvent::FocusIn, Qt::OtherFocusReason);
                QCoreApplication::sendEvent(watched, &other);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void Describe(QWidget *control, const QString &caption, const QString &toolTip)
{
    control->setToolTip(toolTip);
    control->setAccessibleDescription(toolTip);
    QString shown = caption;
    shown.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    control->setAccessibleName(!shown.isEmpty()     ? shown
                               : !toolTip.isEmpty() ? toolTip
                                                    : control->objectName());
}

void ReadWithoutSelecting(QLineEdit *box)
{
    box->installEventFilter(new FocusWithoutSelecting(box));
}
