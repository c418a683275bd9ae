// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmlottobrowser.h"
#include "twips.h"

#include <QtTest>
#include <QtWidgets>

// What only the browser's own process sees: its caption before the load's first tick, the page it
// starts from, the tool bar's icons and the sizes the layout gives. What a user sees and does is
// driven from outside, against the browser program itself, by tests/e2e/run_browser.py.
class TestFrmLottoBrowser final : public QObject
{
    Q_OBJECT

    // No server: the pages are never looked at here.
    static BrowserAddresses Addresses()
    {
        return {"http://127.0.0.1:9/home", "http://127.0.0.1:9/search", "http://127.0.0.1:9/ca",
                "http://127.0.0.1:9/la",   "http://127.0.0.1:9/ny",     "http://127.0.0.1:9/pb",
                "http://127.0.0.1:9/tx",   "http://127.0.0.1:9/fl"};
    }

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private slots:
    void opens()
    {
        frmLottoBrowser window(Addresses());
        QCOMPARE(window.windowTitle(), QStringLiteral("Kestrelworks - Drawsmith Browser"));
        QCOMPARE(window.StartingAddress, QStringLiteral("http://127.0.0.1:9/home"));
        QStringList withoutIcon;
        for (QAction *action : window.findChild<QToolBar *>("tbToolBar")->actions())
            if (action->icon().isNull())
                withoutIcon << action->data().toString();
        QCOMPARE(withoutIcon, QStringList());
    }

    // Sizes follow the window, never below zero: a window narrower than the margin, one shorter than the
    // address panel, the design size.
    void resize()
    {
        frmLottoBrowser window(Addresses());
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.findChild<QWidget *>("brwWebBrowser"), 30000);
        const auto px = &TwipsToPixels;
        for (const QSize inner :
             {QSize(px(60), px(5985)), QSize(px(10215), px(900)), QSize(px(10215), px(5985))}) {
            window.resize(inner);
            QTRY_COMPARE(window.centralWidget()->size(), inner);
            const int width = std::max(0, inner.width() - px(100));
            const int height = std::max(0, inner.height() - px(540) - px(1155) - px(100));
            QCOMPARE(window.findChild<QWidget *>("brwWebBrowser")->geometry(),
                     QRect(px(120), px(1800), width, height));
            QWidget *box = window.findChild<QWidget *>("cboAddress");
            QCOMPARE(box->geometry(), QRect(px(50), px(810), width, box->height()));
        }
    }
};

QTEST_MAIN(TestFrmLottoBrowser)
#include "tst_frmlottobrowser.moc"
