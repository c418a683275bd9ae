// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The platform's style, except that the menu bar's overflow arrows are drawn here:
// Qt reads its own arrow pictures through every image-format plugin installed,
// which made loading those plugins (and their libraries) part of every start.
class LeanStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
