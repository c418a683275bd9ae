// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmlottobrowser.h"

#include "appinfo.h"
#include "formfont.h"
#include "picturelink.h"
#include "twips.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include <algorithm>

namespace {

// Where the fingertip sits in finger.cur as drawn by resources/browser/makefinger.py;
// Qt's reader keeps the picture but not the file's hot spot.
constexpr int kFingerHotX = 10;
constexpr int kFingerHotY = 1;

QPixmap RenderSvg(const QString &file, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return pixmap;
}

// Tool bar icons are drawn at 24 x 24 and twice that for dense screens.
QIcon ToolIcon(const QString &name)
{
    const QString file = QStringLiteral(":/browser/%1.svg").arg(name);
    QIcon icon;
    icon.addPixmap(RenderSvg(file, 24));
    icon.addPixmap(RenderSvg(file, 48));
    return icon;
}

void Describe(QWidget *control, const QString &name, const QString &toolTip = {})
{
    control->setAccessibleName(name);
    if (!toolTip.isEmpty()) {
        control->setToolTip(toolTip);
        control->setAccessibleDescription(toolTip);
    }
}

QUrl Address(const QString &text)
{
    return QUrl::fromUserInput(text.trimmed());
}

} // namespace

BrowserAddresses BrowserAddresses::Defaults()
{
    BrowserAddresses addresses;
    addresses.home = AppInfo::kHomePage;
    addresses.search = QStringLiteral("http://www.google.com/");
    addresses.california = QStringLiteral("http://www.calottery.com/");
    addresses.louisiana = QStringLiteral("http://www.louisianalottery.com/");
    addresses.newYork = QStringLiteral("http://nylottery.ny.gov/");
    addresses.powerBall = QStringLiteral("http://www.powerball.com/");
    addresses.texas = QStringLiteral("http://www.texaslottery.com/");
    addresses.florida = QStringLiteral("http://www.flalottery.com/");
    return addresses;
}

frmLottoBrowser::frmLottoBrowser(const BrowserAddresses &addresses, QWidget *parent)
    : QMainWindow(parent), m_addresses(addresses)
{
    static const bool resourcesLoaded = [] {
        Q_INIT_RESOURCE(browser);
        return true;
    }();
    Q_UNUSED(resourcesLoaded);

    setObjectName(QStringLiteral("frmLottoBrowser"));
    setFont(FormFont());
    setWindowTitle(tr("%1 - %2 Browser").arg(AppInfo::kMaker, AppInfo::kTitle));
    CreateControls();
    CreateConnections();

    const QRect inner = TwipsRect(0, 0, 10215, 5985);
    resize(inner.size());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), inner.size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // Places the inner area now, so that the load lays the controls out at this size.
    layout()->activate();
    Load();
}

