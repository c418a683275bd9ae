// SPDX-License-Identifier: GPL-3.0-or-later
#include "formfont.h"

#include <QStringList>

QFont FormFont(qreal points)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}
