// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtPlugin>

class QWidget;

// Implemented by the plugin that holds the browser window, so that the web engine
// is loaded only when the browser first opens.
class BrowserPlugin
{
public:
    virtual ~BrowserPlugin() = default;
    // A new browser window with the real addresses, not yet shown.
    virtual QWidget *CreateBrowser() = 0;
};

#define DrawsmithBrowserPlugin_iid "org.kestrelworks.Drawsmith.BrowserPlugin/1.0"
Q_DECLARE_INTERFACE(BrowserPlugin, DrawsmithBrowserPlugin_iid)
