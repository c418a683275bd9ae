// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"

#include "appinfo.h"
#include "filetexts.h"
#include "messageboxes.h"
#include "safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
QStringList ReadLines(const QString &file)
{
    std::string text;
    if (!ReadWholeFile(QFile::encodeName(file).toStdString(), text))
        return {};
    QString all = QString::fromUtf8(text.data(), qsizetype(text.size()));
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return all.split(QLatin1Char('\n'));
}

bool IsSection(const QString &line, const QString &section)
{
    return line.trimmed() == QLatin1Char('[') + section + QLatin1Char(']');
}

bool IsKey(const QString &line, const QString &key)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals > 0 && line.left(equals).trimmed() == key;
}
} // namespace

FileSettingsStore::FileSettingsStore(MessageBoxes *boxes) : m_boxes(boxes), m_file(DefaultFile()) {}

QString FileSettingsStore::DefaultFile()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QLatin1String("/.config");
    return config + QLatin1Char('/') + AppInfo::kTitle + QLatin1Char('/') + AppInfo::kTitle +
           QLatin1String(".conf");
}

QString FileSettingsStore::Read(const QString &section, const QString &key, const QString &defaultValue)
{
    bool inSection = false;
    for (const QString &line : ReadLines(m_file)) {
        if (line.trimmed().startsWith(QLatin1Char('[')))
            inSection = IsSection(line, section);
        else if (inSection && IsKey(line, key))
            return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    }
    return defaultValue;
}

void FileSettingsStore::Write(const QString &section, const QString &key, const QString &value)
{
    // Every other line of the file stays as it is.
    QStringList lines = ReadLines(m_file);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const QString entry = key + QLatin1Char('=') + value;
    qsizetype sectionAt = -1;
    qsizetype insertAt = -1;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        if (lines[i].trimmed().startsWith(QLatin1Char('['))) {
            if (sectionAt >= 0)
                break;
            if (IsSection(lines[i], section))
                sectionAt = insertAt = i + 1;
        } else if (sectionAt >= 0 && IsKey(lines[i], key)) {
            lines[i] = entry;
            done = true;
        } else if (sectionAt >= 0 && !lines[i].trimmed().isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!done && sectionAt >= 0) {
        lines.insert(insertAt, entry);
    } else if (!done) {
        if (!lines.isEmpty())
            lines << QString();
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    }

    QDir().mkpath(QFileInfo(m_file).absolutePath());
    const Status status = ReplaceFile(QFile::encodeName(m_file).toStdString(),
                                      (lines.join(QLatin1Char('\n')) + '\n').toStdString());
    if (!status && !m_reported && m_boxes) {
        m_reported = true;
        m_boxes->Inform(nullptr,
                        QCoreApplication::translate("SettingsStore",
                                                    "Drawsmith could not remember the game you chose.\n%1")
                            .arg(FileFailureText(status)),
                        AppInfo::kTitle);
    }
}
