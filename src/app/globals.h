// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "browserprocess.h"
#include "gamerecord.h"
#include "windowhub.h"

#include <QPointer>
#include <QString>
#include <QStringList>

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
    // About, help and the browser, opened beside it, stay above this window.
    void SetMainWindow(QWidget *window);
    BrowserProcess &Browser() { return m_browser; }

    void ShowBrowser() override;
    void ShowAbout(QWidget *modalOver) override;
    void ShowHelp(QWidget *modalOver) override;
    void ShowPastPicks() override;
    void PicksRecorded() override;
    PrintResult Print(QWidget *parent, const QString &document, const PagePainter &paint) override;

private:
    // A window not modal opens above opener, when there is one.
    void ShowWindow(QPointer<QWidget> &slot, QWidget *(Globals::*create)(), QWidget *modalOver,
                    QWidget *opener = nullptr);
    QWidget *CreateAbout();
    QWidget *CreateHelp();
    QWidget *CreatePastPicks();

    MessageBoxes &m_boxes;
    GameCatalogue m_catalogue;
    BrowserProcess m_browser;
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_about;
    QPointer<QWidget> m_help;
    QPointer<QWidget> m_pastPicks;
};

// Where a plugin is looked for: beside the program (the build tree), then in the
// installed plugin folder, found from the program's own folder.
QStringList PluginPaths(const QString &programFolder, const QString &name);
