// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawcheck.h"

#include <QTest>

namespace {
const GameRecord kPowerBall{"Power Ball", 5, 1, 49, 1, 42};
const GameRecord kSixFrom40{"Six", 6, 1, 40, 0, 0};

QString Shown(const DrawError &error, const Draw &draw)
{
    static const char *const names[] = {
        "ok",      "not a number", "out of range",       "repeated",
        "missing", "too many",     "power ball missing", "power ball out of range"};
    QStringList numbers;
    for (int n : draw.Numbers)
        numbers << QString::number(n);
    QString text = QString(names[int(error.Problem)]) +
                   (error.Text.empty() ? "" : " " + QString::fromStdString(error.Text));
    if (!error)
        text += ": " + numbers.join(' ') + (draw.PowerBall ? " + " + QString::number(*draw.PowerBall) : "");
    return text;
}
} // namespace

class TestDrawCheck : public QObject
{
    Q_OBJECT

private slots:
    void readDraw_data()
    {
        QTest::addColumn<bool>("powerBall"); // the Power Ball game, else six from 1 to 40
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<QString>("ball");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("blanks and commas") << true << " 5, 12 23,31  44 " << " 17 " << "ok: 5 12 23 31 44 + 17";
        QTest::newRow("range ends") << true << "1 2 3 4 49" << "42" << "ok: 1 2 3 4 49 + 42";
        QTest::newRow("no power ball asked, one typed") << false << "1 2 3 4 5 40" << "99" << "ok: 1 2 3 4 5 40";
        QTest::newRow("above the range") << true << "1 2 3 4 50" << "1" << "out of range 50";
        QTest::newRow("repeated") << true << "7 8 7 9 10" << "1" << "repeated 7";
        QTest::newRow("a word") << true << "1 2 three 4 5" << "1" << "not a number three";
        QTest::newRow("one missing") << true << "1 2 3 4" << "1" << "missing";
        QTest::newRow("one too many") << false << "1 2 3 4 5 6 7" << "" << "too many";
        QTest::newRow("power ball missing") << true << "1 2 3 4 5" << " " << "power ball missing";
        QTest::newRow("power ball above its range") << true << "1 2 3 4 5" << "43" << "power ball out of range 43";
        QTest::newRow("power ball below its range") << true << "1 2 3 4 5" << "0" << "power ball out of range 0";
        // clang-format on
    }
    void readDraw()
    {
        QFETCH(bool, powerBall);
        QFETCH(QString, numbers);
        QFETCH(QString, ball);
        Draw draw;
        const DrawError error = ReadDraw(RulesOf(powerBall ? kPowerBall : kSixFrom40), numbers.toStdString(),
                                         ball.toStdString(), draw);
        QTEST(Shown(error, draw), "result");
    }

    void matches_data()
    {
        QTest::addColumn<QString>("pick");  // a history line after its time
        QTest::addColumn<QString>("match"); // count, PB, marks; "-" for a line not checked
        // clang-format off
        QTest::newRow("three and the ball") << "Power Ball,5 12 23 31 44,17" << "3 PB 01110";
        QTest::newRow("all, ball missed") << "Power Ball,44 31 23 12 5,16" << "5 - 11111";
        QTest::newRow("another game") << "Six,5 12 23 31 44 40," << "-";
        QTest::newRow("same name, other bytes") << "\"Power Ball \",5 12 23 31 44,17" << "-";
        // clang-format on
    }
    void matches()
    {
        QFETCH(QString, pick);
        const std::string line = "2026-12-07T16:30:12+01:00," + pick.toStdString();
        const Draw draw =
            pick.contains(",44 ") ? Draw{{12, 44, 23, 31, 5}, 17} : Draw{{7, 12, 23, 31, 9}, 17};
        const std::optional<PickMatch> match =
            CheckDraw({{line, ParseHistoryLine(line)}}, "Power Ball", draw)[0];
        QString shown = "-";
        if (match) {
            shown = QString::number(match->Count) + (match->PowerBall ? " PB " : " - ");
            for (bool hit : match->Matched)
                shown += hit ? '1' : '0';
        }
        QTEST(shown, "match");
    }
};

QTEST_APPLESS_MAIN(TestDrawCheck)
#include "test_drawcheck.moc"
