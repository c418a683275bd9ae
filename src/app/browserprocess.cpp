// SPDX-License-Identifier: GPL-3.0-or-later
#include "browserprocess.h"

#include "appinfo.h"
#include "messageboxes.h"
#include "translations.h"

#include <QDir>
#include <QEventLoopLocker>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

namespace {
constexpr qsizetype kErrorsKept = 4096;
const QString kBrowserProgram = QStringLiteral("drawsmith-browser");

// Whether the child has ended and waits to be collected.
bool HasEnded(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}
} // namespace

BrowserProcess::BrowserProcess(MessageBoxes &boxes, QString program, QObject *parent)
    : QObject(parent), m_boxes(boxes), m_program(std::move(program))
{
}

BrowserProcess::~BrowserProcess()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    m_process->closeWriteChannel();
    if (!m_process->waitForFinished(1000))
        m_process->kill();
    m_process->waitForFinished(1000);
}

void BrowserProcess::Show(WId over)
{
    // A browser that has just ended is noticed now, so that this opening starts a new one.
    if (m_process && HasEnded(m_process->processId()))
        m_process->waitForFinished(1000);
    if (!m_process && !Start())
        return;
    m_process->write("show " + QByteArray::number(over) + '\n');
}

void BrowserProcess::Close()
{
    if (m_process)
        m_process->closeWriteChannel();
}

qint64 BrowserProcess::ProcessId() const
{
    return m_process ? m_process->processId() : 0;
}

bool BrowserProcess::Start()
{
    if (!QFileInfo(m_program).isExecutable()) {
        CannotStart(tr("%1 is missing.").arg(QDir::toNativeSeparators(m_program)));
        return false;
    }
    m_ready = false;
    m_output.clear();
    m_errors.clear();
    m_process = new QProcess(this);
    m_process->setProgram(m_program);
    m_process->setArguments({QStringLiteral("--language"), CurrentLanguage()});
    // Besides the end of its input, the kernel ends the browser with this process.
    m_process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    connect(m_process, &QProcess::readyReadStandardOutput, this, &BrowserProcess::ReadOutput);
    connect(m_process, &QProcess::readyReadStandardError, this, &BrowserProcess::ReadErrors);
    connect(m_process, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { Finished(status == QProcess::CrashExit, code); });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            Finished(true, -1);
    });
    m_process->start();
    if (m_process)
        m_keepRunning = std::make_unique<QEventLoopLocker>();
    return m_process != nullptr;
}

void BrowserProcess::ReadOutput()
{
    m_output += m_process->readAllStandardOutput();
    for (qsizetype end; (end = m_output.indexOf('\n')) >= 0;) {
        const QByteArray line = m_output.left(end);
        m_output.remove(0, end + 1);
        if (line == "ready") {
            m_ready = true;
            emit Ready();
        } else if (line.startsWith("shown ")) {
            emit Shown(static_cast<WId>(line.mid(6).toULongLong()));
        }
    }
}

void BrowserProcess::ReadErrors()
{
    const QByteArray errors = m_process->readAllStandardError();
    // Still the user's to see in a terminal, as when the browser was part of the program.
    std::fwrite(errors.constData(), 1, static_cast<std::size_t>(errors.size()), stderr);
    m_errors = (m_errors + errors).right(kErrorsKept);
}

void BrowserProcess::Finished(bool crashed, int code)
{
    if (!m_process)
        return;
    ReadErrors();
    const QString why = m_process->error() == QProcess::FailedToStart ? m_process->errorString()
                                                                      : QString::fromLocal8Bit(m_errors);
    // A browser that ends before its web engine is up could not start; a later end,
    // a crash included, is only the end of that browser.
    const bool failed = !m_ready && (crashed || code != 0);
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    if (failed) {
        const QStringList lines = why.trimmed().split(QLatin1Char('\n'));
        CannotStart(lines.last().isEmpty() ? tr("%1 ended while starting.").arg(kBrowserProgram)
                                           : lines.last());
    }
    // Released after the message, so that the program does not end under it.
    m_keepRunning.reset();
    emit Ended();
}

void BrowserProcess::CannotStart(const QString &why)
{
    m_boxes.Inform(nullptr, tr("The web browser could not be started:\n%1").arg(why), AppInfo::kTitle);
}

QString BrowserProgramPath(const QString &programFolder)
{
    const QDir programDir(programFolder);
    const QString beside = programDir.filePath(kBrowserProgram);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(
        programDir.filePath(QStringLiteral(DRAWSMITH_PLUGIN_FROM_PROGRAM "/") + kBrowserProgram));
}
