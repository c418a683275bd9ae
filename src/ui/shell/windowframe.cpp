// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowframe.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
constexpr Qt::WindowStates kEnlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
// How long a compositor may take to answer before the window stops waiting for it.
constexpr int kAnswerWaitMs = 2000;

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Undoes maximize and full-screen. An X11 window manager or Qt's offscreen screen take
// the way back at once. A Wayland compositor answers a request with a size of its own
// and ends the connection when the next frame has another: the window takes that size
// for a moment, then asks for its own back, and is fixed again once it has it.
class SizeKeeper final : public QObject
{
public:
    explicit SizeKeeper(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show)
            Watch();
        else if (event->type() == QEvent::Resize && m_lifted)
            Resized();
        // Layouts and message boxes fix their size anew on a layout request: not meanwhile.
        return event->type() == QEvent::LayoutRequest && m_lifted;
    }

private:
    // The native window exists from the first show on, and anew after a re-creation.
    void Watch()
    {
        QWindow *handle = m_window->windowHandle();
        if (!handle || handle == m_handle)
            return;
        m_handle = handle;
        connect(handle, &QWindow::windowStateChanged, this, &SizeKeeper::StateChanged);
    }

    void StateChanged(Qt::WindowState state)
    {
        if (!kEnlarged.testFlag(state))
            return;
        if (!OnWayland()) {
            QTimer::singleShot(0, this, &SizeKeeper::AskForNormal);
            return;
        }
        if (m_lifted)
            return;
        m_size = m_window->size();
        m_lifted = true;
        if (QLayout *layout = m_window->layout()) {
            m_constraint = layout->sizeConstraint();
            layout->setSizeConstraint(QLayout::SetNoConstraint);
        }
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // A compositor that refuses sends no new size: the window is fixed again all the same.
        QTimer::singleShot(kAnswerWaitMs, this, [this] {
            if (m_lifted && m_window->size() == m_size)
                FixAgain();
        });
    }

    void Resized()
    {
        if (m_window->size() != m_size)
            QTimer::singleShot(0, this, &SizeKeeper::AskForNormal);
        else if (!m_handle || !(m_handle->windowStates() & kEnlarged))
            FixAgain();
    }

    void AskForNormal()
    {
        if (m_handle && (m_handle->windowStates() & kEnlarged))
            m_handle->setWindowStates(m_handle->windowStates() & ~kEnlarged);
    }

    void FixAgain()
    {
        m_lifted = false;
        m_window->setFixedSize(m_size);
        if (QLayout *layout = m_window->layout())
            layout->setSizeConstraint(m_constraint);
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::LayoutRequest));
    }

    QWidget *m_window;
    QPointer<QWindow> m_handle;
    QSize m_size;
    QLayout::SizeConstraint m_constraint = QLayout::SetDefaultConstraint;
    bool m_lifted = false;
};

// Drops the transient link when the opener closes: a window with one does not keep
// the program running, and the other window should.
class OpenerLink final : public QObject
{
public:
    OpenerLink(QWidget *window, QWidget *opener) : QObject(window), m_window(window)
    {
        opener->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            if (QWindow *handle = m_window->windowHandle())
                handle->setTransientParent(nullptr);
        return false;
    }

private:
    QWidget *m_window;
};
} // namespace

void KeepFixedSize(QWidget *window, bool minimizable)
{
    Qt::WindowFlags flags = window->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, minimizable);
    flags &= ~(Qt::WindowMaximizeButtonHint | Qt::WindowFullscreenButtonHint);
    window->setWindowFlags(flags);
    new SizeKeeper(window);
}

void ShowInFront(QWidget *window, QWidget *opener)
{
    if (!window->isVisible()) {
        QWindow *openerHandle = opener ? opener->window()->windowHandle() : nullptr;
        if (openerHandle) {
            // Before the first show: Wayland compositors hear of the parent only then.
            window->winId();
            window->windowHandle()->setTransientParent(openerHandle);
            new OpenerLink(window, opener->window());
        }
        window->show();
    } else if (window->isMinimized()) {
        window->showNormal();
    }
    window->raise();
    if (QWindow *handle = window->windowHandle())
        handle->requestActivate();
}

int TitleBarWidth(const QString &title)
{
    // Qt's own Wayland title bar: 14-pixel text centred over the whole width, the icon on
    // the left, three buttons on the right (77 pixels with their spacing); both sides alike.
    constexpr int kSide = 80;
    QFont font = QApplication::font();
    font.setPixelSize(14);
    return QFontMetrics(font).horizontalAdvance(title) + 2 * kSide;
}
