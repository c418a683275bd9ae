// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QString>

class WindowHub;
class MessageBoxes;
class QTextBrowser;

// The help document as HTML, with the maker's home page filled in.
QString HelpDocument();

// The help window: the help document in a read-only rich-text view that fills
// the window, and a menu entry that opens the browser after the on-line prompt.
class frmHelp final : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmHelp(WindowHub &hub, MessageBoxes &boxes, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void CreateMenus();
    void ResizeLayout();
    void VisitWebSite();

    WindowHub &m_hub;
    MessageBoxes &m_boxes;
    QWidget *m_area = nullptr;
    QTextBrowser *m_txtHelp = nullptr;
};
