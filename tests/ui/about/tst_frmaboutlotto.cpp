#include "appinfo.h"
#include "frmaboutlotto.h"
#include "registry.h"
#include "sysinfoservices.h"
#include "testdoubles.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace {
// Set up by letters: P path read, N path read but no text, F folder read,
// E file exists, S start works, X the first read throws. Records what is asked.
struct StandInSysInfo final : SysInfoServices
{
    QString setup;
    bool folderAsked = false;
    QStringList started;
    bool ReadToolPath(QString &path) override
    {
        if (setup.contains('X'))
            throw std::runtime_error("registry gone");
        if (setup.contains('P'))
            path = QStringLiteral("/opt/info");
        return setup.contains('P') || setup.contains('N');
    }
    bool ReadToolFolder(QString &folder) override
    {
        folderAsked = true;
        folder = QStringLiteral("/usr/bin");
        return setup.contains('F');
    }
    QString ToolFile() const override { return QStringLiteral("/tool"); }
    bool FileExists(const QString &) override { return setup.contains('E'); }
    bool Start(const QString &path) override
    {
        return started << path, setup.contains('S') && !path.isEmpty();
    }
};

// advapi32's behaviour for one key holding one value.
struct StandInRegistry final : Registry
{
    std::uint32_t type = 1;
    QByteArray data;
    QString missing; // "key", "value" or empty
    Handle rootAsked = 0;
    std::uint32_t accessAsked = 0;
    int open = 0;
    long OpenKey(Handle root, const std::string &, std::uint32_t access, Handle &key) override
    {
        rootAsked = root, accessAsked = access, key = 42;
        return missing == "key" ? 2 : (++open, 0);
    }
    long QueryValue(Handle, const std::string &, std::uint32_t &t, char *out, std::uint32_t &size) override
    {
        if (missing == "value")
            return 2;
        const bool fits = std::uint32_t(data.size()) <= size;
        if (fits)
            std::copy(data.begin(), data.end(), out);
        t = type, size = std::uint32_t(data.size());
        return fits ? 0 : 234; // ERROR_MORE_DATA
    }
    long CloseKey(Handle) override { return --open, 0; }
};
} // namespace

