#include "appinfo.h"
#include "frmaboutlotto.h"
#include "messageboxes.h"
#include "registry.h"
#include "sysinfoservices.h"
#include "windowhub.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <map>
#include <stdexcept>

namespace {
struct ScriptedBoxes final : MessageBoxes
{
    QStringList informed; // "title|prompt"
    int asked = 0;
    void Inform(QWidget *, const QString &prompt, const QString &title) override
    {
        informed << title + '|' + prompt;
    }
    bool Ask(QWidget *, const QString &, const QString &) override { return ++asked, true; }
};

struct CountingHub final : WindowHub
{
    int browser = 0;
    void ShowBrowser() override { ++browser; }
    void ShowAbout(QWidget *) override {}
    void ShowHelp(QWidget *) override {}
};

// Answers the two lookups from its fields and records what is asked and started.
struct StandInSysInfo final : SysInfoServices
{
    bool pathRead = false, folderRead = false, fileThere = false, starts = false, throws = false;
    QString path, folder;
    bool folderAsked = false;
    QStringList started;
    bool ReadToolPath(QString &p) override
    {
        if (throws)
            throw std::runtime_error("registry gone");
        if (pathRead && !path.isNull())
            p = path; // a null path stands for a value that is no text
        return pathRead;
    }
    bool ReadToolFolder(QString &f) override { return folderAsked = true, f = folder, folderRead; }
    QString ToolFile() const override { return QStringLiteral("/tool"); }
    bool FileExists(const QString &) override { return fileThere; }
    bool Start(const QString &p) override { return started << p, starts; }
};

// advapi32's behaviour for one key holding one value.
struct StandInRegistry final : Registry
{
    std::uint32_t type = 1;
    QByteArray data;
    bool keyThere = true, valueThere = true;
    Handle rootAsked = 0;
    std::uint32_t accessAsked = 0;
    int open = 0;
    long OpenKey(Handle root, const std::string &, std::uint32_t access, Handle &key) override
    {
        rootAsked = root, accessAsked = access;
        return keyThere ? (key = 42, ++open, 0) : 2;
    }
    long QueryValue(Handle, const std::string &, std::uint32_t &t, char *out, std::uint32_t &size) override
    {
        if (!valueThere)
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
        QWidget *control = about.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->property("text").toString(), text);
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
        QTest::addColumn<bool>("link");
        QTest::addColumn<int>("key");
        QTest::newRow("link") << true << 0;
        QTest::newRow("OK by Enter") << false << int(Qt::Key_Return);
        QTest::newRow("OK by Esc") << false << int(Qt::Key_Escape);
    }
    void closing()
    {
        QFETCH(bool, link);
        QFETCH(int, key);
        m_hub = {}, m_boxes = {};
        QPointer about = new frmAboutLotto(m_hub, m_boxes, &m_sysInfo);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        if (link)
            QTest::mouseClick(about->findChild<QLabel *>("Label1"), Qt::LeftButton);
        else
            QTest::keyClick(about, Qt::Key(key));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about); // the modal opener waits for the box to be destroyed
        QCOMPARE(m_hub.browser, link ? 1 : 0);
        QCOMPARE(m_boxes.asked, 0);
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QString>("setup"); // letters: P path read, N path read as no text, F folder read,
                                            // E file exists, S start works, X error
        QTest::addColumn<QString>("started");
        QTest::addColumn<bool>("folderAsked");
        QTest::addColumn<bool>("message");
        QTest::newRow("recorded path started untested") << "PS"
                                                        << "/opt/info" << false << false;
        QTest::newRow("recorded path fails to start") << "P"
                                                      << "/opt/info" << false << true;
        QTest::newRow("recorded value not text") << "N"
                                                 << "" << false << true;
        QTest::newRow("folder holding the tool") << "FES"
                                                 << "/usr/bin/tool" << true << false;
        QTest::newRow("folder without the tool") << "FS" << QString() << true << true;
        QTest::newRow("nothing recorded") << "S" << QString() << true << true;
        QTest::newRow("error on the way") << "XS" << QString() << false << true;
    }
    void startSysInfo()
    {
        QFETCH(QString, setup);
        QFETCH(QString, started);
        QFETCH(bool, folderAsked);
        QFETCH(bool, message);
        m_boxes = {};
        m_sysInfo = {};
        m_sysInfo.pathRead = setup.contains('P') || setup.contains('N');
        m_sysInfo.path = setup.contains('P') ? QStringLiteral("/opt/info") : QString();
        m_sysInfo.folderRead = setup.contains('F');
        m_sysInfo.folder = QStringLiteral("/usr/bin");
        m_sysInfo.fileThere = setup.contains('E');
        m_sysInfo.starts = setup.contains('S');
        m_sysInfo.throws = setup.contains('X');
        frmAboutLotto about(m_hub, m_boxes, &m_sysInfo);
        about.show();
        about.findChild<QPushButton *>("cmdSysInfo")->click();
        QCOMPARE(m_sysInfo.started, started.isNull() ? QStringList() : QStringList{started});
        QCOMPARE(m_sysInfo.folderAsked, folderAsked);
        QCOMPARE(m_boxes.informed,
                 message ? QStringList{"Drawsmith|System Information Is Unavailable At This Time"}
                         : QStringList());
        QVERIFY(about.isVisible());
    }

    void getKeyValue_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QByteArray>("keyVal");
        const QByteArray kept = "as it came";
        QTest::newRow("text") << 1u << QByteArray("C:\\info.exe", 12) << true << QByteArray("C:\\info.exe");
        QTest::newRow("text without terminator") << 1u << QByteArray("abc") << true << QByteArray("abc");
        QTest::newRow("empty text") << 1u << QByteArray() << true << QByteArray();
        QTest::newRow("number") << 4u << QByteArray("\xAB\xCD\xEF\x7F", 4) << true
                                << QByteArray("&h7FEFCDAB");
        QTest::newRow("number with zero top byte")
            << 4u << QByteArray("\x0B\x0A\0\0", 4) << true << QByteArray("&h000A0B");
        QTest::newRow("expandable text") << 2u << QByteArray("%WINDIR%", 9) << true << kept;
        QTest::newRow("binary") << 3u << QByteArray("\x01\x02", 2) << true << kept;
        QTest::newRow("1023 characters fit")
            << 1u << QByteArray(1023, 'x') + '\0' << true << QByteArray(1023, 'x');
        QTest::newRow("over 1024 bytes") << 1u << QByteArray(1024, 'x') + '\0' << false << QByteArray();
    }
    void getKeyValue()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, data);
        QFETCH(bool, read);
        QFETCH(QByteArray, keyVal);
        StandInRegistry registry;
        registry.type = type, registry.data = data;
        std::string value = "as it came";
        QCOMPARE(GetKeyValue(registry, kHKeyLocalMachine, "SOFTWARE\\X", "PATH", value), read);
        QCOMPARE(QByteArray::fromStdString(value), keyVal);
        QCOMPARE(registry.accessAsked, 0x2003Fu);
        QCOMPARE(registry.rootAsked, Registry::Handle(std::int32_t(0x80000002u))); // sign-extended on 64 bits
        QCOMPARE(registry.open, 0);
    }

    void getKeyValueMissing_data()
    {
        QTest::addColumn<bool>("keyThere");
        QTest::newRow("missing key") << false;
        QTest::newRow("missing value") << true;
    }
    void getKeyValueMissing()
    {
        QFETCH(bool, keyThere);
        StandInRegistry registry;
        registry.keyThere = keyThere, registry.valueThere = false;
        std::string value = "as it came";
        QVERIFY(!GetKeyValue(registry, kHKeyLocalMachine, "SOFTWARE\\X", "PATH", value));
        QCOMPARE(value, std::string());
        QCOMPARE(registry.open, 0);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_frmaboutlotto.moc"
