// SPDX-License-Identifier: GPL-3.0-or-later
#include "appinfo.h"
#include "frmaboutlotto.h"
#include "frmhelp.h"
#include "sysinfoservices.h"
#include "standins.h"

#include <QtTest>
#include <QtWidgets>

#include <stdexcept>

// Set up by letters: P path read, N path read but no text, F folder read, E file
// exists, S start works, X the first read throws. Logs what it is asked in turn.
struct StandInSysInfo final : SysInfoServices
{
    QString setup;
    QStringList log;
    bool ReadToolPath(QString &p) override
    {
        if (setup.contains('X'))
            throw std::runtime_error("registry gone");
        return p = setup.contains('P') ? "/opt/info" : "", setup.contains('P') || setup.contains('N');
    }
    bool ReadToolFolder(QString &f) override { return log << "folder", f = "/bin", setup.contains('F'); }
    QString ToolFile() const override { return "/tool"; }
    bool FileExists(const QString &p) override { return log << "exists " + p, setup.contains('E'); }
    bool Start(const QString &p) override { return log << "start " + p, setup.contains('S') && p.size(); }
};

// The About box and the help window.
class TestAboutAndHelp final : public QObject
{
    Q_OBJECT
    StandIns m_desk;
    StandInSysInfo m_sysInfo;
    frmHelp m_help{m_desk, m_desk};

private slots:
    void init() { m_desk = {}, m_sysInfo = {}; }

    // Every text, then the link: it closes the box and opens the browser without the on-line prompt.
    void textsAndTheLink()
    {
        QPointer about = new frmAboutLotto(m_desk, m_desk, &m_sysInfo);
        QStringList texts{about->findChild<QLabel *>("Label1")->toolTip()};
        for (const char *name : {"cmdOK", "cmdSysInfo", "lblDescription"})
            texts << about->findChild<QWidget *>(name)->property("text").toString();
        // The notice names the licence the program is given under; the author is ours to name.
        QVERIFY(QRegularExpression("^Copyright \\(C\\) 2000, GPL-3\\.0-or-later\nKestrelworks\nWritten By:  \\S.*$")
                    .match(texts.takeLast())
                    .hasMatch());
        QCOMPARE(texts, (QStringList{"Click Here to Visit My Website (You must already be on-line)", "OK",
                                     "&System Info..."}));
        QCOMPARE(VersionLine(2, 10, 45), QStringLiteral("Version 2.10.45")); // not 2.1
        QVERIFY(!about->windowIcon().isNull()); // regression: the linker dropped the icon's resource

        // Every other text as a screen reader hears it, a line at a time: it read a dialog's labels of three
        // words or more, as one run-on text each.
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(about.data());
        QStringList heard{box->text(QAccessible::Name)};
        std::function<void(QAccessibleInterface *)> read = [&](QAccessibleInterface *node) {
            for (int i = 0; i < node->childCount(); ++i) {
                QAccessibleInterface *child = node->child(i);
                if (child->role() == QAccessible::StaticText)
                    heard << child->text(QAccessible::Name);
                read(child);
            }
        };
        read(box);
        QCOMPARE(box->role(), QAccessible::AlertMessage);
        heard[5] = heard[5].section(' ', 0, 1); // the author is ours to name
        QCOMPARE(heard, (QStringList{"About Drawsmith", "Drawsmith", "Version " DRAWSMITH_VERSION_TEXT,
                                     "Copyright (C) 2000, GPL-3.0-or-later", "Kestrelworks", "Written By:",
                                     "Please Click Here to Visit Our Website:", AppInfo::kHomePage,
                                     "You Must Have an Existing Internet Connection", "Warning:",
                                     "Gambling is addictive!", "Please be responsible"}));
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        QTest::mouseClick(about->findChild<QLabel *>("Label1"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about); // the modal opener waits for the box to be destroyed
        QCOMPARE(m_desk.events, QStringList{"browser"});
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("done"); // what the services were asked, then the message box
        using L = QStringList;
        QTest::newRow("recorded path started untested") << "PS" << L{"start /opt/info"};
        QTest::newRow("recorded path fails to start") << "P" << L{"start /opt/info", "unavailable"};
        QTest::newRow("folder holding the tool") << "FES" << L{"folder", "exists /bin/tool", "start /bin/tool"};
        QTest::newRow("error on the way") << "XS" << L{"unavailable"};
    }
    void startSysInfo()
    {
        QFETCH(QString, setup);
        m_sysInfo.setup = setup;
        frmAboutLotto about(m_desk, m_desk, &m_sysInfo);
        about.show();
        QTest::mouseClick(about.findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
        m_desk.events.replaceInStrings("Drawsmith|System Information Is Unavailable At This Time", "unavailable");
        QTEST(m_sysInfo.log + m_desk.events, "done");
        QVERIFY(about.isVisible());
    }

    // The browser opens only on Yes to the on-line prompt.
    void visitTheWebSite()
    {
        QAction *entry = m_help.menuBar()->actions().value(0);
        QCOMPARE(m_help.windowTitle() + '|' + entry->text(), QStringLiteral("Drawsmith Help|&Visit the Web Site"));
        m_desk.script = {"", "Are You On-line?|Yes"}; // No, then Yes
        entry->trigger();
        entry->trigger();
        m_desk.events.replaceInStrings(QRegularExpression("(?s)\\|.*\\|"), " ");
        QCOMPARE(m_desk.events, (QStringList{"Are You On-line? No", "Are You On-line? Yes", "browser"}));
    }
};

QTEST_MAIN(TestAboutAndHelp)
#include "tst_aboutandhelp.moc"
