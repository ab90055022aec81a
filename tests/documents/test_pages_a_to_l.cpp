// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// Spot checks of values on the pages from AREA to LASER SAFETY CLASSES, chosen where
// published tables commonly go wrong. Each value is the one the page's named source gives.

#include "documentpage.h"

#include <QDir>
#include <QTest>

using namespace Voruvar::Tests;

namespace {

DocumentPage loadPage(const char *file)
{
    DocumentPage page;
    QString error;
    if (!page.load(QDir(qEnvironmentVariable("VORUVAR_BIN_DIR")).filePath(QString::fromLatin1(file)), &error))
        qWarning("%s", qPrintable(error));
    return page;
}

} // namespace

class TestPagesAToL : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void letterDrills_data()
    {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("inch");
        QTest::addColumn<QString>("mm");
        // Neighbours that get swapped, letters read as digits, and both ends of the series.
        QTest::newRow("A") << "A" << "0.2340" << "5.944";
        QTest::newRow("E") << "E" << "0.2500" << "6.350";
        QTest::newRow("F") << "F" << "0.2570" << "6.528";
        QTest::newRow("G") << "G" << "0.2610" << "6.629";
        QTest::newRow("I") << "I" << "0.2720" << "6.909";
        QTest::newRow("O") << "O" << "0.3160" << "8.026";
        QTest::newRow("Q") << "Q" << "0.3320" << "8.433";
        QTest::newRow("U") << "U" << "0.3680" << "9.347";
        QTest::newRow("Z") << "Z" << "0.4130" << "10.490";
    }
    void letterDrills()
    {
        QFETCH(QString, letter);
        QFETCH(QString, inch);
        QFETCH(QString, mm);
        const DocumentPage page = loadPage("DS.DOX");
        QCOMPARE(page.cell(QStringLiteral("A to Z"), letter, QStringLiteral("Diameter (in)")), inch);
        QCOMPARE(page.cell(QStringLiteral("A to Z"), letter, QStringLiteral("Diameter (mm)")), mm);
        // The size-order table repeats the same value.
        QCOMPARE(page.cell(QStringLiteral("order of size"), letter, QStringLiteral("Diameter (in)")), inch);
    }

    void letterDrills_tapUsesAndOrder()
    {
        const DocumentPage page = loadPage("DS.DOX");
        QCOMPARE(page.cell(QStringLiteral("A to Z"), QStringLiteral("F"), QStringLiteral("Common use")),
                 QStringLiteral("Tap drill 5/16-18 UNC"));
        QCOMPARE(page.cell(QStringLiteral("A to Z"), QStringLiteral("I"), QStringLiteral("Common use")),
                 QStringLiteral("Tap drill 5/16-24 UNF"));
        QCOMPARE(page.cell(QStringLiteral("A to Z"), QStringLiteral("R"), QStringLiteral("Common use")),
                 QStringLiteral("Tap drill 1/8-27 NPT (without reaming)"));
        QCOMPARE(page.cell(QStringLiteral("order of size"), QStringLiteral("#1"), QStringLiteral("Diameter (in)")),
                 QStringLiteral("0.2280"));
        QCOMPARE(page.cell(QStringLiteral("order of size"), QStringLiteral("5/16"), QStringLiteral("Diameter (mm)")),
                 QStringLiteral("7.9375"));
        QVERIFY(page.isExact(QStringLiteral("order of size"), QStringLiteral("5/16"), QStringLiteral("Diameter (mm)")));
        QVERIFY(!page.isExact(QStringLiteral("order of size"), QStringLiteral("O"), QStringLiteral("Diameter (mm)")));
        // 26 letters in growing size.
        const auto tables = page.tables();
        QVERIFY(!tables.isEmpty());
        QCOMPARE(tables.first().rows.size(), 26);
        double previous = 0;
        for (const auto &row : tables.first().rows) {
            const double size = row.at(1).text.toDouble();
            QVERIFY2(size > previous, qPrintable(row.first().text));
            previous = size;
        }
    }
};

QTEST_MAIN(TestPagesAToL)
#include "test_pages_a_to_l.moc"
