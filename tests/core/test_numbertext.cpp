// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "core/numbertext.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <cstdlib>

using namespace Voruvar::Core;

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every case runs in a locale whose decimal separator is a comma, where the C library's own
    // number reading takes "1.5" for 1.
    void initTestCase()
    {
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "the de_DE.UTF-8 locale is not installed");
        QCOMPARE(std::strtod("1,5", nullptr), 1.5);
    }

    void numberFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "5" << 5.0;
        QTest::newRow("leading blank") << " 1" << 1.0;
        QTest::newRow("decimal point and zero") << "1.0" << 1.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("blanks inside digits") << "1 2 3" << 123.0;
        QTest::newRow("tabs and line feeds skipped") << "\t1\n2" << 12.0;
        QTest::newRow("carriage return stops") << "1\r2" << 1.0;
        QTest::newRow("letters give zero") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("stops at letter") << "12abc" << 12.0;
        QTest::newRow("negative") << "-7" << -7.0;
        QTest::newRow("explicit plus") << "+3" << 3.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("comma stops whatever the locale") << "2,5" << 2.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent with D") << "2D2" << 200.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("hexadecimal 16-bit is signed") << "&HFFFF" << -1.0;
        QTest::newRow("hexadecimal beyond 16 bits") << "&H10000" << 65536.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O18" << 1.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("blank between ampersand and H") << "& H1" << 1.0;
        QTest::newRow("blanks around the O") << " &\tO 17" << 15.0;
        QTest::newRow("fraction below one") << "0.9" << 0.9;
        QTest::newRow("fraction with sign and exponent") << "-1.5e1" << -15.0;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("point then digits") << ".5" << 0.5;
        QTest::newRow("sign without digits") << "-" << 0.0;
    }

    void numberFromText()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Voruvar::Core::numberFromText(text), expected);
    }

    // Whether the text begins with a number at all: "0" is a number, "abc" is none.
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<double>("value");
        QTest::newRow("zero") << "0" << true << 0.0;
        QTest::newRow("days") << " 7 days" << true << 7.0;
        QTest::newRow("negative") << "-3" << true << -3.0;
        QTest::newRow("huge") << "1e9" << true << 1e9;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("sign alone") << "+" << false << 0.0;
        QTest::newRow("hexadecimal prefix alone") << "&H" << false << 0.0;
        QTest::newRow("hexadecimal") << "&HA" << true << 10.0;
    }

    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, found);
        QFETCH(double, value);
        const std::optional<double> number = Voruvar::Core::leadingNumber(text);
        QCOMPARE(number.has_value(), found);
        QCOMPARE(number.value_or(0.0), value);
    }

    void numberFromText_hugeExponent_isInfinite()
    {
        QVERIFY(std::isinf(Voruvar::Core::numberFromText(u"1e999")));
    }

    void numberFromText_megabytesOfDigits_doesNotHang()
    {
        const QString text = QStringLiteral("7") + QString(2 * 1024 * 1024, QLatin1Char(' ')) + QStringLiteral("x");
        QCOMPARE(Voruvar::Core::numberFromText(text), 7.0);
    }

    void textAsNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("expected");
        QTest::newRow("whole") << "300" << true << 300.0;
        QTest::newRow("blanks around") << "  12 " << true << 12.0;
        QTest::newRow("point") << "2.5" << true << 2.5;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("trailing letters") << "12abc" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("hex") << "&HFF" << true << 255.0;
        QTest::newRow("bad hex") << "&HZZ" << false << 0.0;
        QTest::newRow("hex of 32 bits") << "&HFFFFFFFF" << true << -1.0;
        QTest::newRow("hex beyond 32 bits") << "&H100000000" << false << 0.0;
        QTest::newRow("octal beyond 32 bits") << "&O40000000000" << false << 0.0;
        QTest::newRow("octal of many digits") << QString(QStringLiteral("&O") + QString(30, u'3')) << false << 0.0;
        QTest::newRow("beyond a double") << "1e999" << false << 0.0;
    }

    void textAsNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, expected);
        const auto number = Voruvar::Core::textAsNumber(text, QLocale::c());
        QCOMPARE(number.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*number, expected);
    }

    void textAsNumber_localeDecimalComma()
    {
        QCOMPARE(Voruvar::Core::textAsNumber(u"2,5", QLocale(QLocale::German)), 2.5);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("2.5 to 2") << 2.5 << 2.0;
        QTest::newRow("3.5 to 4") << 3.5 << 4.0;
        QTest::newRow("-2.5 to -2") << -2.5 << -2.0;
        QTest::newRow("2.6 to 3") << 2.6 << 3.0;
        QTest::newRow("0.5 to 0") << 0.5 << 0.0;
    }

    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(Voruvar::Core::roundHalfEven(value), expected);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_numbertext.moc"
