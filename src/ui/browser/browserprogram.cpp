// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's own process, started by the main program the first time the
// browser opens, so that only this process loads the web engine and a GL driver.
//   drawsmith-browser [--language de|es|en]
// Commands come as lines on standard input:
//   show [window]   show the browser, or bring it to the front; on X11 it stays
//                   above that window of the main program
// and it answers on standard output:
//   shown <window>  its window is on screen: first shown, brought to the front,
//                   or shown again in a new native window
//   ready           the web engine is up
// The end of standard input, however the main program ended, ends it.
#include "appsetup.h"
#include "frmlottobrowser.h"
#include "translations.h"

#include <QApplication>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>

#ifdef DRAWSMITH_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

void Tell(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Keeps the window above the main window: Qt writes WM_TRANSIENT_FOR only for
// dialogs and its own parents, and the main window is another process's.
void StayAbove(WId window, WId over)
{
#ifdef DRAWSMITH_HAVE_XCB
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window || !over)
        return;
    const auto parent = static_cast<xcb_window_t>(over);
    xcb_change_property(x11->connection(), XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window),
                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &parent);
    xcb_flush(x11->connection());
#else
    Q_UNUSED(window);
    Q_UNUSED(over);
#endif
}

// Gives an open window the keyboard when the main program asks. Qt asks for it with
// the last time this process heard from the X server, which is older than the
// main window's activation, so the server or the window manager would refuse;
// the request comes from the user's click, so it is made as a user action.
void TakeFocus(WId window)
{
#ifdef DRAWSMITH_HAVE_XCB
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window)
        return;
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto atom = [connection](const char *name) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    };
    xcb_get_property_reply_t *manager = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, root, atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    const bool managed = manager && xcb_get_property_value_length(manager) > 0;
    std::free(manager);
    if (managed) {
        xcb_client_message_event_t activate{};
        activate.response_type = XCB_CLIENT_MESSAGE;
        activate.format = 32;
        activate.window = static_cast<xcb_window_t>(window);
        activate.type = atom("_NET_ACTIVE_WINDOW");
        activate.data.data32[0] = 2; // a user's request
        activate.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&activate));
    } else {
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, static_cast<xcb_window_t>(window),
                            XCB_CURRENT_TIME);
    }
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

class Channel final : public QObject
{
public:
    explicit Channel(frmLottoBrowser &window) : m_window(window), m_input(STDIN_FILENO, QSocketNotifier::Read)
    {
        connect(&m_input, &QSocketNotifier::activated, this, &Channel::Read);
        connect(&window, &frmLottoBrowser::WebEngineStarted, this, [] { Tell("ready"); });
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Each native window is marked once it is on screen: Qt clears the mark as
        // it maps a window, and the web view makes it replace the first one.
        if (event->type() == QEvent::Paint && m_window.internalWinId() != m_marked) {
            m_marked = m_window.internalWinId();
            StayAbove(m_marked, m_over);
            m_painted = true;
            // After the whole frame, children included, is out.
            QTimer::singleShot(0, this, &Channel::TellShown);
        }
        return false;
    }

private:
    void Read()
    {
        char buffer[512];
        const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) { // the main program is gone
            m_input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        m_pending.append(buffer, got);
        for (qsizetype end; (end = m_pending.indexOf('\n')) >= 0;) {
            const QList<QByteArray> words = m_pending.left(end).simplified().split(' ');
            m_pending.remove(0, end + 1);
            if (words.value(0) == "show")
                Show(static_cast<WId>(words.value(1).toULongLong()));
        }
    }

    void Show(WId over)
    {
        if (!m_window.isVisible()) {
            m_over = over;
            m_window.show();
        } else if (m_window.isMinimized()) {
            m_window.showNormal();
        }
        m_window.raise();
        m_window.activateWindow();
        if (m_painted) {
            TakeFocus(m_window.internalWinId());
            TellShown();
        }
    }

    void TellShown() { Tell("shown " + QByteArray::number(m_window.winId())); }

    frmLottoBrowser &m_window;
    QSocketNotifier m_input;
    QByteArray m_pending;
    WId m_over = 0;
    WId m_marked = 0;
    bool m_painted = false;
};

} // namespace

int main(int argc, char *argv[])
{
    // The web engine draws through a GL context shared program-wide; Qt makes it
    // only when asked before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    SetUpApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype language = arguments.indexOf(QStringLiteral("--language"));
    InstallTranslations(language > 0 ? QLocale(arguments.value(language + 1)) : QLocale::system());

    frmLottoBrowser window;
    Channel channel(window);
    return QApplication::exec();
}
