// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browserprocess.h"
#include "gamerecord.h"
#include "windowhub.h"

#include <QPointer>
#include <QString>

class MessageBoxes;
class QWidget;

// Program-wide state: the catalogue and one reference to each secondary window,
// created on first use and gone when the window closes.
class Globals final : public WindowHub
{
public:
    explicit Globals(MessageBoxes &boxes);
    ~Globals() override;

    GameCatalogue &Catalogue() { return m_catalogue; }
    // The window the browser stays above.
    void SetMainWindow(QWidget *window);
    BrowserProcess &Browser() { return m_browser; }

    void ShowBrowser() override;
    void ShowAbout(QWidget *modalOver) override;
    void ShowHelp(QWidget *modalOver) override;

private:
    void ShowWindow(QPointer<QWidget> &slot, QWidget *(Globals::*create)(), QWidget *modalOver);
    QWidget *CreateAbout();
    QWidget *CreateHelp();

    MessageBoxes &m_boxes;
    GameCatalogue m_catalogue;
    BrowserProcess m_browser;
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_about;
    QPointer<QWidget> m_help;
};
