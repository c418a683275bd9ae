#include "browserplugin.h"
#include "frmlottobrowser.h"
#include "loopbackserver.h"
#include "twips.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPluginLoader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWebEngineView>

#include <memory>

namespace {

constexpr int kLoadTimeout = 60000;
const QString kDesignCaption = QStringLiteral("Kestrelworks - Drawsmith Browser");

struct Page
{
    const char *path;
    const char *title;
};

const Page kPages[] = {
    {"/home", "Kestrelworks Home"}, {"/search", "Search Portal"}, {"/ca", "California Lottery"},
    {"/la", "Louisiana Lottery"},   {"/ny", "New York Lottery"},  {"/pb", "Power Ball Game"},
    {"/tx", "Texas Lottery"},       {"/fl", "Florida Lottery"},   {"/typed", "Typed Address"},
    {"/slow", "Slow Page"},
};

} // namespace

class TestFrmLottoBrowser final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void opensHomePageWithItsList();
    void addressBoxEnter_data();
    void addressBoxEnter();
    void addressWithoutLoad_data();
    void addressWithoutLoad();
    void pickingAnEntryLoadsIt_data();
    void pickingAnEntryLoadsIt();
    void pictureLinkNeverShowsWorking_data();
    void pictureLinkNeverShowsWorking();
    void toolBarKeys_data();
    void toolBarKeys();
    void stopShowsPageNameAtOnce();
    void assistiveNames_data();
    void assistiveNames();
    void pictureLinkPressedByAssistiveTool();
    void resizeNeverGivesNegativeSizes_data();
    void resizeNeverGivesNegativeSizes();
    void fingerCursor_data();
    void fingerCursor();
    void pluginLoads();

private:
    BrowserAddresses Addresses() const;
    // A shown window whose home page has finished loading.
    std::unique_ptr<frmLottoBrowser> OpenIdle();
    static QTimer *Timer(frmLottoBrowser &window) { return window.findChild<QTimer *>("timTimer"); }
    static QWebEngineView *View(frmLottoBrowser &window) { return window.findChild<QWebEngineView *>(); }
    static QComboBox *AddressBox(frmLottoBrowser &window)
    {
        return window.findChild<QComboBox *>("cboAddress");
    }
    // Waits until the window has finished with whatever it was opening.
    static bool WaitIdle(frmLottoBrowser &window, const QString &title);

    std::unique_ptr<LoopbackServer> m_server;
};

void TestFrmLottoBrowser::initTestCase()
{
    m_server = std::make_unique<LoopbackServer>();
    QVERIFY(m_server->IsListening());
    for (const Page &page : kPages)
        m_server->AddPage(QString::fromLatin1(page.path), QString::fromLatin1(page.title));
}

void TestFrmLottoBrowser::cleanup()
{
    m_server->Release();
}

BrowserAddresses TestFrmLottoBrowser::Addresses() const
{
    BrowserAddresses addresses;
    addresses.home = m_server->Address("/home");
    addresses.search = m_server->Address("/search");
    addresses.california = m_server->Address("/ca");
    addresses.louisiana = m_server->Address("/la");
    addresses.newYork = m_server->Address("/ny");
    addresses.powerBall = m_server->Address("/pb");
    addresses.texas = m_server->Address("/tx");
    addresses.florida = m_server->Address("/fl");
    return addresses;
}

bool TestFrmLottoBrowser::WaitIdle(frmLottoBrowser &window, const QString &title)
{
    QTimer *timer = Timer(window);
    return QTest::qWaitFor([&] { return !timer->isActive() && window.windowTitle() == title; }, kLoadTimeout);
}

std::unique_ptr<frmLottoBrowser> TestFrmLottoBrowser::OpenIdle()
{
    auto window = std::make_unique<frmLottoBrowser>(Addresses());
    window->show();
    if (!WaitIdle(*window, "Kestrelworks Home"))
        return nullptr;
    return window;
}

