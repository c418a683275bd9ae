// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace AppInfo {
inline const QString kTitle = QStringLiteral("Drawsmith");
inline const QString kMaker = QStringLiteral("Kestrelworks");
// The maker's home page: the browser's start page and Home, the About box's link
// and the help document.
inline const QString kHomePage = QStringLiteral("http://www.kestrelworks.example/drawsmith/");
// From the project's version in CMakeLists.txt.
inline constexpr int kVersionMajor = DRAWSMITH_VERSION_MAJOR;
inline constexpr int kVersionMinor = DRAWSMITH_VERSION_MINOR;
inline constexpr int kVersionRevision = DRAWSMITH_VERSION_PATCH;
} // namespace AppInfo
