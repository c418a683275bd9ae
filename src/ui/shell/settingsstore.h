// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class MessageBoxes;

// The per-user settings store: (section, key) -> text.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString Read(const QString &section, const QString &key, const QString &defaultValue) = 0;
    // Written through to disk at once, so ending the program right after loses nothing.
    virtual void Write(const QString &section, const QString &key, const QString &value) = 0;
};

// An INI file, $XDG_CONFIG_HOME/Drawsmith/Drawsmith.conf ("[Section]" lines,
// then "key=value" lines), read and written with the catalogue's safe file
// routines: a file that is a pipe, a folder or a device is never waited on and
// never replaced. The first write that fails in a run is reported once.
class FileSettingsStore final : public SettingsStore
{
public:
    // Without boxes, failed writes go unreported (a store that is only read).
    explicit FileSettingsStore(MessageBoxes *boxes = nullptr);
    QString Read(const QString &section, const QString &key, const QString &defaultValue) override;
    void Write(const QString &section, const QString &key, const QString &value) override;

    static QString DefaultFile();

private:
    MessageBoxes *m_boxes;
    QString m_file;
    bool m_reported = false;
};
