// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLocale;

// Installs Drawsmith's and Qt's own translations for the first of the locale's
// interface languages that Drawsmith speaks, replacing any installed before,
// and returns that language ("de", "es"); English, the language of the
// source texts, installs nothing and returns "en".
QString InstallTranslations(const QLocale &locale);

// The language chosen by the last InstallTranslations ("en" before any).
QString CurrentLanguage();
