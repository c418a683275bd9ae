#include "numbertext.h"

#include <QTest>

#include <clocale>
#include <limits>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void formatGeneral_data();
    void formatGeneral();
    void formatPlain_data();
    void formatPlain();
    void parseNumber_data();
    void parseNumber();
    void parseNumberRefuses_data();
    void parseNumberRefuses();
    void formatRoundTrips_data();
    void formatRoundTrips();
    void ignoresCommaLocale();
};

void TestNumberText::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double max = std::numeric_limits<double>::max();

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plain") << "42" << 42.0;
    QTest::newRow("blanks anywhere") << " 4 2\t" << 42.0;
    QTest::newRow("blank after sign") << "- 3" << -3.0;
    QTest::newRow("line feeds") << "\r\n7\n" << 7.0;
    QTest::newRow("trailing word") << "6x" << 6.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("fraction") << "6.5" << 6.5;
    QTest::newRow("bare fraction") << "-.25" << -0.25;
    QTest::newRow("exponent") << "1.5E+2" << 150.0;
    QTest::newRow("lower-case exponent") << "2e3" << 2000.0;
    QTest::newRow("exponent without digits") << "1E" << 1.0;
    QTest::newRow("second period") << "12.34.5" << 12.34;
    QTest::newRow("comma is no separator") << "1,5" << 1.0;
    QTest::newRow("word") << "abc" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("period only") << "." << 0.0;
    QTest::newRow("no hex") << "&H10" << 0.0;
    QTest::newRow("overflow stays finite") << "1e999" << max;
    QTest::newRow("negative overflow") << "-1e999" << -max;
    QTest::newRow("long mantissa overflow") << QString(400, '9') << max;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("huge exponent digits") << "1e99999999999999999999999" << max;
}

void TestNumberText::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(LeadingNumber(text.toStdString()), expected);
}

void TestNumberText::formatGeneral_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 13983816.0 << "13983816";
    QTest::newRow("negative whole") << -3.0 << "-3";
    QTest::newRow("fraction") << 1.5 << "1.5";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("sixth") << 1.0 / 6.0 << "0.166666666666667";
    QTest::newRow("factorial noise") << 13983816.000000002 << "13983816";
    QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("rounds below 1E+15") << 999999999999999.4 << "999999999999999";
    QTest::newRow("rounds up to 1E+15") << 999999999999999.5 << "1E+15";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("mantissa") << 1.5e20 << "1.5E+20";
    QTest::newRow("three-digit exponent") << 1e100 << "1E+100";
    QTest::newRow("1E-04 stays plain") << 0.0001 << "0.0001";
    QTest::newRow("below 1E-04") << 0.00001 << "1E-05";
    QTest::newRow("negative small") << -2.5e-7 << "-2.5E-07";
    QTest::newRow("rounded to 15 digits") << 1.23456789012345678 << "1.23456789012346";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "1.79769313486232E+308";
}

void TestNumberText::formatGeneral()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FormatGeneral(value)), expected);
}

void TestNumberText::formatPlain_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 42.0 << "42";
    QTest::newRow("negative") << -3.0 << "-3";
    QTest::newRow("fraction") << 6.5 << "6.5";
}

void TestNumberText::formatPlain()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FormatPlain(value)), expected);
}

void TestNumberText::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "49" << 49.0;
    QTest::newRow("blanks around") << " \t6 " << 6.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("fraction") << "6.25" << 6.25;
    QTest::newRow("bare fraction") << ".5" << 0.5;
    QTest::newRow("trailing period") << "5." << 5.0;
    QTest::newRow("exponent") << "1E+15" << 1e15;
    QTest::newRow("overflow stays finite") << "1e400" << std::numeric_limits<double>::max();
}

void TestNumberText::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    double value = -1;
    QVERIFY(ParseNumber(text.toStdString(), value));
    QCOMPARE(value, expected);
}

void TestNumberText::parseNumberRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "  ";
    QTest::newRow("word") << "six";
    QTest::newRow("trailing word") << "6x";
    QTest::newRow("inner blank") << "1 2";
    QTest::newRow("sign only") << "-";
    QTest::newRow("period only") << ".";
    QTest::newRow("dangling exponent") << "1e";
    QTest::newRow("decimal comma") << "1,5";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("not a number") << "nan";
    QTest::newRow("hex") << "0x10";
}

void TestNumberText::parseNumberRefuses()
{
    QFETCH(QString, text);
    double value = 7;
    QVERIFY(!ParseNumber(text.toStdString(), value));
    QCOMPARE(value, 7.0);
}

void TestNumberText::formatRoundTrips_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("odds") << 80089128.0;
    QTest::newRow("sixth") << 1.0 / 6.0;
    QTest::newRow("big") << 2.0 / 3.0 * 1e200;
    QTest::newRow("tiny") << -1.0 / 7.0 * 1e-200;
    QTest::newRow("largest") << std::numeric_limits<double>::max();
    QTest::newRow("smallest") << std::numeric_limits<double>::denorm_min();
}

void TestNumberText::formatRoundTrips()
{
    QFETCH(double, value);
    const std::string text = FormatGeneral(value);
    QCOMPARE(FormatGeneral(LeadingNumber(text)), text);
    double parsed = 0;
    QVERIFY(ParseNumber(text, parsed));
    QCOMPARE(FormatGeneral(parsed), text);
}

void TestNumberText::ignoresCommaLocale()
{
    // The program sets the user's locale at start-up; a decimal comma from it
    // must never reach games.dat or the odds.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char *german = nullptr;
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
        if ((german = std::setlocale(LC_ALL, name)))
            break;
    if (!german)
        QSKIP("no locale with a decimal comma is installed");
    const std::string text = FormatGeneral(0.5);
    const double read = LeadingNumber("2.5");
    double parsed = 0;
    const bool ok = ParseNumber("1.25", parsed);
    std::setlocale(LC_ALL, previous.c_str());
    QCOMPARE(QString::fromStdString(text), QStringLiteral("0.5"));
    QCOMPARE(read, 2.5);
    QVERIFY(ok);
    QCOMPARE(parsed, 1.25);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_numbertext.moc"
