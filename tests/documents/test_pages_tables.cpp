// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// Whole-table identities on every reference page, so that a wrong digit anywhere in a derived
// column fails, not only in the cells the spot checks pick: a column converted from another
// (mm = in × 25.4), every cell of a conversion matrix against the base-unit value of its row
// and column unit, series that must run in order, and values printed twice. One checker per
// kind of identity; the tables below say where each applies. The factors are the definitions
// (1 in = 25.4 mm, 1 lb = 0.45359237 kg, ...) or, where noted, published constants.

#include "pagetables.h"

#include <QTest>

#include <cmath>

using namespace Voruvar::Tests;
using namespace Voruvar::Tests::PageTables;

class TestPagesTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each listed column is the given function of other columns of its row, to the places printed.
    void column_followsItsFormula_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(formulas().size()); ++i)
            QTest::newRow(qPrintable(formulas().at(i).name())) << i;
    }
    void column_followsItsFormula()
    {
        QFETCH(int, index);
        const Formula &formula = formulas().at(index);
        QString failure;
        const int checked = checkFormula(formula, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(checked > 0, "no row of the table could be checked");
    }

    // Every cell of a conversion matrix is the ratio of the base-unit values of its row's unit
    // and its column's unit; the diagonal reads 1.
    void matrix_agreesWithItsBaseUnitColumn_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(matrices().size()); ++i)
            QTest::newRow(qPrintable(matrices().at(i).name())) << i;
    }
    void matrix_agreesWithItsBaseUnitColumn()
    {
        QFETCH(int, index);
        QString failure;
        const int checked = checkMatrix(matrices().at(index), &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(checked > 0, "no cell of the matrix could be checked");
    }

    // Series that grow or shrink row by row (drill sizes, preferred numbers, element numbers).
    void column_runsInOrder_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(orders().size()); ++i)
            QTest::newRow(qPrintable(orders().at(i).name())) << i;
    }
    void column_runsInOrder()
    {
        QFETCH(int, index);
        QString failure;
        QVERIFY2(checkOrder(orders().at(index), &failure), qPrintable(failure));
    }

    // A value printed in two tables of a page reads the same in both.
    void value_isTheSameInBothTables_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(duplicates().size()); ++i)
            QTest::newRow(qPrintable(duplicates().at(i).name())) << i;
    }
    void value_isTheSameInBothTables()
    {
        QFETCH(int, index);
        QString failure;
        const int checked = checkDuplicate(duplicates().at(index), &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(checked > 0, "no row is in both tables");
    }

    // Drill sizes named in one column and given as decimals in the next agree.
    void drill_decimalIsTheDrillsSize_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(drills().size()); ++i)
            QTest::newRow(qPrintable(drills().at(i).name())) << i;
    }
    void drill_decimalIsTheDrillsSize()
    {
        QFETCH(int, index);
        QString failure;
        const int checked = checkDrill(drills().at(index), &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(checked > 0, "no drill in the table");
    }

    // The checkers themselves: a garbled cell fails instead of reading as some number, and a
    // value one digit off fails where the true value passes.
    void checkers_failOnGarbledAndWrongCells()
    {
        QVERIFY(std::isnan(DocumentPage::number(QStringLiteral("−1 × −1"))));
        QVERIFY(std::isnan(DocumentPage::number(QStringLiteral("1e5"))));
        QVERIFY(std::isnan(DocumentPage::number(QStringLiteral("12,34"))));
        QVERIFY(std::isnan(DocumentPage::number(QStringLiteral("0.2O10"))));
        QCOMPARE(DocumentPage::number(QStringLiteral("10⁻⁴")), 1e-4);
        QCOMPARE(DocumentPage::number(QStringLiteral("100")), 100.0);
        QCOMPARE(DocumentPage::number(QStringLiteral("1-1/2")), 1.5);
        QCOMPARE(DocumentPage::number(QStringLiteral("29,031.7")), 29031.7);
        QCOMPARE(DocumentPage::numbers(QStringLiteral("−50 – 40")), QList<double>({-50.0, 40.0}));
        QVERIFY(DocumentPage::numbers(QStringLiteral("2.24–x")).isEmpty());

        // 1/4 in = 6.35 mm: printed to three places, 6.350 passes and 6.351 or 6.35O fail.
        const auto agrees = [](const char *mm) {
            return agreesWithin(QString::fromUtf8(mm), {QStringLiteral("0.2500")}, scaled(25.4), Formula::Given);
        };
        QVERIFY(agrees("6.350"));
        QVERIFY(!agrees("6.351"));
        QVERIFY(!agrees("6.35O"));
        QCOMPARE(halfLastPlace(QStringLiteral("1.450377×10⁻⁴")), 0.5e-10);
        QCOMPARE(halfLastPlace(QStringLiteral("8,848.86")), 0.005);
    }
};

QTEST_MAIN(TestPagesTables)
#include "test_pages_tables.moc"
