// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelp.h"

#include "appinfo.h"
#include "messageboxes.h"
#include "readablecolours.h"
#include "translations.h"
#include "twips.h"
#include "windowhub.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QMenuBar>
#include <QTextBrowser>

#include <algorithm>

// Outside any namespace, as Q_INIT_RESOURCE requires; the static library's
// resource would otherwise be dropped by the linker.
static void LoadHelpResource()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(drawsmith_help);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace {
constexpr int kInnerWidth = 7395;
constexpr int kInnerHeight = 6195;
constexpr qreal kBoxPointSize = 9.75;
} // namespace

QString HelpDocument()
{
    LoadHelpResource();
    // The document in the language of the translations installed, English otherwise.
    QFile file(QStringLiteral(":/help/drawsmith-help_%1.html").arg(CurrentLanguage()));
    if (!file.exists())
        file.setFileName(QStringLiteral(":/help/drawsmith-help.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll())
        .replace(QLatin1String("@HOMEPAGE@"), AppInfo::kHomePage.toHtmlEscaped());
}

frmHelp::frmHelp(WindowHub &hub, MessageBoxes &boxes, QWidget *parent)
    : QMainWindow(parent), m_hub(hub), m_boxes(boxes)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Drawsmith Help"));
    CreateControls();
    CreateMenus();
    resize(TwipsToPixels(kInnerWidth), TwipsToPixels(kInnerHeight) + menuBar()->sizeHint().height());
}

void frmHelp::CreateControls()
{
    // The view is placed by hand inside a bare area so that it takes the inner
    // area whole, with no layout margins.
    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("helpArea"));
    m_area->setAccessibleName(QStringLiteral("helpArea"));
    setCentralWidget(m_area);

    m_txtHelp = new QTextBrowser(m_area);
    m_txtHelp->setObjectName(QStringLiteral("txtHelp"));
    m_txtHelp->setAccessibleName(QStringLiteral("txtHelp"));
    m_txtHelp->setOpenLinks(false);
    m_txtHelp->setLineWrapMode(QTextEdit::WidgetWidth);
    QFont font = m_txtHelp->font();
    font.setPointSizeF(kBoxPointSize);
    m_txtHelp->setFont(font);
    // Arial where it is installed, the closest sans-serif face where not.
    QFont documentFont(QStringLiteral("Arial"));
    documentFont.setStyleHint(QFont::SansSerif);
    documentFont.setPointSizeF(11);
    m_txtHelp->document()->setDefaultFont(documentFont);
    QTextOption option = m_txtHelp->document()->defaultTextOption();
    option.setTabStopDistance(TwipsToPixels(720));
    m_txtHelp->document()->setDefaultTextOption(option);
    m_txtHelp->setHtml(HelpDocument());
    // The document's text is black, so its page stays white under any theme.
    SetColour(m_txtHelp, QPalette::Base, Qt::white);
    SetColour(m_txtHelp, QPalette::Text, Qt::black);

    m_area->installEventFilter(this);
    ResizeLayout();
}

void frmHelp::CreateMenus()
{
    QAction *mnuBrowser = menuBar()->addAction(tr("&Visit the Web Site"));
    mnuBrowser->setObjectName(QStringLiteral("mnuBrowser"));
    connect(mnuBrowser, &QAction::triggered, this, &frmHelp::VisitWebSite);
}

bool frmHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area && event->type() == QEvent::Resize)
        ResizeLayout();
    return QMainWindow::eventFilter(watched, event);
}

void frmHelp::ResizeLayout()
{
    // Qt's view wraps at its own width, so nothing else needs setting after a move.
    m_txtHelp->setGeometry(0, 0, std::max(0, m_area->width()), std::max(0, m_area->height()));
}

void frmHelp::VisitWebSite()
{
    if (AskOnline(m_boxes, this))
        m_hub.ShowBrowser();
}
