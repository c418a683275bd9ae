// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt Widgets program that shows one label.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Drawsmith"));
    FirstPaintExit exitAtPaint(&label);
    label.show();
    return QApplication::exec();
}