void TestFrmLottoBrowser::opensHomePageWithItsList()
{
    m_server->Hold("/home");
    frmLottoBrowser window(Addresses());
    QCOMPARE(window.windowTitle(), kDesignCaption);
    QCOMPARE(window.StartingAddress, m_server->Address("/home"));
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), QStringLiteral("Working..."), kLoadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->RequestCount("/home"), 1, kLoadTimeout);
    m_server->Release();
    QVERIFY(WaitIdle(window, "Kestrelworks Home"));

    QComboBox *box = AddressBox(window);
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << QUrl(box->itemText(i)).path();
    QCOMPARE(entries, (QStringList{"/home", "/ca", "/la", "/ny", "/pb", "/tx", "/fl"}));
    QCOMPARE(box->currentText(), m_server->Address("/home"));
    QStringList keys;
    for (const QAction *action : window.findChild<QToolBar *>("tbToolBar")->actions())
        keys << action->data().toString() + (action->icon().isNull() ? " without icon" : "");
    QCOMPARE(keys, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));
}

void TestFrmLottoBrowser::addressBoxEnter_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("key");
    QTest::newRow("Return opens the typed address") << "/typed" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter opens the typed address") << "/typed" << int(Qt::Key_Enter);
    QTest::newRow("Enter on a listed address") << "/ca" << int(Qt::Key_Return);
    QTest::newRow("typing alone opens nothing") << "/typed" << 0;
}

void TestFrmLottoBrowser::addressBoxEnter()
{
    QFETCH(QString, path);
    QFETCH(int, key);
    const auto window = OpenIdle();
    QVERIFY(window);
    QComboBox *box = AddressBox(*window);
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), m_server->Address(path));
    if (key)
        QTest::keyClick(box->lineEdit(), Qt::Key(key));

    if (key) {
        QVERIFY(WaitIdle(*window, m_server->Title(path)));
    } else {
        QVERIFY(!Timer(*window)->isActive());
        QCOMPARE(View(*window)->url().path(), QStringLiteral("/home"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Kestrelworks Home"));
    }
    // Enter must not add what was typed to the list.
    QCOMPARE(box->count(), 7);
    QCOMPARE(box->lineEdit()->text(), m_server->Address(path));
}

void TestFrmLottoBrowser::addressWithoutLoad_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("a script") << "javascript:void(0)";
    QTest::newRow("another part of the page") << "/home#part";
}

void TestFrmLottoBrowser::addressWithoutLoad()
{
    // These used to leave "Working..." in the caption for good: no load ever started.
    QFETCH(QString, address);
    const auto window = OpenIdle();
    QVERIFY(window);
    QComboBox *box = AddressBox(*window);
    box->setEditText(address.startsWith('/') ? m_server->Address(address) : address);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QVERIFY(WaitIdle(*window, "Kestrelworks Home"));
}

void TestFrmLottoBrowser::pickingAnEntryLoadsIt_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("path");
    QTest::newRow("the page already shown loads again") << 0 << "/home";
    QTest::newRow("another lottery") << 3 << "/ny";
}

void TestFrmLottoBrowser::pickingAnEntryLoadsIt()
{
    QFETCH(int, row);
    QFETCH(QString, path);
    const auto window = OpenIdle();
    QVERIFY(window);
    const int requestsBefore = m_server->RequestCount(path);
    m_server->Hold(path);
    QComboBox *box = AddressBox(*window);
    box->setCurrentIndex(row);
    emit box->activated(row);
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), QStringLiteral("Working..."), kLoadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->RequestCount(path), requestsBefore + 1, kLoadTimeout);
    m_server->Release();
    QVERIFY(WaitIdle(*window, m_server->Title(path)));
}

void TestFrmLottoBrowser::pictureLinkNeverShowsWorking_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("path");
    const char *const links[][2] = {{"imgPowerBall", "/pb"}, {"imgFla", "/fl"}, {"imgCal", "/ca"},
                                    {"imgLa", "/la"},        {"imgNY", "/ny"},  {"imgTexas", "/tx"}};
    for (const auto &[link, path] : links)
        QTest::newRow(link) << link << path;
}

