// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

// Where the system-information tool is recorded, and starting it. Two places
// are asked in turn; each read follows GetKeyValue's rules: true when the place
// answered, with the text left as it came in when the answer was no text.
class SysInfoServices
{
public:
    virtual ~SysInfoServices() = default;
    // First place: the full path of the tool's program file.
    virtual bool ReadToolPath(QString &path) = 0;
    // Second place: the folder that holds ToolFile().
    virtual bool ReadToolFolder(QString &folder) = 0;
    // Appended to the folder to name the program file, separator included.
    virtual QString ToolFile() const = 0;
    virtual bool FileExists(const QString &path) = 0;
    // Starts the program without waiting for it. False when it did not start.
    virtual bool Start(const QString &path) = 0;
};

// The running system's: the registry on Windows; elsewhere the setting
// SysInfo/Path, then the folder of hardinfo found on PATH.
std::unique_ptr<SysInfoServices> CreatePlatformSysInfo();
