// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsstore.h"
#include "sysinfoservices.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include "advapi32registry.h"
#endif

namespace {
class PlatformSysInfo final : public SysInfoServices
{
public:
#ifdef Q_OS_WIN
    bool ReadToolPath(QString &path) override
    {
        return ReadMachineValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path);
    }
    bool ReadToolFolder(QString &folder) override
    {
        return ReadMachineValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder);
    }
    QString ToolFile() const override
    {
        return QStringLiteral("\\MSINFO32.EXE");
    }
#else
    bool ReadToolPath(QString &path) override
    {
        const QString stored =
            FileSettingsStore().Read(QStringLiteral("SysInfo"), QStringLiteral("Path"), QString());
        if (stored.isEmpty())
            return false;
        path = stored;
        return true;
    }
    bool ReadToolFolder(QString &folder) override
    {
        const QString found = QStandardPaths::findExecutable(QStringLiteral("hardinfo"));
        if (found.isEmpty())
            return false;
        folder = QFileInfo(found).absolutePath();
        return true;
    }
    QString ToolFile() const override
    {
        return QStringLiteral("/hardinfo");
    }
#endif

    bool FileExists(const QString &path) override
    {
        return QFileInfo(path).isFile();
    }

    bool Start(const QString &path) override
    {
        return !path.isEmpty() && QProcess::startDetached(path, {});
    }

private:
#ifdef Q_OS_WIN
    static bool ReadMachineValue(const char *key, const char *name, QString &value)
    {
        Advapi32Registry registry;
        std::string text = value.toLocal8Bit().toStdString();
        const bool read = GetKeyValue(registry, kHKeyLocalMachine, key, name, text);
        value = QString::fromLocal8Bit(text);
        return read;
    }
#endif
};
} // namespace

std::unique_ptr<SysInfoServices> CreatePlatformSysInfo()
{
    return std::make_unique<PlatformSysInfo>();
}