void frmLottoBrowser::CreateControls()
{
    // The inner area; every control is placed on it by its twip rectangle.
    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("browserArea"));
    setCentralWidget(m_area);

    m_tbToolBar = new QToolBar(m_area);
    m_tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_tbToolBar->setIconSize(QSize(24, 24));
    m_tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_tbToolBar->setGeometry(TwipsRect(0, 0, 10215, 540));
    const struct
    {
        const char *key;
        const char *icon;
    } buttons[] = {{QT_TR_NOOP("Back"), "back"}, {QT_TR_NOOP("Forward"), "forward"},
                   {QT_TR_NOOP("Stop"), "stop"}, {QT_TR_NOOP("Refresh"), "refresh"},
                   {QT_TR_NOOP("Home"), "home"}, {QT_TR_NOOP("Search"), "search"}};
    for (const auto &button : buttons) {
        // The English name stays the button's key; the user sees it translated.
        const QString key = QString::fromLatin1(button.key);
        const QString caption = tr(button.key);
        QAction *action = m_tbToolBar->addAction(ToolIcon(QString::fromLatin1(button.icon)), caption);
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(caption);
        if (QWidget *widget = m_tbToolBar->widgetForAction(action)) {
            widget->setObjectName(key);
            // A tool bar's buttons take no focus by default; these are the keyboard's Back, Home and the rest.
            widget->setFocusPolicy(Qt::TabFocus);
            Describe(widget, caption, caption);
        }
    }

    m_picAddress = new QWidget(m_area);
    m_picAddress->setObjectName(QStringLiteral("picAddress"));
    m_picAddress->setGeometry(TwipsRect(0, 540, 10215, 1155));

    // Side by side in this order; the address list below keeps another order.
    // A picture is heard by the lottery its logo shows.
    const auto makeLink = [this](const char *name, const char *picture, const QString &heard, QRect place) {
        auto *link = new PictureLink(QStringLiteral(":/browser/%1.svg").arg(QString::fromLatin1(picture)),
                                     m_picAddress);
        link->setObjectName(QString::fromLatin1(name));
        link->setGeometry(place);
        Describe(link, heard);
        return link;
    };
    m_imgPowerBall = makeLink("imgPowerBall", "powerball", tr("Power Ball"), TwipsRect(0, 0, 1800, 480));
    m_imgFla = makeLink("imgFla", "florida", tr("Florida Lottery"), TwipsRect(1920, 0, 1020, 495));
    m_imgCal = makeLink("imgCal", "california", tr("California Lottery"), TwipsRect(3000, 0, 1095, 495));
    m_imgLa = makeLink("imgLa", "louisiana", tr("Louisiana Lottery"), TwipsRect(4200, 0, 1770, 495));
    m_imgNY = makeLink("imgNY", "newyork", tr("New York Lottery"), TwipsRect(6120, 0, 1515, 555));
    m_imgTexas = makeLink("imgTexas", "texas", tr("Texas Lottery"), TwipsRect(7920, 0, 1935, 645));

    m_lblAddress = new QLabel(tr("&Address:"), m_picAddress);
    m_lblAddress->setObjectName(QStringLiteral("lblAddress"));
    m_lblAddress->setGeometry(TwipsRect(45, 540, 3075, 255));

    m_cboAddress = new QComboBox(m_picAddress);
    m_cboAddress->setObjectName(QStringLiteral("cboAddress"));
    m_cboAddress->setEditable(true);
    // Enter opens the typed address; it must not grow the list, nor may an
    // inline completion change what the user typed.
    m_cboAddress->setInsertPolicy(QComboBox::NoInsert);
    m_cboAddress->setCompleter(nullptr);
    m_cboAddress->setGeometry(TwipsRect(45, 780, 3795, 315));
    // Only a pick from the list or Enter opens an address: the box itself would
    // report a pick for a listed address on Enter and on leaving the box.
    QObject::disconnect(m_cboAddress->lineEdit(), &QLineEdit::returnPressed, m_cboAddress, nullptr);
    QObject::disconnect(m_cboAddress->lineEdit(), &QLineEdit::editingFinished, m_cboAddress, nullptr);
    // The box has the focus and hands keys to its text field past any filter there.
    m_cboAddress->installEventFilter(this);
    // The label and the box are heard by the label's text, without its access key's mark.
    m_lblAddress->setBuddy(m_cboAddress);
    Describe(m_cboAddress, m_lblAddress->text().remove(QLatin1Char('&')));

    m_timTimer = new QTimer(this);
    m_timTimer->setObjectName(QStringLiteral("timTimer"));
    m_timTimer->setInterval(5);

    m_area->installEventFilter(this);
}

