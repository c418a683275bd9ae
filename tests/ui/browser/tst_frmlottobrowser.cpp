// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmlottobrowser.h"
#include "twips.h"

#include <QWebEngineView>
#include <QtNetwork>
#include <QtTest>
#include <QtWidgets>

// One window and one loopback server serve all cases, each starting and ending idle. Every path is
// a page titled "Page <path>"; a held path is answered only on Release(), so its load stays unfinished.
class TestFrmLottoBrowser final : public QObject
{
    Q_OBJECT
    QTcpServer m_server;
    QStringList m_requests, m_held;
    QString m_base;
    QList<QTcpSocket *> m_waiting; // sockets live as long as the server
    std::unique_ptr<frmLottoBrowser> m_window;

    void Answer(QTcpSocket *socket)
    {
        // The empty icon spares a request for /favicon.ico after each page.
        socket->write(
            "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nCache-Control: no-store\r\n\r\n<link rel=icon "
            "href=data:,><title>Page " +
            socket->property("path").toByteArray() + "</title>");
        socket->disconnectFromHost();
    }
    void Release()
    {
        m_held.clear();
        for (QTcpSocket *socket : std::exchange(m_waiting, {}))
            Answer(socket);
    }
    QString Url(const QString &path) const { return m_base + path; }
    BrowserAddresses Addresses() const
    {
        return {Url("/home"), Url("/search"), Url("/ca"), Url("/la"),
                Url("/ny"),   Url("/pb"),     Url("/tx"), Url("/fl")};
    }
    template <typename T = QWidget> T *Find(const char *name)
    {
        if (!m_window)
            m_window = std::make_unique<frmLottoBrowser>(Addresses()), m_window->show();
        return m_window->findChild<T *>(name);
    }
    bool Idle(const QString &t)
    {
        return !Find<QTimer>("timTimer")->isActive() && m_window->windowTitle() == t;
    }
    QString Shown() { return "Page " + Find<QWebEngineView>("brwWebBrowser")->url().path(); }
    // "/path" typed into the address box and Return; "keypad /path"; "pick N"
    // picks list entry N; a tool bar key; a picture link.
    void Do(const QString &step)
    {
        QComboBox *box = Find<QComboBox>("cboAddress");
        const QString verb = step.section(' ', 0, -2), text = step.section(' ', -1);
        if (QAction *action = Find<QToolBar>("tbToolBar")->findChild<QAction *>(step)) {
            QTest::mouseClick(Find<QToolBar>("tbToolBar")->widgetForAction(action), Qt::LeftButton);
        } else if (step == "imgTexas") { // as an assistive tool presses it
            auto *press = QAccessible::queryAccessibleInterface(Find(qPrintable(step)))->actionInterface();
            press->doAction(QAccessibleActionInterface::pressAction());
        } else if (step.startsWith("img")) {
            QTest::mouseClick(Find(qPrintable(step)), Qt::LeftButton);
        } else if (verb == "pick") {
            box->setCurrentIndex(text.toInt());
            emit box->activated(text.toInt());
        } else {
            // A click into the box, as the user's, then keys to whatever has the focus.
            QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                              box->mapTo(m_window.get(), QPoint(box->height(), box->height() / 2)));
            QTRY_VERIFY(box->isAncestorOf(QApplication::focusWidget()) || box == QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), text.startsWith('/') ? Url(text) : text);
            QTest::keyClick(QApplication::focusWidget(), verb == "keypad" ? Qt::Key_Enter : Qt::Key_Return);
        }
    }

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        m_base = "http://127.0.0.1:" + QString::number(m_server.serverPort());
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                    if (!socket->canReadLine() || !socket->property("path").isNull())
                        return;
                    m_requests << QString::fromLatin1(socket->readLine().split(' ').value(1));
                    socket->setProperty("path", m_requests.last());
                    m_held.contains(m_requests.last()) ? void(m_waiting << socket) : Answer(socket);
                });
        });
    }
    void cleanup() { Release(); }

    // The load: captions, the page asked for, the address list in its own order, tool bar keys and tool-tips.
    void opens()
    {
        m_held = {"/home"};
        QComboBox *box = Find<QComboBox>("cboAddress");
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Kestrelworks - Drawsmith Browser"));
        QCOMPARE(m_window->StartingAddress, Url("/home"));
        QTRY_COMPARE_WITH_TIMEOUT(m_window->windowTitle(), QStringLiteral("Working..."), 30000);
        Release();
        QTRY_VERIFY_WITH_TIMEOUT(Idle("Page /home"), 30000);
        QStringList seen{Find<QLabel>("lblAddress")->text(), box->currentText()};
        for (int i = 0; i < box->count(); ++i)
            seen << QUrl(box->itemText(i)).path();
        for (QAction *action : Find<QToolBar>("tbToolBar")->actions())
            seen << action->data().toString() + (action->icon().isNull() ? " without icon " : " ") +
                        Find<QToolBar>("tbToolBar")->widgetForAction(action)->toolTip();
        QCOMPARE(seen, (QStringList{"&Address:", Url("/home"), "/home", "/ca", "/la", "/ny", "/pb", "/tx", "/fl",
                                    "Back Back", "Forward Forward", "Stop Stop", "Refresh Refresh", "Home Home",
                                    "Search Search"}));
        // Assistive tools must see a frame, as they do the other windows.
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window.get())->role(), QAccessible::Window);
    }

    void steps_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shows"); // the page at the end
        QTest::addColumn<bool>("loads");    // the last step requests that page, held until seen
        using L = QStringList;
        QTest::newRow("Return opens the typed address") << L{"/typed"} << "/typed" << true;
        QTest::newRow("keypad Enter on a listed address") << L{"keypad /ca"} << "/ca" << true;
        // Regression: this left "Working..." up for good, as no load ever started.
        QTest::newRow("picking the page shown loads it again") << L{"pick 3", "pick 3"} << "/ny" << true;
        QTest::newRow("Back then Forward") << L{"/ny", "/tx", "Back", "Forward"} << "/tx" << true;
        QTest::newRow("Refresh loads again") << L{"/la", "Refresh"} << "/la" << true;
        QTest::newRow("Home is the maker's page") << L{"/ny", "Home"} << "/home" << true;
        QTest::newRow("Search is the portal") << L{"/ny", "Search"} << "/search" << true;
        for (const QString link :
             {"imgPowerBall /pb", "imgFla /fl", "imgCal /ca", "imgLa /la", "imgNY /ny", "imgTexas /tx"})
            QTest::newRow(qPrintable(link)) << L{link.section(' ', 0, 0)} << link.section(' ', 1) << true;
    }
    void steps()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, shows);
        QFETCH(bool, loads);
        const QStringList requests = loads ? QStringList{QUrl(shows).path()} : QStringList();
        for (const QString &step : steps.first(steps.size() - 1)) {
            Do(step);
            QTRY_VERIFY_WITH_TIMEOUT(Idle(Shown()), 30000);
        }
        const qsizetype before = m_requests.size();
        m_held = requests;
        QSignalSpy captions(m_window.get(), &QWidget::windowTitleChanged);
        Do(steps.last());
        QTRY_COMPARE_WITH_TIMEOUT(m_requests.mid(before), requests, 30000);
        Release();
        QTRY_VERIFY_WITH_TIMEOUT(Idle("Page " + QUrl(shows).path()), 30000);
        QCOMPARE(m_requests.mid(before), requests);
        QCOMPARE(Find<QWebEngineView>("brwWebBrowser")->url(), QUrl(Url(shows)));
        QCOMPARE(Find<QComboBox>("cboAddress")->count(), 7);
        if (loads) // a picture link leaves the timer off
            QCOMPARE(captions.contains({QStringLiteral("Working...")}), !steps.last().startsWith("img"));
    }

    // Sizes follow the window, never below zero: a window narrower than the margin, one shorter than the
    // address panel, the design size.
    void resize()
    {
        const auto px = &TwipsToPixels;
        for (const QSize inner : {QSize(px(60), px(5985)), QSize(px(10215), px(900)), QSize(px(10215), px(5985))}) {
            m_window->resize(inner);
            QTRY_COMPARE(m_window->centralWidget()->size(), inner);
            const int width = std::max(0, inner.width() - px(100));
            const int height = std::max(0, inner.height() - px(540) - px(1155) - px(100));
            QCOMPARE(Find("brwWebBrowser")->geometry(), QRect(px(120), px(1800), width, height));
            QCOMPARE(Find("cboAddress")->geometry(), QRect(px(50), px(810), width, Find("cboAddress")->height()));
        }
    }
};

QTEST_MAIN(TestFrmLottoBrowser)
#include "tst_frmlottobrowser.moc"
