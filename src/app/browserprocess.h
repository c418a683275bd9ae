// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QWindow>

#include <memory>

class MessageBoxes;
class QEventLoopLocker;

// The browser runs as a program of its own (drawsmith-browser), so that this process
// never loads the web engine or a GL driver and a browser crash never ends it. It
// starts the first time the browser is shown; showing it again brings the same
// window to the front; closing its window ends it, and the next Show starts a new
// one. The browser reads its commands on its standard input and ends when that
// closes, so it ends with this process, however this one ends.
class BrowserProcess final : public QObject
{
    Q_OBJECT
public:
    // program: the browser program's path.
    BrowserProcess(MessageBoxes &boxes, QString program, QObject *parent = nullptr);
    ~BrowserProcess() override;

    // Starts the browser, or brings its window to the front; on X11 it stays above `over`.
    void Show(WId over);
    // Ends the browser as closing its window does.
    void Close();
    // The browser's process id; 0 when none runs.
    qint64 ProcessId() const;

signals:
    // The browser's window is on screen: first shown, brought to the front, or shown
    // again in a new native window (as when its web view arrives).
    void Shown(WId window);
    // The browser's web engine is up; an end after this is no failure to start.
    void Ready();
    // The browser's process ended, whatever ended it.
    void Ended();

private:
    bool Start();
    void ReadOutput();
    void ReadErrors();
    void Finished(bool crashed, int code);
    void CannotStart(const QString &why);

    MessageBoxes &m_boxes;
    QString m_program;
    QProcess *m_process = nullptr;
    QByteArray m_output;
    // The end of its standard error, which names a missing library or helper.
    QByteArray m_errors;
    bool m_ready = false;
    // The program runs on while the browser is open, as it did with the window in it.
    std::unique_ptr<QEventLoopLocker> m_keepRunning;
};

// The browser program: beside the main program (the build tree), else in the
// package's private folder, found from the main program's folder.
QString BrowserProgramPath(const QString &programFolder);
