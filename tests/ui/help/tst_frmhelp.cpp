// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelp.h"
#include "standins.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

class TestHelp final : public QObject
{
    Q_OBJECT
    StandIns m_desk;
    frmHelp m_help{m_desk, m_desk};

private slots:
    void boxFillsTheInnerArea()
    {
        m_help.show();
        for (const QSize inner : {QSize(900, 700), QSize(0, 0)}) {
            m_help.centralWidget()->resize(inner);
            QCOMPARE(m_help.findChild<QWidget *>("txtHelp")->geometry(), QRect(QPoint(), inner));
        }
    }

    // The browser opens only on Yes to the on-line prompt.
    void visitTheWebSite()
    {
        QAction *entry = m_help.menuBar()->actions().value(0);
        QCOMPARE(m_help.windowTitle() + '|' + entry->text(), QStringLiteral("Drawsmith Help|&Visit the Web Site"));
        m_desk.script = {"", "Are You On-line?|Yes"}; // No, then Yes
        entry->trigger();
        entry->trigger();
        m_desk.events.replaceInStrings(QRegularExpression("(?s)\\|.*\\|"), " ");
        QCOMPARE(m_desk.events, (QStringList{"Are You On-line? No", "Are You On-line? Yes", "browser"}));
    }

    // Each written block: points (b: bold), left margin and first-line indent in pixels (720 twips are 48),
    // c when centred, and its first three characters.
    void documentKeepsItsLook()
    {
        QStringList looks;
        for (QTextBlock b = m_help.findChild<QTextBrowser *>("txtHelp")->document()->begin(); b.isValid();
             b = b.next())
            if (const QTextCharFormat font = b.begin().fragment().charFormat(); !b.text().trimmed().isEmpty())
                looks << QString::asprintf("%g%s %g,%g%s ", font.fontPointSize(),
                                           font.fontWeight() >= QFont::Bold ? "b" : "",
                                           b.blockFormat().leftMargin(), b.blockFormat().textIndent(),
                                           b.blockFormat().alignment() & Qt::AlignHCenter ? "c" : "") +
                             b.text().left(3);
        QCOMPARE(looks.join('|'),
                 "18b 0,0 Dra|12b 48,0 Ove|11 48,0 Dra|11 48,0 Dan|11 48,0 123|11 48,0 Ima|11 48,0 Ple|"
                 "12 48,0c htt|12b 48,0 Dir|11 96,-48 1.\t|11 96,-48 2.\t|11 96,-48 3.\t|11 96,0 The|"
                 "11 96,-48 4.\t|11 96,0 Whe");
    }
};

QTEST_MAIN(TestHelp)
#include "tst_frmhelp.moc"
