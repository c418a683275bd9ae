// SPDX-License-Identifier: GPL-3.0-or-later
#include "browserplugin.h"
#include "frmlottobrowser.h"

#include <QObject>

class DrawsmithBrowserPlugin final : public QObject, public BrowserPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DrawsmithBrowserPlugin_iid)
    Q_INTERFACES(BrowserPlugin)
public:
    QWidget *CreateBrowser() override { return new frmLottoBrowser; }
};

#include "browserpluginmain.moc"
