// Shows the browser on a page from a loopback server and saves a picture of the
// window: browser_screenshot <file.png>. Run it under a real display (xvfb-run).
#include "frmlottobrowser.h"
#include "loopbackserver.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    LoopbackServer server;
    server.AddPage("/", "Kestrelworks - Drawsmith");
    BrowserAddresses addresses = BrowserAddresses::Defaults();
    addresses.home = server.Address("/");
    frmLottoBrowser window(addresses);
    window.show();
    auto *timer = window.findChild<QTimer *>("timTimer");
    if (!QTest::qWaitFor(
            [&] { return !timer->isActive() && window.windowTitle() == "Kestrelworks - Drawsmith"; }, 60000))
        return 1;
    QTest::qWait(1500); // let the page paint
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
