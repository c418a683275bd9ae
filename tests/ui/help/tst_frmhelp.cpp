// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelp.h"
#include "testdoubles.h"

#include <QMenuBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

class TestHelp final : public QObject
{
    Q_OBJECT
    CountingHub m_hub;
    ScriptedBoxes m_boxes;
    frmHelp m_help{m_hub, m_boxes};

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
        for (const bool yes : {false, true}) {
            m_boxes.answer = yes;
            entry->trigger();
            QCOMPARE(m_boxes.shown.filter("Are You On-line?|").size() + m_hub.browser, yes ? 3 : 1);
        }
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
