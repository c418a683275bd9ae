// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <vector>

namespace {
const QString kEnglish = QStringLiteral("en");
QString g_language = kEnglish;
std::vector<QPointer<QTranslator>> g_installed;

// An installed copy in the program's share folder wins over the built-in one,
// so a distribution can ship a corrected translation without a rebuild. The
// browser's program lives in the private library folder.
QStringList CatalogueFolders()
{
    const QDir here(QCoreApplication::applicationDirPath());
    return {here.filePath(QStringLiteral(DRAWSMITH_TRANSLATIONS_FROM_PROGRAM)),
            here.filePath(QStringLiteral(DRAWSMITH_TRANSLATIONS_FROM_PLUGIN_DIR)), QStringLiteral(":/i18n")};
}

QString CatalogueFor(const QString &language)
{
    for (const QString &folder : CatalogueFolders()) {
        const QString file = QDir(folder).filePath(QStringLiteral("drawsmith_%1.qm").arg(language));
        if (QFileInfo::exists(file))
            return file;
    }
    return {};
}

void Install(const QString &file)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file) && QCoreApplication::installTranslator(translator))
        g_installed.emplace_back(translator);
    else
        delete translator;
}
} // namespace

QString InstallTranslations(const QLocale &locale)
{
    for (const QPointer<QTranslator> &translator : g_installed)
        delete translator.data(); // deleting one uninstalls it
    g_installed.clear();
    g_language = kEnglish;

    QString catalogue;
    for (const QString &uiLanguage : locale.uiLanguages()) {
        // "de-AT" speaks "de"; a preference for English before German means English.
        const QString language = uiLanguage.section(QLatin1Char('-'), 0, 0).toLower();
        if (language == kEnglish)
            return g_language;
        catalogue = CatalogueFor(language);
        if (!catalogue.isEmpty()) {
            g_language = language;
            break;
        }
    }
    if (catalogue.isEmpty())
        return g_language;

    Install(catalogue);
    // Qt's own texts: the standard buttons of message boxes and dialogs.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    Install(QDir(qtFolder).filePath(QStringLiteral("qtbase_%1.qm").arg(g_language)));
    return g_language;
}

QString CurrentLanguage()
{
    return g_language;
}