void TestFrmLottoBrowser::pictureLinkNeverShowsWorking()
{
    QFETCH(QString, link);
    QFETCH(QString, path);
    const auto window = OpenIdle();
    QVERIFY(window);
    QWidget *picture = window->findChild<QWidget *>(link);
    QVERIFY(picture);
    QSignalSpy captions(window.get(), &QWidget::windowTitleChanged);
    const int requestsBefore = m_server->RequestCount(path);
    m_server->Hold(path);
    QTest::mouseClick(picture, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->RequestCount(path), requestsBefore + 1, kLoadTimeout);
    QVERIFY(!Timer(*window)->isActive());
    m_server->Release();
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), m_server->Title(path), kLoadTimeout);
    for (const QList<QVariant> &caption : std::as_const(captions))
        QVERIFY(caption.at(0).toString() != QStringLiteral("Working..."));
}

void TestFrmLottoBrowser::toolBarKeys_data()
{
    // Pages opened from the address box first, the keys pressed, the page that shows then.
    QTest::addColumn<QStringList>("visits");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("path");
    using L = QStringList;
    QTest::newRow("Back within one page") << L{"/ny", "/ny#part"} << L{"Back"} << "/ny";
    QTest::newRow("Back on the first page does nothing") << L() << L{"Back"} << "/home";
    QTest::newRow("Forward on the last page does nothing") << L{"/ny"} << L{"Forward"} << "/ny";
    QTest::newRow("Back") << L{"/ny"} << L{"Back"} << "/home";
    QTest::newRow("Back then Forward") << L{"/ny", "/tx"} << L{"Back", "Back", "Forward"} << "/ny";
    QTest::newRow("Refresh") << L{"/la"} << L{"Refresh"} << "/la";
    QTest::newRow("Home") << L{"/ny"} << L{"Home"} << "/home";
    QTest::newRow("Search") << L() << L{"Search"} << "/search";
}

void TestFrmLottoBrowser::toolBarKeys()
{
    QFETCH(QStringList, visits);
    QFETCH(QStringList, keys);
    QFETCH(QString, path);
    const auto window = OpenIdle();
    QVERIFY(window);
    QComboBox *box = AddressBox(*window);
    for (const QString &visit : visits) {
        box->setEditText(m_server->Address(visit));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return !Timer(*window)->isActive(); }, kLoadTimeout));
    }
    const int requestsBefore = m_server->RequestCount(path);
    auto *toolBar = window->findChild<QToolBar *>("tbToolBar");
    for (const QString &key : keys) {
        QAction *action = toolBar->findChild<QAction *>(key);
        QVERIFY(action);
        QTest::mouseClick(toolBar->widgetForAction(action), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return !Timer(*window)->isActive(); }, kLoadTimeout));
    }
    QVERIFY(WaitIdle(*window, m_server->Title(path)));
    QCOMPARE(View(*window)->url().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority), path);
    if (keys == QStringList{"Refresh"})
        QCOMPARE(m_server->RequestCount(path), requestsBefore + 1);
}

void TestFrmLottoBrowser::stopShowsPageNameAtOnce()
{
    const auto window = OpenIdle();
    QVERIFY(window);
    m_server->Hold("/slow");
    QComboBox *box = AddressBox(*window);
    box->setEditText(m_server->Address("/slow"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->RequestCount("/slow"), 1, kLoadTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(window->windowTitle(), QStringLiteral("Working..."), kLoadTimeout);

    auto *toolBar = window->findChild<QToolBar *>("tbToolBar");
    QTest::mouseClick(toolBar->widgetForAction(toolBar->findChild<QAction *>("Stop")), Qt::LeftButton);
    QVERIFY(!Timer(*window)->isActive());
    QCOMPARE(window->windowTitle(), View(*window)->title());
    QVERIFY(window->windowTitle() != QStringLiteral("Working..."));
}

void TestFrmLottoBrowser::assistiveNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    for (const char *key : {"Back", "Forward", "Stop", "Refresh", "Home", "Search"})
        QTest::newRow(key) << key << key << key;
    QTest::newRow("address label") << "lblAddress"
                                   << "Address:"
                                   << "";
    QTest::newRow("picture link") << "imgNY"
                                  << "imgNY"
                                  << "";
    QTest::newRow("web view") << "brwWebBrowser"
                              << "brwWebBrowser"
                              << "";
}

void TestFrmLottoBrowser::assistiveNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    frmLottoBrowser window(Addresses());
    window.show();
    QWidget *widget = window.findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);
}

