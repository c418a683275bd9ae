// SPDX-License-Identifier: GPL-3.0-or-later
#include "leanstyle.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {
QIcon Chevron(bool horizontal)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    for (const qreal offset : {3.0, 8.0}) {
        QPolygonF arrow = horizontal ? QPolygonF{{offset, 4}, {offset + 4, 8}, {offset, 12}}
                                     : QPolygonF{{4, offset}, {8, offset + 4}, {12, offset}};
        painter.drawPolyline(arrow);
    }
    return QIcon(pixmap);
}
} // namespace

QIcon LeanStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                              const QWidget *widget) const
{
    switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton:
        return Chevron(true);
    case SP_ToolBarVerticalExtensionButton:
        return Chevron(false);
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}
