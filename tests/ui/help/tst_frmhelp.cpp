#include "appinfo.h"
#include "frmhelp.h"
#include "testdoubles.h"
#include "twips.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

class TestHelp final : public QObject
{
    Q_OBJECT
    CountingHub m_hub;
    ScriptedBoxes m_boxes;

private slots:
    void resizeLayout_data()
    {
        QTest::addColumn<QSize>("inner");
        QTest::newRow("design size") << QSize(TwipsToPixels(7395), TwipsToPixels(6195));
        QTest::newRow("larger") << QSize(900, 700);
        QTest::newRow("narrow") << QSize(3, 40);
        QTest::newRow("minimized to nothing") << QSize(0, 0);
    }
    void resizeLayout()
    {
        QFETCH(QSize, inner);
        frmHelp help(m_hub, m_boxes);
        help.show();
        QCOMPARE(help.centralWidget()->size(), QSize(TwipsToPixels(7395), TwipsToPixels(6195)));
        help.centralWidget()->resize(inner);
        QCOMPARE(help.findChild<QTextBrowser *>("txtHelp")->geometry(), QRect(QPoint(0, 0), inner));
    }

    void visitWebSite_data()
    {
        QTest::addColumn<bool>("online");
        QTest::newRow("No leaves everything") << false;
        QTest::newRow("Yes opens the browser") << true;
    }
    void visitWebSite()
    {
        QFETCH(bool, online);
        m_hub = {}, m_boxes = {};
        m_boxes.answer = online;
        frmHelp help(m_hub, m_boxes);
        QAction *entry = help.findChild<QAction *>("mnuBrowser");
        QVERIFY(entry && !entry->menu() && help.menuBar()->actions() == QList<QAction *>{entry});
        QCOMPARE(entry->text(), QStringLiteral("&Visit the Web Site"));
        entry->trigger();
        QCOMPARE(m_boxes.shown.size(), 1);
        QVERIFY(m_boxes.shown[0].startsWith("Are You On-line?|"));
        QCOMPARE(m_hub.browser, online ? 1 : 0);
    }

    // The document must render with its sizes and indents, not just hold the words.
    void document_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("indentTwips"); // where the block's first character stands
        QTest::newRow("title") << "Drawsmith Help" << 18.0 << true << 0;
        QTest::newRow("overview heading") << "Overview:" << 12.0 << true << 720;
        QTest::newRow("overview") << "\"Law of Larger Numbers\"" << 11.0 << false << 720;
        QTest::newRow("home page") << AppInfo::kHomePage << 12.0 << false << 720;
        QTest::newRow("directions heading") << "Directions" << 12.0 << true << 720;
        QTest::newRow("direction 1") << "\"Edit / Add\"" << 11.0 << false << 720;
        QTest::newRow("direction 2") << "\"Start\"" << 11.0 << false << 720;
        QTest::newRow("direction 3") << "\"Adding or Editing an Existing Game:\"" << 11.0 << false << 720;
        QTest::newRow("editor texts") << "\"Does this game have a Power Ball?\"" << 11.0 << false << 1440;
        QTest::newRow("save texts") << "\"Add and Save..\" or \"Save Changes..\"" << 11.0 << false << 1440;
        QTest::newRow("delete") << "\"Delete Game\"" << 11.0 << false << 1440;
        QTest::newRow("direction 4") << "\"Visit the Web Site:\"" << 11.0 << false << 720;
        QTest::newRow("home") << "\"Home\" is the Kestrelworks web site" << 11.0 << false << 1440;
    }
    void document()
    {
        QFETCH(QString, phrase);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(int, indentTwips);
        frmHelp help(m_hub, m_boxes);
        const QTextDocument *doc = help.findChild<QTextBrowser *>("txtHelp")->document();
        const QTextCursor found = doc->find(phrase);
        QVERIFY2(!found.isNull(), qPrintable(phrase));
        const QTextCharFormat format = found.charFormat();
        QCOMPARE(format.fontPointSize(), points);
        QCOMPARE(format.fontWeight() >= QFont::Bold, bold);
        const QTextBlockFormat block = found.block().blockFormat();
        QCOMPARE(qRound(block.leftMargin() + block.textIndent()), TwipsToPixels(indentTwips));
        // Regression: the tab after a direction's number collapsed to a blank, so the text did not hang.
        if (found.block().text().front().isDigit())
            QVERIFY(found.block().text().contains(".\t"));
        QVERIFY(!doc->toPlainText().contains('@'));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_frmhelp.moc"
