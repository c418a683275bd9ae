// SPDX-License-Identifier: GPL-3.0-or-later
// The browser in its own process, under X11. This test is the main program's side
// itself; started with --program it is the whole main program instead, driven by
// lines on its standard input.
#include "browserprocess.h"
#include "catalogueloader.h"
#include "globals.h"
#include "program.h"
#include "standins.h"

#include <QtTest>
#include <QtWidgets>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {
// What a GL context maps: the driver loader and Mesa's drivers.
QStringList GlDriversMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    QStringList found;
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("unreadable maps")};
    for (const QByteArray &line : maps.readAll().split('\n'))
        for (const char *driver : {"/dri/", "_dri.so", "gallium", "llvmpipe", "swrast", "libGLX_mesa"})
            if (line.contains(driver) && !found.contains(QString::fromLatin1(driver)))
                found << QString::fromLatin1(driver);
    return found;
}

// The main program, with commands on standard input: open (the browser button,
// answered Yes), exit (the Exit button), gl (prints the GL drivers mapped).
int RunMainProgram(int argc, char *argv[])
{
    return RunProgram(argc, argv, [](QWidget *window) {
        const auto say = [](const QString &line) {
            std::printf("%s\n", qPrintable(line));
            std::fflush(stdout);
        };
        auto *input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, window);
        QObject::connect(input, &QSocketNotifier::activated, window, [window, input, say] {
            char buffer[256];
            const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
            if (got <= 0)
                return input->setEnabled(false);
            for (const QByteArray &command : QByteArray(buffer, got).split('\n')) {
                if (command == "gl") {
                    say("gl " + GlDriversMapped().join(','));
                } else if (command == "open") {
                    auto *answer = new QTimer(window);
                    QObject::connect(answer, &QTimer::timeout, [answer] {
                        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                            box->button(QMessageBox::Yes)->click();
                            answer->deleteLater();
                        }
                    });
                    answer->start(10);
                    window->findChild<QAbstractButton *>("cmdBrowser")->click();
                    say("opened");
                } else if (command == "exit") {
                    window->findChild<QAbstractButton *>("cmdExit")->click();
                }
            }
        });
        QTimer::singleShot(0, window, [say] { say("up"); });
    });
}

struct Process
{
    qint64 pid = 0;
    qint64 parent = 0;
    QByteArray name;
    bool zombie = false;
};

QList<Process> Processes()
{
    QList<Process> all;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile file(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!entry.front().isDigit() || !file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray stat = file.readAll();
        const qsizetype open = stat.indexOf('('), close = stat.lastIndexOf(')');
        const QList<QByteArray> rest = stat.mid(close + 2).split(' ');
        all.append({entry.toLongLong(), rest.value(1).toLongLong(), stat.mid(open + 1, close - open - 1),
                    rest.value(0) == "Z"});
    }
    return all;
}

// The live processes below root.
QList<qint64> Descendants(qint64 root, const QByteArray &name = {})
{
    const QList<Process> all = Processes();
    QList<qint64> found, parents{root};
    while (!parents.isEmpty()) {
        const qint64 parent = parents.takeFirst();
        for (const Process &process : all)
            if (process.parent == parent && !process.zombie) {
                parents << process.pid;
                if (name.isEmpty() || process.name == name)
                    found << process.pid;
            }
    }
    return found;
}

bool Alive(qint64 pid)
{
    for (const Process &process : Processes())
        if (process.pid == pid)
            return !process.zombie;
    return false;
}

xcb_connection_t *X()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

WId TransientFor(WId window)
{
    const auto cookie = xcb_get_property(X(), 0, static_cast<xcb_window_t>(window), XCB_ATOM_WM_TRANSIENT_FOR,
                                         XCB_ATOM_WINDOW, 0, 1);
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(X(), cookie, nullptr), &std::free);
    return reply && xcb_get_property_value_length(reply.get()) == 4
               ? *static_cast<xcb_window_t *>(xcb_get_property_value(reply.get()))
               : 0;
}

// Position from the bottom among the screen's top-level windows; -1 when not there.
int Stacked(WId window)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(X())).data->root;
    const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(X(), xcb_query_tree(X(), root), nullptr),
                                             &std::free);
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree.get()); ++i)
        if (children[i] == window)
            return i;
    return -1;
}

