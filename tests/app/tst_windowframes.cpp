// SPDX-License-Identifier: GPL-3.0-or-later
// Run offscreen, under X11 without a window manager and as a Wayland client of a headless
// compositor: a window system error there ends this process, and the test with it.
#include "addgame.h"
#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "globals.h"
#include "safefile.h"
#include "standins.h"
#include "windowframe.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

namespace {
bool OffersMaximize(const QWidget *window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    return !flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowMaximizeButtonHint);
}

// Asks the window to take state, as a title-bar button or a desktop shortcut does, and says
// what it offered before and how it stands once the window system has answered.
QString Enlarge(QWidget *window, Qt::WindowState state)
{
    const QSize size = window->size();
    QStringList seen{OffersMaximize(window) ? "offers maximize" : "no maximize",
                     window->minimumSize() == size && window->maximumSize() == size ? "fixed" : "sizable"};
    window->windowHandle()->setWindowStates(state);
    QTest::qWait(500); // the compositor's answer, if any, comes back meanwhile
    const bool settled = QTest::qWaitFor(
        [&] {
            return window->size() == size && window->maximumSize() == size &&
                   !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
        },
        5000);
    seen << (settled ? QStringLiteral("kept")
                     : QStringLiteral("%1x%2 up to %3x%4, state %5")
                           .arg(window->width())
                           .arg(window->height())
                           .arg(window->maximumWidth())
                           .arg(window->maximumHeight())
                           .arg(int(window->windowState())));
    seen << (window->isVisible() ? "shown" : "gone");
    return seen.join(", ");
}
} // namespace

class TestWindowFrames : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    GameCatalogue m_catalogue;
    StandIns m_desk;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(ReplaceFile("games.dat", "Big Ball,5,1,49,1,42\r\n"));
    }

    // The main window, the editor, About and the message boxes have one size on every desktop.
    void fixedSize_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("state");
        for (const char *window : {"main", "editor", "About", "message box"}) {
            QTest::addRow("%s maximized", window) << window << int(Qt::WindowMaximized);
            QTest::addRow("%s full screen", window) << window << int(Qt::WindowFullScreen);
        }
    }
    void fixedSize()
    {
        QFETCH(QString, window);
        QFETCH(int, state);
        const QString expected = "no maximize, fixed, kept, shown";
        const auto enlarge = [&](QWidget *shown) {
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            QCOMPARE(Enlarge(shown, Qt::WindowState(state)), expected);
        };
        if (window == "message box") {
            QString seen;
            QTimer::singleShot(0, [&] {
                QWidget *box = QApplication::activeModalWidget();
                if (QTest::qWaitForWindowExposed(box))
                    seen = Enlarge(box, Qt::WindowState(state));
                box->close();
            });
            QtMessageBoxes().Inform(nullptr, "Create a New Data File?", "Data File Not Found!");
            QCOMPARE(seen, expected);
            return;
        }
        std::unique_ptr<QWidget> shown;
        if (window == "main") {
            auto *main = new FrmMain(m_catalogue, m_desk, m_desk, m_desk, m_desk);
            main->Load();
            shown.reset(main);
        } else if (window == "editor") {
            shown = std::make_unique<AddGame>(m_catalogue, m_desk, m_desk);
        } else {
            shown = std::make_unique<frmAboutLotto>(m_desk, m_desk);
        }
        shown->show();
        enlarge(shown.get());
    }

    // The help window keeps its sizable border and its text fills whatever size it is given.
    void helpSizable_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("maximized") << int(Qt::WindowMaximized);
        QTest::newRow("full screen") << int(Qt::WindowFullScreen);
    }
    void helpSizable()
    {
        QFETCH(int, state);
        frmHelp help(m_desk, m_desk);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QVERIFY(OffersMaximize(&help));
        const QSize normal = help.size();
        const QWidget *text = help.findChild<QWidget *>("txtHelp");
        const auto fills = [&] { return text->size() == help.centralWidget()->size(); };
        help.windowHandle()->setWindowStates(Qt::WindowState(state));
        // X11 without a window manager leaves every window as it is.
        if (QGuiApplication::platformName() != "xcb")
            QTRY_VERIFY(help.width() > normal.width() && help.height() > normal.height());
        QTRY_VERIFY(fills());
        help.windowHandle()->setWindowStates(Qt::WindowNoState);
        QTRY_COMPARE(help.size(), normal);
        QTRY_VERIFY(fills());
    }

    // Qt's Wayland title bar centres the title over the whole width: a box sized to a short
    // prompt showed "Data File Not".
    void messageBoxTitleFits_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("first start") << "Data File Not Found!"
                                     << "Create a New Data File?";
        QTest::newRow("a long title") << "Number Range Error in the Catalogue of Games"
                                      << "OK?";
    }
    void messageBoxTitleFits()
    {
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        int width = 0;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            width = box->width();
            box->close();
        });
        QtMessageBoxes().Inform(nullptr, prompt, title);
        QVERIFY2(width >= TitleBarWidth(title), qPrintable(QString::number(width)));
    }

    // About and help stay above the main window, not modal, come to the front with the keyboard
    // when opened again, and keep the program running when the main window closes first.
    void inFront_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("About") << "frmAboutLotto";
        QTest::newRow("help") << "frmHelp";
    }
    void inFront()
    {
        QFETCH(QString, window);
        Globals globals(m_desk);
        QMainWindow main;
        globals.SetMainWindow(&main);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const std::function<void()> open = [&] {
            window == "frmHelp" ? globals.ShowHelp(nullptr) : globals.ShowAbout(nullptr);
        };
        open();
        QPointer<QWidget> opened;
        for (QWidget *shown : QApplication::topLevelWidgets())
            if (shown->objectName() == window && shown->isVisible())
                opened = shown;
        QVERIFY(opened);
        QVERIFY(!opened->isModal());
        QCOMPARE(opened->windowHandle()->transientParent(), main.windowHandle());

        // X11 without a window manager and a Wayland compositor without a seat hand the keyboard
        // on their own terms.
        if (QGuiApplication::platformName() == "offscreen") {
            main.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &main);
            open();
            QTRY_COMPARE(QApplication::activeWindow(), opened.data());
        }
        main.close();
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->windowHandle()->transientParent(), nullptr);
        opened->close();
    }
};

QTEST_MAIN(TestWindowFrames)
#include "tst_windowframes.moc"
