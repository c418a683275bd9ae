// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QMainWindow>
#include <QString>

#include <optional>

class PictureLink;
class QComboBox;
class QLabel;
class QTimer;
class QToolBar;
class QWebEngineView;

// The fixed addresses the browser opens; tests point them at a local server.
struct BrowserAddresses
{
    QString home;
    QString search;
    QString california;
    QString louisiana;
    QString newYork;
    QString powerBall;
    QString texas;
    QString florida;

    // The maker's home page, a search portal and the official lottery sites.
    static BrowserAddresses Defaults();
};

// A small web browser with an address box, the usual tool bar and six picture
// links to lottery sites. It opens the maker's home page when made. A main
// window, so that assistive tools see it as a frame; the controls sit by hand
// on its central widget.
class frmLottoBrowser final : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmLottoBrowser(const BrowserAddresses &addresses = BrowserAddresses::Defaults(),
                             QWidget *parent = nullptr);

    // The first page; the load sets it to the maker's home page.
    QString StartingAddress;

    // The pointer loaded from finger.cur, shown over the picture links; empty when
    // the file was missing or unreadable.
    const std::optional<QCursor> &MouseIcon() const { return m_mouseIcon; }

signals:
    // The web view exists: the engine, started after the first frame, is up.
    void WebEngineStarted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void CreateConnections();
    void CreateBrowserView();
    void Load();
    void ResizeLayout();
    void LoadMouseIcon();

    // Opens a page and remembers that a load is on its way: the view reports the
    // start of a load only later, and the first tick must not find it idle.
    void NavigateBusy(const QString &address);
    void cboAddress_Click();
    void tbToolBar_ButtonClick(const QString &key);
    void timTimer_Timer();
    void brwWebBrowser_DownloadComplete();
    bool Busy() const { return m_loading || m_navigationPending; }
    QString PageName() const;

    BrowserAddresses m_addresses;
    std::optional<QCursor> m_mouseIcon;
    bool m_loading = false;
    bool m_navigationPending = false;
    bool m_suppressClick = false;
    bool m_viewRequested = false;
    // An address asked for before the web engine was up.
    QString m_waitingAddress;

    QWidget *m_area = nullptr;
    QToolBar *m_tbToolBar = nullptr;
    QWidget *m_picAddress = nullptr;
    PictureLink *m_imgPowerBall = nullptr;
    PictureLink *m_imgFla = nullptr;
    PictureLink *m_imgCal = nullptr;
    PictureLink *m_imgLa = nullptr;
    PictureLink *m_imgNY = nullptr;
    PictureLink *m_imgTexas = nullptr;
    QLabel *m_lblAddress = nullptr;
    QComboBox *m_cboAddress = nullptr;
    QWebEngineView *m_brwWebBrowser = nullptr;
    QTimer *m_timTimer = nullptr;
};