void TestFrmLottoBrowser::pictureLinkPressedByAssistiveTool()
{
    const auto window = OpenIdle();
    QVERIFY(window);
    QAccessibleInterface *accessible =
        QAccessible::queryAccessibleInterface(window->findChild<QWidget *>("imgTexas"));
    QVERIFY(accessible && accessible->actionInterface());
    QCOMPARE(accessible->role(), QAccessible::Graphic);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(WaitIdle(*window, "Texas Lottery"));
}

void TestFrmLottoBrowser::resizeNeverGivesNegativeSizes_data()
{
    // Sizes of the window's inner area, in twips.
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("design size") << 10215 << 5985;
    QTest::newRow("narrower than the margin") << 60 << 5985;
    QTest::newRow("shorter than the address panel") << 10215 << 900;
    QTest::newRow("one pixel") << 15 << 15;
}

void TestFrmLottoBrowser::resizeNeverGivesNegativeSizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    frmLottoBrowser window(Addresses());
    window.show();
    window.resize(TwipsToPixels(width), TwipsToPixels(height));
    QTRY_COMPARE(window.size(), QSize(TwipsToPixels(width), TwipsToPixels(height)));

    const int margin = TwipsToPixels(100);
    const int panelBottom = TwipsToPixels(540) + TwipsToPixels(1155);
    QWidget *box = AddressBox(window);
    QWidget *view = View(window);
    QCOMPARE(box->width(), std::max(0, window.width() - margin));
    QCOMPARE(view->width(), std::max(0, window.width() - margin));
    QCOMPARE(view->height(), std::max(0, window.height() - panelBottom - margin));
    // Nothing moves: the view keeps its place and the box its left edge.
    QCOMPARE(view->pos(), TwipsRect(120, 1800, 0, 0).topLeft());
    QCOMPARE(box->x(), TwipsToPixels(50));
}

void TestFrmLottoBrowser::fingerCursor_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("loaded");
    QFile shipped(QStringLiteral(DRAWSMITH_FINGER_CUR));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QTest::newRow("the shipped pointer") << shipped.readAll() << true;
    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("not a picture") << QByteArray("no pointer in here") << false;
}

void TestFrmLottoBrowser::fingerCursor()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, loaded);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (!file.isEmpty()) {
        QFile cursor(folder.filePath("finger.cur"));
        QVERIFY(cursor.open(QIODevice::WriteOnly));
        cursor.write(file);
    }
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    frmLottoBrowser window(Addresses());
    QDir::setCurrent(previous);

    QCOMPARE(window.MouseIcon().has_value(), loaded);
    const Qt::CursorShape expected = loaded ? Qt::BitmapCursor : Qt::ArrowCursor;
    for (const char *link : {"imgPowerBall", "imgFla", "imgCal", "imgLa", "imgNY", "imgTexas"})
        QCOMPARE(window.findChild<QWidget *>(link)->cursor().shape(), expected);
    if (loaded)
        QCOMPARE(window.MouseIcon()->pixmap().size(), QSize(32, 32));
}

void TestFrmLottoBrowser::pluginLoads()
{
    // The program finds the window only through this module; making a window here
    // would open the real home page, so only the interface is checked.
    QPluginLoader loader(QStringLiteral(DRAWSMITH_BROWSER_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    QVERIFY(qobject_cast<BrowserPlugin *>(loader.instance()));
}

int main(int argc, char *argv[])
{
    // The web engine needs shared GL contexts before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestFrmLottoBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmlottobrowser.moc"
