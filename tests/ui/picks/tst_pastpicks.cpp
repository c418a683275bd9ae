// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogueloader.h"
#include "frmmain.h"
#include "frmpastpicks.h"
#include "pickhistory.h"
#include "safefile.h"
#include "standins.h"
#include "userinput.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {
const QByteArray kTwoGames = "Seven Up, 7, 100, 106, 0, 0\r\nBig Ball,5,1,49,32701,32742\r\nLoter\xed"
                             "a,6,1,49,0,0\r\n";
const QByteArray kHeader = "time,game,numbers,power_ball\n";
// Oldest first, as runs append them; the third is no pick.
const QByteArray kHistory = kHeader + "2026-12-01T10:00:00+01:00,Big Ball,1 2 3 4 5,32701\n"
                                      "2026-12-02T10:00:00+01:00,Seven Up,100 101 102 103 104 105 106,\n"
                                      "not a pick at all\n"
                                      "2026-12-03T10:00:00+01:00,Loter\xed"
                                      "a,5 6 7 8 9 10,\n"
                                      "2026-12-04T10:00:00+01:00,Big Ball,4 11 18 25 32,32722\n";

// The history's picks as copied; "earlier" for one not made just now, "?" for an unreadable line.
QString History()
{
    std::vector<HistoryLine> lines;
    if (!ReadHistory(kHistoryFile, lines))
        return "unreadable";
    QStringList shown;
    for (const HistoryLine &line : lines) {
        const QDateTime when =
            QDateTime::fromString(QString::fromStdString(line.Pick ? line.Pick->Time : ""), Qt::ISODate);
        shown << (!line.Pick ? "?"
                  : qAbs(when.secsTo(QDateTime::currentDateTime())) > 60
                      ? "earlier"
                      : QString::fromStdString(FormatCopyLine(*line.Pick)));
    }
    return shown.join("; ");
}

QString PdfText(const QString &pdf)
{
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    return text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()).simplified()
                                  : "no pdftotext";
}
} // namespace

class TestPastPicks : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    GameCatalogue m_catalogue;
    StandIns m_fakes;
    QPointer<FrmPastPicks> m_past;
    std::unique_ptr<FrmMain> m_window;

    void Open(const QString &saved, const QByteArray &history)
    {
        m_window.reset();
        QFile::remove("picks.csv");
        QDir().rmdir("picks.csv");
        if (history == "<folder>")
            QVERIFY(QDir().mkdir("picks.csv"));
        else if (!history.isNull())
            QVERIFY(ReplaceFile(kHistoryFile, history.toStdString()));
        QVERIFY(ReplaceFile(kCatalogueFile, kTwoGames.toStdString()));
        m_catalogue = {};
        m_fakes = {};
        m_fakes.saved = "GameName/Game=" + saved;
        m_fakes.pastPicks = [this] { // the real window, once
            if (!m_past) {
                m_past = new FrmPastPicks(m_catalogue, kHistoryFile, m_fakes, m_fakes);
                m_past->setAttribute(Qt::WA_DeleteOnClose);
            }
            m_past->show();
            m_past->activateWindow();
        };
        m_fakes.recorded = [this] {
            if (m_past)
                m_past->Reload();
        };
        m_window = std::make_unique<FrmMain>(m_catalogue, m_fakes, m_fakes, m_fakes, m_fakes, &m_fakes);
        m_window->Load();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    // Opens Past Picks with its key, as a user would.
    FrmPastPicks *PastPicks()
    {
        PressKey(m_window.get(), "Ctrl+H");
        return m_past && QTest::qWaitForWindowActive(m_past) ? m_past.data() : nullptr;
    }
    // Keys by name through the window that has the focus; "=text" types into the focused control.
    static void Press(const QString &keys)
    {
        for (const QString &name : keys.split(' ', Qt::SkipEmptyParts)) {
            if (name.startsWith('='))
                QTest::keyClicks(qApp->focusWidget(), name.mid(1).replace('_', ' '));
            else
                PressKey(qApp->activeWindow(), name);
            if (name.startsWith("Alt+")) // a button's access key clicks it a moment later
                QTest::qWait(150);
        }
    }
    // Each row shown: its cells apart by " | ".
    static QStringList Rows(const FrmPastPicks *window, int role = Qt::DisplayRole)
    {
        const QAbstractItemModel *model = window->findChild<QTableView *>("tblPicks")->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data(role).toString();
            rows << cells.join(" | ");
        }
        return rows;
    }
    static QString Focus() { return qApp->focusWidget() ? qApp->focusWidget()->objectName() : "-"; }