void frmLottoBrowser::CreateConnections()
{
    connect(m_tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *action) { tbToolBar_ButtonClick(action->data().toString()); });
    connect(m_cboAddress, &QComboBox::activated, this, &frmLottoBrowser::cboAddress_Click);
    connect(m_timTimer, &QTimer::timeout, this, &frmLottoBrowser::timTimer_Timer);

    const auto linkTo = [this](PictureLink *link, const QString &address) {
        // A picture link leaves the timer alone: its page shows no "Working...".
        connect(link, &PictureLink::clicked, this, [this, address] {
            const QUrl url = Address(address);
            if (!url.isValid())
                return;
            if (m_brwWebBrowser)
                m_brwWebBrowser->setUrl(url);
            else
                m_waitingAddress = address;
        });
    };
    linkTo(m_imgPowerBall, m_addresses.powerBall);
    linkTo(m_imgFla, m_addresses.florida);
    linkTo(m_imgCal, m_addresses.california);
    linkTo(m_imgLa, m_addresses.louisiana);
    linkTo(m_imgNY, m_addresses.newYork);
    linkTo(m_imgTexas, m_addresses.texas);
}

void frmLottoBrowser::CreateBrowserView()
{
    // The engine reports its graphics set-up on every first open; a user's run
    // prints nothing (QT_LOGGING_RULES can still turn it on).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    m_brwWebBrowser = new QWebEngineView(m_area);
    m_brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    m_brwWebBrowser->setGeometry(TwipsRect(120, 1800, 5400, 3735));
    connect(m_brwWebBrowser, &QWebEngineView::loadStarted, this, [this] {
        m_loading = true;
        m_navigationPending = false;
    });
    connect(m_brwWebBrowser, &QWebEngineView::loadFinished, this, [this] {
        m_loading = false;
        m_navigationPending = false;
        brwWebBrowser_DownloadComplete();
    });
    // Going back or forward within one page changes the address later, with no load.
    connect(m_brwWebBrowser, &QWebEngineView::urlChanged, this, [this] { m_navigationPending = false; });
    ResizeLayout();
    m_brwWebBrowser->show();
    const QString waiting = std::exchange(m_waitingAddress, {});
    if (!waiting.isEmpty()) {
        const bool busy = m_navigationPending;
        busy ? NavigateBusy(waiting) : m_brwWebBrowser->setUrl(Address(waiting));
    }
    emit WebEngineStarted();
}

void frmLottoBrowser::Load()
{
    m_tbToolBar->update();
    ResizeLayout();
    StartingAddress = m_addresses.home;
    const QRect label = m_lblAddress->geometry();
    m_cboAddress->move(TwipsToPixels(50), label.y() + label.height() + TwipsToPixels(15));
    if (!StartingAddress.isEmpty()) {
        m_cboAddress->setEditText(StartingAddress);
        m_cboAddress->addItem(m_cboAddress->currentText());
        m_cboAddress->addItems({m_addresses.california, m_addresses.louisiana, m_addresses.newYork,
                                m_addresses.powerBall, m_addresses.texas, m_addresses.florida});
        m_cboAddress->setCurrentIndex(0);
        m_timTimer->start();
        NavigateBusy(StartingAddress);
    }
    LoadMouseIcon();
}

void frmLottoBrowser::LoadMouseIcon()
{
    // Read from the current directory; a missing or unreadable file changes nothing.
    const QPixmap picture(QStringLiteral("finger.cur"));
    if (picture.isNull())
        return;
    m_mouseIcon = QCursor(picture, std::min(kFingerHotX, picture.width() - 1),
                          std::min(kFingerHotY, picture.height() - 1));
    for (PictureLink *link : {m_imgPowerBall, m_imgFla, m_imgCal, m_imgLa, m_imgNY, m_imgTexas})
        link->setCursor(*m_mouseIcon);
}

void frmLottoBrowser::ResizeLayout()
{
    // A window narrower than the margins, or minimized, gets zero sizes rather
    // than negative ones.
    const int width = m_area->width();
    const int height = m_area->height();
    const int margin = TwipsToPixels(100);
    m_tbToolBar->resize(width, m_tbToolBar->height());
    m_picAddress->resize(width, m_picAddress->height());
    m_cboAddress->resize(std::max(0, width - margin), m_cboAddress->height());
    const QRect panel = m_picAddress->geometry();
    if (m_brwWebBrowser)
        m_brwWebBrowser->resize(std::max(0, width - margin),
                                std::max(0, height - (panel.y() + panel.height()) - margin));
}

