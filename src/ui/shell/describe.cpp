// SPDX-License-Identifier: GPL-3.0-or-later
#include "describe.h"

#include <QWidget>

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
