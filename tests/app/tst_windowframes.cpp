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

#include <memory>

namespace {
bool OffersMaximize(const QWidget *window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    return !flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowMaximizeButtonHint);
}

// Asks the window to maximize, as a title-bar button or a desktop shortcut does, and says
// what it offered before and how it stands once the window system has answered.
QString Enlarge(QWidget *window)
{
    const QSize size = window->size();
    const bool fixed = window->minimumSize() == size && window->maximumSize() == size;
    window->windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTest::qWait(500); // the compositor's answer, if any, comes back meanwhile
    const bool kept = QTest::qWaitFor([&] {
        return window->size() == size && window->maximumSize() == size &&
               !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    });
    return QStringList{OffersMaximize(window) ? "offers maximize" : "no maximize",
                       fixed ? "fixed" : "sizable", kept ? "kept" : "enlarged",
                       window->isVisible() ? "shown" : "gone"}
        .join(", ");
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
        for (const char *window : {"main", "editor", "About", "message box"})
            QTest::addRow("%s maximized", window) << window;
    }
    void fixedSize()
    {
        QFETCH(QString, window);
        QString seen;
        const auto enlarge = [&](QWidget *shown) {
            if (QTest::qWaitForWindowExposed(shown))
                seen = Enlarge(shown);
        };
        if (window == "message box") {
            // Qt's Wayland title bar centres the title over the whole width: a box sized to its
            // prompt alone showed "Data File Not".
            const QString title = "Data File Not Found!";
            int width = 0;
            QTimer::singleShot(0, [&] {
                QWidget *box = QApplication::activeModalWidget();
                width = box->width();
                enlarge(box);
                box->close();
            });
            QtMessageBoxes().Inform(nullptr, "Create a New Data File?", title);
            QVERIFY2(width >= TitleBarWidth(title), qPrintable(QString::number(width)));
        } else {
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
        QCOMPARE(seen, "no maximize, fixed, kept, shown");
    }

    // The help window keeps its sizable border, and its text fills whatever size it is given.
    void helpSizable()
    {
        frmHelp help(m_desk, m_desk);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QVERIFY(OffersMaximize(&help));
        const QSize normal = help.size();
        help.windowHandle()->setWindowStates(Qt::WindowMaximized);
        if (QGuiApplication::platformName() != "xcb") // X11 without a window manager leaves it be
            QTRY_VERIFY(help.width() > normal.width() && help.height() > normal.height());
        QTRY_COMPARE(help.findChild<QWidget *>("txtHelp")->size(), help.centralWidget()->size());
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
        const auto open = [&] {
            window == "frmHelp" ? globals.ShowHelp(nullptr) : globals.ShowAbout(nullptr);
        };
        open();
        QPointer<QWidget> opened = ShownWindows(window).value(0);
        QVERIFY(opened && !opened->isModal());
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