void frmLottoBrowser::NavigateBusy(const QString &address)
{
    const QUrl url = Address(address);
    if (!url.isValid() || url.isEmpty())
        return;
    if (!m_brwWebBrowser) { // opened once the web engine is up
        m_waitingAddress = address;
        m_navigationPending = true;
        return;
    }
    // A script address or a move to another part of the same page loads nothing,
    // so waiting for its load would leave "Working..." up for good.
    const QUrl current = m_brwWebBrowser->url();
    const bool loads =
        url.scheme() != QLatin1String("javascript") &&
        !(url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == current.adjusted(QUrl::RemoveFragment));
    m_brwWebBrowser->setUrl(url);
    // Set only now: the view reports the new address before setUrl returns.
    m_navigationPending = loads;
}

void frmLottoBrowser::cboAddress_Click()
{
    if (m_suppressClick)
        return;
    m_timTimer->start();
    NavigateBusy(m_cboAddress->currentText());
}

bool frmLottoBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::Resize)
        ResizeLayout();
    if (watched == m_area && event->type() == QEvent::Paint && !m_viewRequested) {
        // The window is on screen at once; the web engine, slow to start, fills in
        // behind it once this first frame is out.
        m_viewRequested = true;
        QTimer::singleShot(0, this, &frmLottoBrowser::CreateBrowserView);
    }
    if (watched == m_cboAddress && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            cboAddress_Click();
    }
    // The box still gets every key, Enter included.
    return QMainWindow::eventFilter(watched, event);
}

void frmLottoBrowser::tbToolBar_ButtonClick(const QString &key)
{
    m_timTimer->start();
    if (!m_brwWebBrowser) {
        if (key == QLatin1String("Home") || key == QLatin1String("Search"))
            NavigateBusy(key == QLatin1String("Home") ? m_addresses.home : m_addresses.search);
        else if (key == QLatin1String("Stop")) {
            m_timTimer->stop();
            m_navigationPending = false;
            m_waitingAddress.clear();
        }
        return;
    }
    QWebEngineHistory *history = m_brwWebBrowser->history();
    if (key == QLatin1String("Back")) {
        // Nothing earlier: nothing happens, and the next tick finds the view idle.
        if (history->canGoBack()) {
            m_brwWebBrowser->back();
            m_navigationPending = true;
        }
    } else if (key == QLatin1String("Forward")) {
        if (history->canGoForward()) {
            m_brwWebBrowser->forward();
            m_navigationPending = true;
        }
    } else if (key == QLatin1String("Refresh")) {
        if (!m_brwWebBrowser->url().isEmpty()) {
            m_brwWebBrowser->reload();
            m_navigationPending = true;
        }
    } else if (key == QLatin1String("Home")) {
        NavigateBusy(m_addresses.home);
    } else if (key == QLatin1String("Search")) {
        NavigateBusy(m_addresses.search);
    } else if (key == QLatin1String("Stop")) {
        m_timTimer->stop();
        m_navigationPending = false;
        m_brwWebBrowser->stop();
        setWindowTitle(m_brwWebBrowser->title());
    }
}

void frmLottoBrowser::timTimer_Timer()
{
    if (Busy()) {
        setWindowTitle(tr("Working..."));
        return;
    }
    m_timTimer->stop();
    setWindowTitle(PageName());
}

void frmLottoBrowser::brwWebBrowser_DownloadComplete()
{
    setWindowTitle(PageName());
}

QString frmLottoBrowser::PageName() const
{
    return m_brwWebBrowser ? m_brwWebBrowser->title() : QString();
}