WId Focused()
{
    const Reply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(X(), xcb_get_input_focus(X()), nullptr), &std::free);
    return focus ? focus->focus : 0;
}

xcb_atom_t Atom(const char *name)
{
    const Reply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(X(), xcb_intern_atom(X(), 0, std::strlen(name), name), nullptr), &std::free);
    return atom ? atom->atom : 0;
}

QString Property(WId window, const char *name)
{
    const auto cookie = xcb_get_property(X(), 0, static_cast<xcb_window_t>(window), Atom(name),
                                         XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(X(), cookie, nullptr), &std::free);
    return reply ? QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(reply.get())),
                                     xcb_get_property_value_length(reply.get()))
                 : QString();
}

// What a window manager sends when the user closes a window.
void AskToClose(WId window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = Atom("WM_PROTOCOLS");
    message.data.data32[0] = Atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(X(), 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
    xcb_flush(X());
}
} // namespace

class TestBrowserProcess : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(WriteDefaultCatalogue());
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs X11 (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
    }

    // One browser above the main window: shown again, raised with the keyboard in the same process; closed,
    // its process ends and the next opening starts another.
    void windowRules()
    {
        StandIns desk;
        Globals globals(desk);
        QWidget main;
        main.setObjectName("FrmMain");
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        globals.SetMainWindow(&main);
        BrowserProcess &browser = globals.Browser();
        WId shown = 0;
        bool ready = false;
        connect(&browser, &BrowserProcess::Shown, this, [&](WId window) { shown = window; });
        connect(&browser, &BrowserProcess::Ready, this, [&] { ready = true; });
        QSignalSpy ended(&browser, &BrowserProcess::Ended);

        globals.ShowBrowser();
        QTRY_VERIFY_WITH_TIMEOUT(shown && ready, 60000);
        const qint64 first = browser.ProcessId();
        QVERIFY(first > 0 && first != QCoreApplication::applicationPid());
        QCOMPARE(Descendants(QCoreApplication::applicationPid(), "drawsmith-brows"), QList<qint64>{first});

        // The main window in front with the keyboard, then the browser asked for again.
        main.raise();
        xcb_set_input_focus(X(), XCB_INPUT_FOCUS_PARENT, static_cast<xcb_window_t>(main.winId()),
                            XCB_CURRENT_TIME);
        xcb_flush(X());
        QTRY_VERIFY(main.isActiveWindow() && Stacked(main.winId()) > Stacked(shown));
        shown = 0;
        globals.ShowBrowser();
        QTRY_VERIFY_WITH_TIMEOUT(shown, 30000);
        QTRY_VERIFY(Stacked(shown) > Stacked(main.winId()) && Focused() == shown);
        QTRY_VERIFY(!main.isActiveWindow());
        QCOMPARE(browser.ProcessId(), first);
        QCOMPARE(TransientFor(shown), main.winId());

        // Once a page is in, the window the web view brought (a native window of its own) stays above too.
        const auto paged = [&] {
            const QString title = Property(shown, "_NET_WM_NAME");
            return !title.isEmpty() && title != "Kestrelworks - Drawsmith Browser" && title != "Working...";
        };
        QTRY_VERIFY_WITH_TIMEOUT(paged(), 30000);
        QCOMPARE(TransientFor(shown), main.winId());

        AskToClose(shown);
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
        QVERIFY(!Alive(first));
        QCOMPARE(browser.ProcessId(), 0);
        shown = 0;
        globals.ShowBrowser();
        QTRY_VERIFY_WITH_TIMEOUT(shown, 60000);
        const qint64 second = browser.ProcessId();
        QVERIFY(second != first && Alive(second));
        // The end of its input, as when the main program goes, ends it.
        browser.Close();
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 2, 2000);
        QVERIFY(!Alive(second));
        QCOMPARE(desk.events, QStringList());
    }

    // Only a browser that never came up is reported, once, naming what is missing.
    void cannotStart_data()
    {
        QTest::addColumn<QString>("script"); // the browser program's text; empty: no program
        QTest::addColumn<QString>("message");
        const QString loader =
            "echo 'drawsmith-browser: error while loading shared libraries: libQt6WebEngineCore.so.6: "
            "cannot open shared object file: No such file or directory' >&2; exit 127";
        QTest::newRow("program missing") << ""
                                         << "Drawsmith|The web browser could not be started:\n%1 is missing.";
        QTest::newRow("web engine missing")
            << loader
            << "Drawsmith|The web browser could not be started:\ndrawsmith-browser: error while loading "
               "shared libraries: libQt6WebEngineCore.so.6: cannot open shared object file: No such "
               "file or directory";
        QTest::newRow("crash before it is up") << "kill -SEGV $$"
                                               << "Drawsmith|The web browser could not be started:\n"
                                                  "drawsmith-browser ended while starting.";
        QTest::newRow("end after it is up") << "echo ready; read line; exit 3"
                                            << "";
    }
    void cannotStart()
    {
        QFETCH(QString, script);
        QFETCH(QString, message);
        const QString program = m_dir.filePath("bin/drawsmith-browser");
        QDir(m_dir.path()).mkpath("bin");
        QFile::remove(program);
        if (!script.isEmpty()) {
            QFile file(program);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n" + script.toUtf8() + "\n");
            file.close();
            QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeUser));
        }
        StandIns desk;
        BrowserProcess browser(desk, program);
        QSignalSpy ended(&browser, &BrowserProcess::Ended);
        browser.Show(0);
        if (!script.isEmpty())
            QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 30000);
        if (message.contains("%1"))
            message = message.arg(program);
        QCOMPARE(desk.events, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(browser.ProcessId(), 0);
    }

    // The main program maps no GL driver, before or after a browser visit, and ends with its browser
    // whatever ends it; a browser's end leaves it working.
    void processes_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("Exit ends both") << "exit";
        QTest::newRow("kill -9 of the program ends the browser") << "kill program";
        QTest::newRow("kill -9 of the browser leaves the program working") << "kill browser";
    }
    void processes()
    {
        QFETCH(QString, end);
        QProcess program;
        program.setWorkingDirectory(m_dir.path());
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {"--program"});
        QStringList said;
        // Waits for the next line said that starts so, and takes it; empty when none came.
        const auto hear = [&](const QString &start) {
            QString heard;
            (void)QTest::qWaitFor(
                [&] {
                    while (program.canReadLine())
                        said << QString::fromUtf8(program.readLine()).chopped(1);
                    for (qsizetype i = 0; i < said.size() && heard.isEmpty(); ++i)
                        if (said[i].startsWith(start))
                            heard = said.takeAt(i);
                    return !heard.isEmpty();
                },
                60000);
            return heard;
        };
        const auto command = [&](const QByteArray &line) { program.write(line + '\n'); };
        // The browser with its web engine up: a page's renderer, forked by the engine's zygote, runs below
        // it.
        const auto browserUp = [&] {
            const QList<qint64> browsers = Descendants(program.processId(), "drawsmith-brows");
            if (browsers.size() != 1)
                return qint64(0);
            for (const qint64 zygote : Descendants(browsers[0]))
                if (!Descendants(zygote).isEmpty())
                    return browsers[0];
            return qint64(0);
        };
        const auto glMapped = [&] {
            command("gl");
            return hear("gl");
        };
        QCOMPARE(hear("up"), "up");
        QCOMPARE(glMapped(), "gl ");
        command("open");
        QCOMPARE(hear("opened"), "opened");
        QTRY_VERIFY_WITH_TIMEOUT(browserUp(), 60000);
        const qint64 browser = browserUp();
        const QList<qint64> family = QList<qint64>{browser} + Descendants(browser);
        QCOMPARE(glMapped(), "gl ");

        if (end == "kill browser") {
            ::kill(static_cast<pid_t>(browser), SIGKILL);
            QTRY_VERIFY_WITH_TIMEOUT(!Alive(browser), 30000);
            command("open");
            QCOMPARE(hear("opened"), "opened");
            QTRY_VERIFY_WITH_TIMEOUT(browserUp() && browserUp() != browser, 60000);
            QCOMPARE(glMapped(), "gl ");
            QCOMPARE(program.state(), QProcess::Running);
            program.kill();
            QVERIFY(program.waitForFinished());
            return;
        }
        if (end == "exit")
            command("exit");
        else
            ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished(30000));
        // No orphan stays behind: neither the browser nor its engine's helpers.
        QTRY_VERIFY_WITH_TIMEOUT(std::none_of(family.begin(), family.end(), Alive), 2000);
    }
};

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--program") == 0)
        return RunMainProgram(argc, argv);
    QApplication app(argc, argv);
    TestBrowserProcess test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browserprocess.moc"