private slots:
    void initTestCase()
    {
        qputenv("TZ", "UTC"); // the history's +01:00 shows an hour earlier
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    void cleanup()
    {
        delete m_past.data();
        m_window.reset();
    }

    // How a run ends decides whether its picks are kept.
    void recording_data()
    {
        QTest::addColumn<QByteArray>("history");
        QTest::addColumn<QString>("action"); // at the first set of each of two runs
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QStringList>("events");
        const QString twice = "Big Ball: 4 11 18 25 32 + PB 32722; Big Ball: 4 11 18 25 32 + PB 32722";
        // clang-format off
        QTest::newRow("to the end") << QByteArray() << "" << twice << QStringList();
        QTest::newRow("Stop, after earlier runs") << kHistory << "cmpStop" << "earlier; earlier; ?; earlier; earlier; " + twice
            << QStringList();
        QTest::newRow("another game") << QByteArray() << "LotGame"
            << "Seven Up: 100 101 102 103 104 105 106; Seven Up: 100 101 102 103 104 105 106" << QStringList{"GameName/Game=0"};
        QTest::newRow("Exit") << QByteArray() << "cmdExit" << "" << QStringList{"end", "end"};
        // Told once, not after every run; the picks stay on screen.
        QTest::newRow("history is a folder") << QByteArray("<folder>") << "" << "unreadable"
            << QStringList{"Past Picks|This run's picks could not be added to your past picks; they stay on screen"};
        // clang-format on
    }
    void recording()
    {
        QFETCH(QByteArray, history);
        QFETCH(QString, action);
        QFETCH(QString, kept);
        QFETCH(QStringList, events);
        Open("1", history);
        if (history == kHistory) // open meanwhile, it shows each run
            QVERIFY(PastPicks());
        m_fakes.atFirstSet = [&] {
            if (action == "LotGame")
                QTest::keyClick(m_window->findChild<QComboBox *>("LotGame"), Qt::Key_Up);
            else if (!action.isEmpty())
                QMetaObject::invokeMethod(m_window->findChild<QObject *>(action), "click");
        };
        for (int run = 0; run < 2; ++run) {
            m_fakes.pumps = 0;
            QMetaObject::invokeMethod(m_window->findChild<QObject *>("cmdStart"), "click");
        }
        for (QString &event : m_fakes.events)
            event = event.section('.', 0, 0);
        QCOMPARE(m_fakes.events, events);
        QCOMPARE(History(), kept);
        if (history == kHistory)
            QCOMPARE(Rows(m_past).size(), 7);
        if (history == "<folder>") { // Past Picks opens an empty list that says why, and never hangs
            FrmPastPicks *window = PastPicks();
            QVERIFY(window);
            QCOMPARE(Rows(window), QStringList());
            const QString status = window->findChild<QLabel *>("lblStatus")->text();
            QVERIFY2(status.startsWith("picks.csv is a folder"), qPrintable(status));
        }
    }

    // Past Picks over a history: newest first, checked against a draw typed by keyboard.
    void check_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("rows");
        const QStringList newest{"12/4/26 9:00 AM | Big Ball | 4 11 18 25 32 | 32722 | ",
                                 "12/3/26 9:00 AM | Lotería | 5 6 7 8 9 10 |  | ",
                                 "Unreadable line | not a pick at all |  |  | ",
                                 "12/2/26 9:00 AM | Seven Up | 100 101 102 103 104 105 106 |  | ",
                                 "12/1/26 9:00 AM | Big Ball | 1 2 3 4 5 | 32701 | "};
        const QString big = " Big Ball draws 5 numbers from 1 to 49.";
        // clang-format off
        QTest::newRow("three and the Power Ball, best first") << "Alt+D =4,_11_18_3_9 Alt+B =32701 Return" << "tblPicks"
            << QStringList() << QStringList{"12/4/26 9:00 AM | Big Ball | 4✓ 11✓ 18✓ 25 32 | 32722 | 3",
                                            "12/1/26 9:00 AM | Big Ball | 1 2 3✓ 4✓ 5 | 32701✓ | 2 + PB", newest[1],
                                            newest[2], newest[3]};
        QTest::newRow("another game, back to newest first") << "Alt+G Down Alt+D =5_6_7_8_9_49 Alt+H Alt+S Up" << "cboSort"
            << QStringList() << QStringList{newest[0], "12/3/26 9:00 AM | Lotería | 5✓ 6✓ 7✓ 8✓ 9✓ 10 |  | 5", newest[2],
                                            newest[3], newest[4]};
        QTest::newRow("out of range") << "Alt+D =1_2_3_4_50 Alt+H" << "txtDraw"
            << QStringList{"Check a Draw|50 is out of range." + big} << newest;
        QTest::newRow("Power Ball out of range") << "Alt+D =1_2_3_4_5 Alt+B =1 Return" << "txtDrawPowerBall"
            << QStringList{"Check a Draw|Type the drawn Power Ball, a number from 32701 to 32742."} << newest;
        // clang-format on
    }
    void check()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, events);
        Open("1", kHistory);
        FrmPastPicks *window = PastPicks();
        QVERIFY(window);
        Press(keys);
        QTEST(Focus(), "focus");
        QCOMPARE(m_fakes.events, events);
        QTEST(Rows(window), "rows");
        if (keys.contains("32701")) { // the screen reader hears what the mark shows
            QCOMPARE(Rows(window, Qt::AccessibleTextRole).value(1),
                     "12/1/26 9:00 AM | Big Ball | 1, 2, 3 matched, 4 matched, 5 | 32701 matched | 2 + PB");
            const QModelIndex numbers = window->findChild<QTableView *>("tblPicks")->model()->index(1, 2);
            const QTableView *table = window->findChild<QTableView *>("tblPicks");
            auto ink = [&](const QAbstractItemDelegate &delegate) {
                QImage cell(200, 30, QImage::Format_RGB32);
                cell.fill(Qt::white);
                QPainter painter(&cell);
                QStyleOptionViewItem option;
                option.initFrom(table);
                option.rect = cell.rect();
                delegate.paint(&painter, option, numbers);
                painter.end();
                int dark = 0;
                for (int y = 0; y < cell.height(); ++y)
                    for (int x = 0; x < cell.width(); ++x)
                        dark += qGray(cell.pixel(x, y)) < 128;
                return dark;
            };
            QVERIFY2(ink(*table->itemDelegate()) > ink(QStyledItemDelegate()) * 1.1,
                     "matched numbers in bold");
        }
    }

    // Rows selected by keyboard, copied, deleted after a question; nothing else in the file changes.
    void copyAndDelete_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QByteArray>("file");
        const QString ask = "Delete Picks|Delete the 2 selected picks from the history?|";
        // clang-format off
        QTest::newRow("copy two") << "Shift+Down Ctrl+C" << "" << "Big Ball: 4 11 18 25 32 + PB 32722\nLotería: 5 6 7 8 9 10"
            << kHistory;
        QTest::newRow("delete two, No") << "Shift+Down Delete" << ask + "No" << "" << kHistory;
        // The unreadable line stays byte for byte.
        QTest::newRow("delete two, Yes") << "Shift+Down Delete" << ask + "Yes" << "" << QByteArray(kHistory)
            .replace("2026-12-03T10:00:00+01:00,Loter\xed" "a,5 6 7 8 9 10,\n", "")
            .replace("2026-12-04T10:00:00+01:00,Big Ball,4 11 18 25 32,32722\n", "");
        QTest::newRow("button, one") << "Alt+L" << "Delete Picks|Delete the selected pick from the history?|Yes" << ""
            << kHistory.left(kHistory.indexOf("2026-12-04"));
        // clang-format on
    }
    void copyAndDelete()
    {
        QFETCH(QString, keys);
        QFETCH(QString, answer);
        Open("1", kHistory);
        m_fakes.script = QStringList{answer};
        QGuiApplication::clipboard()->clear();
        QVERIFY(PastPicks());
        Press(keys);
        QTEST(QGuiApplication::clipboard()->text(), "clipboard");
        QCOMPARE(m_fakes.events, answer.isEmpty() ? QStringList() : QStringList{answer});
        QFile file("picks.csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTEST(file.readAll(), "file");
        QCOMPARE(Focus(), "tblPicks");
    }

    // The current picks from the main window, the selected ones from Past Picks, black on white under a
    // dark palette.
    void print_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("Past Picks, two selected") << "past" << "Down Shift+Down Shift+Down Alt+P"
            << "Lotería 12/3/26 9:00 AM 5 6 7 8 9 10 Odds of winning the grand prize: 13983816 to 1 "
               "Seven Up 12/2/26 9:00 AM 100 101 102 103 104 105 106 Odds of winning the grand prize: 1 to 1";
        QTest::newRow("main window, Ctrl+P") << "main" << "Ctrl+P"
            << "Big Ball WHEN 1 2 3 4 5 Power Ball 48 Odds of winning the grand prize: 80089128 to 1";
        // clang-format on
    }
    void print()
    {
        QFETCH(QString, from);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        Open("1", kHistory);
        const QString pdf = m_dir.filePath("slip.pdf");
        QFile::remove(pdf);
        m_fakes.pdf = pdf;
        const QPalette light = qApp->palette();
        qApp->setPalette(DarkPalette());
        if (from == "past")
            QVERIFY(PastPicks());
        Press(keys);
        qApp->setPalette(light);
        QCOMPARE(m_fakes.events, QStringList{"print"});
        QString printed = PdfText(pdf);
        if (from != "past") // printed at this minute
            printed.replace(QRegularExpression(R"(\d+/\d+/\d+ \d+:\d+ [AP]M)"), "WHEN");
        QTEST(printed, "text");
        QProcess raster; // black on white: the page's corner is white paper
        raster.start("pdftoppm", {"-r", "10", "-gray", "-f", "1", "-l", "1", pdf, m_dir.filePath("page")});
        QVERIFY(raster.waitForFinished());
        const QImage page(m_dir.filePath("page-1.pgm"));
        QCOMPARE(page.pixelColor(page.width() / 2, page.height() / 2).lightness() > 200, true);
    }
};

QTEST_MAIN(TestPastPicks)
#include "tst_pastpicks.moc"
