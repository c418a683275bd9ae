// SPDX-License-Identifier: GPL-3.0-or-later
#include "appsetup.h"

#include "appicon.h"
#include "appinfo.h"
#include "formfont.h"
#include "leanstyle.h"

#include <QApplication>

void SetUpApplication()
{
    QApplication::setStyle(new LeanStyle);
    // One face for every window and the menus, so start-up loads no other.
    QApplication::setFont(FormFont());
    QApplication::setApplicationName(AppInfo::kTitle);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(AppInfo::kVersionMajor)
                                            .arg(AppInfo::kVersionMinor)
                                            .arg(AppInfo::kVersionRevision));
    QApplication::setWindowIcon(AppIcon());
    QApplication::setDesktopFileName(QStringLiteral("drawsmith"));
}