class TestAbout final : public QObject
{
    Q_OBJECT
    CountingHub m_hub;
    ScriptedBoxes m_boxes;
    StandInSysInfo m_sysInfo;

private slots:
    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << "lblTitle"
                               << "Drawsmith";
        QTest::newRow("version") << "lblVersion"
                                 << "Version 1.0.0";
        QTest::newRow("link") << "Label1"
                              << "Please Click Here to Visit Our Website:\n" + AppInfo::kHomePage +
                                     "\nYou Must Have an Existing Internet Connection";
        QTest::newRow("warning") << "lblDisclaimer"
                                 << "Warning:\nGambling is addictive!\nPlease be responsible";
        QTest::newRow("ok") << "cmdOK"
                            << "OK";
        QTest::newRow("system info") << "cmdSysInfo"
                                     << "&System Info...";
    }
    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        frmAboutLotto about(m_hub, m_boxes, &m_sysInfo);
        QCOMPARE(about.findChild<QWidget *>(name)->property("text").toString(), text);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Drawsmith"));
        QVERIFY(!about.windowIcon().isNull()); // regression: the linker dropped the icon's resource
        const QStringList credits = about.findChild<QLabel *>("lblDescription")->text().split('\n');
        QCOMPARE(credits.size(), 3);
        QVERIFY(credits[0].contains("2000"));
        QCOMPARE(credits[1], QStringLiteral("Kestrelworks"));
        QVERIFY(credits[2].startsWith("Written By:  ") && credits[2].size() > 13 && credits[2][13] != ' ');
    }

    void versionLine_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("line");
        QTest::newRow("first release") << QList<int>{1, 0, 0} << "Version 1.0.0";
        QTest::newRow("two-digit minor is not a fraction") << QList<int>{1, 10, 0} << "Version 1.10.0";
        QTest::newRow("no leading zeros") << QList<int>{2, 3, 45} << "Version 2.3.45";
    }
    void versionLine()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, line);
        QCOMPARE(VersionLine(numbers[0], numbers[1], numbers[2]), line);
    }

    void closing_data()
    {
        QTest::addColumn<int>("key"); // 0: click the link
        QTest::newRow("link") << 0;
        QTest::newRow("OK by Enter") << int(Qt::Key_Return);
        QTest::newRow("OK by Esc") << int(Qt::Key_Escape);
    }
    void closing()
    {
        QFETCH(int, key);
        m_hub = {}, m_boxes = {};
        QPointer about = new frmAboutLotto(m_hub, m_boxes, &m_sysInfo);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        if (key)
            QTest::keyClick(about, Qt::Key(key));
        else
            QTest::mouseClick(about->findChild<QLabel *>("Label1"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about); // the modal opener waits for the box to be destroyed
        QCOMPARE(m_hub.browser, key ? 0 : 1);
        QVERIFY(m_boxes.shown.isEmpty()); // the link asks nothing
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("started");
        QTest::addColumn<bool>("folderAsked");
        QTest::newRow("recorded path started untested") << "PS"
                                                        << "/opt/info" << false;
        QTest::newRow("recorded path fails to start") << "P"
                                                      << "/opt/info" << false;
        QTest::newRow("recorded value not text") << "NS"
                                                 << "" << false;
        QTest::newRow("folder holding the tool") << "FES"
                                                 << "/usr/bin/tool" << true;
        QTest::newRow("folder without the tool") << "FS" << QString() << true;
        QTest::newRow("nothing recorded") << "S" << QString() << true;
        QTest::newRow("error on the way") << "XS" << QString() << false;
    }
    void startSysInfo()
    {
        QFETCH(QString, setup);
        QFETCH(QString, started);
        QFETCH(bool, folderAsked);
        m_boxes = {};
        m_sysInfo = {};
        m_sysInfo.setup = setup;
        frmAboutLotto about(m_hub, m_boxes, &m_sysInfo);
        about.show();
        about.findChild<QPushButton *>("cmdSysInfo")->click();
        QCOMPARE(m_sysInfo.started, started.isNull() ? QStringList() : QStringList{started});
        QCOMPARE(m_sysInfo.folderAsked, folderAsked);
        const bool ran = !started.isEmpty() && setup.contains('S');
        QCOMPARE(m_boxes.shown,
                 ran ? QStringList()
                     : QStringList{"Drawsmith|System Information Is Unavailable At This Time"});
        QVERIFY(about.isVisible());
    }

    void getKeyValue_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QByteArray>("keyVal");
        const QByteArray kept = "as it came";
        QTest::newRow("text") << 1u << QByteArray("C:\\i.exe", 9) << "" << true << QByteArray("C:\\i.exe");
        QTest::newRow("text without terminator")
            << 1u << QByteArray("abc") << "" << true << QByteArray("abc");
        QTest::newRow("empty text") << 1u << QByteArray() << "" << true << QByteArray();
        QTest::newRow("number") << 4u << QByteArray("\xAB\xCD\xEF\x7F", 4) << "" << true
                                << QByteArray("&h7FEFCDAB");
        QTest::newRow("number, zero top byte")
            << 4u << QByteArray("\x0B\x0A\0\0", 4) << "" << true << QByteArray("&h000A0B");
        QTest::newRow("expandable text") << 2u << QByteArray("%WINDIR%", 9) << "" << true << kept;
        QTest::newRow("binary") << 3u << QByteArray("\x01\x02", 2) << "" << true << kept;
        QTest::newRow("1023 characters fit")
            << 1u << QByteArray(1023, 'x') + '\0' << "" << true << QByteArray(1023, 'x');
        QTest::newRow("over 1024 bytes") << 1u << QByteArray(1024, 'x') + '\0' << "" << false << QByteArray();
        QTest::newRow("missing value") << 1u << QByteArray() << "value" << false << QByteArray();
        QTest::newRow("missing key") << 1u << QByteArray() << "key" << false << QByteArray();
    }
    void getKeyValue()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(QString, missing);
        QFETCH(bool, read);
        QFETCH(QByteArray, keyVal);
        StandInRegistry registry;
        registry.type = type, registry.data = data, registry.missing = missing;
        std::string value = "as it came";
        QCOMPARE(GetKeyValue(registry, kHKeyLocalMachine, "SOFTWARE\\X", "PATH", value), read);
        QCOMPARE(QByteArray::fromStdString(value), keyVal);
        QCOMPARE(registry.accessAsked, 0x2003Fu);
        QCOMPARE(registry.rootAsked, Registry::Handle(std::int32_t(0x80000002u))); // sign-extended on 64 bits
        QCOMPARE(registry.open, 0);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_frmaboutlotto.moc"
