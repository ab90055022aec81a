// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// Spot checks of values on the pages from AREA to LASER SAFETY CLASSES, chosen where
// published tables commonly go wrong. Each value is the one the page's named source gives.

#include "documentpage.h"

#include <QDir>
#include <QHash>
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
        QTest::newRow("A") << "A"
                           << "0.2340"
                           << "5.944";
        QTest::newRow("E") << "E"
                           << "0.2500"
                           << "6.350";
        QTest::newRow("F") << "F"
                           << "0.2570"
                           << "6.528";
        QTest::newRow("G") << "G"
                           << "0.2610"
                           << "6.629";
        QTest::newRow("I") << "I"
                           << "0.2720"
                           << "6.909";
        QTest::newRow("O") << "O"
                           << "0.3160"
                           << "8.026";
        QTest::newRow("Q") << "Q"
                           << "0.3320"
                           << "8.433";
        QTest::newRow("U") << "U"
                           << "0.3680"
                           << "9.347";
        QTest::newRow("Z") << "Z"
                           << "0.4130"
                           << "10.490";
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
            const double size = DocumentPage::number(row.at(1).text);
            QVERIFY2(size > previous, qPrintable(row.first().text));
            previous = size;
        }
    }

    void numberDrills_data()
    {
        QTest::addColumn<QString>("drill");
        QTest::addColumn<QString>("inch");
        QTest::addColumn<QString>("mm");
        // The rows published charts most often get wrong, and both ends.
        QTest::newRow("#1") << "#1"
                            << "0.2280"
                            << "5.791";
        QTest::newRow("#5") << "#5"
                            << "0.2055"
                            << "5.220";
        QTest::newRow("#18") << "#18"
                             << "0.1695"
                             << "4.305";
        QTest::newRow("#25") << "#25"
                             << "0.1495"
                             << "3.797";
        QTest::newRow("#30") << "#30"
                             << "0.1285"
                             << "3.264";
        QTest::newRow("#43") << "#43"
                             << "0.0890"
                             << "2.261";
        QTest::newRow("#56") << "#56"
                             << "0.0465"
                             << "1.181";
        QTest::newRow("#69") << "#69"
                             << "0.0292"
                             << "0.742";
        QTest::newRow("#79") << "#79"
                             << "0.0145"
                             << "0.368";
        QTest::newRow("#80") << "#80"
                             << "0.0135"
                             << "0.343";
    }
    void numberDrills()
    {
        QFETCH(QString, drill);
        QFETCH(QString, inch);
        QFETCH(QString, mm);
        const DocumentPage page = loadPage("DN.DOX");
        QCOMPARE(page.cell(QStringLiteral("#1 to #80"), drill, QStringLiteral("Diameter (in)")), inch);
        QCOMPARE(page.cell(QStringLiteral("#1 to #80"), drill, QStringLiteral("Diameter (mm)")), mm);
    }

    void numberDrills_seriesAndTapUses()
    {
        const DocumentPage page = loadPage("DN.DOX");
        QVERIFY(!page.tables().isEmpty());
        const auto &rows = page.tables().first().rows;
        QCOMPARE(rows.size(), 80);
        // Sizes fall as the number rises; each mm value is the inch value × 25.4.
        double previous = 1;
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows.at(i).at(0).text, QStringLiteral("#%1").arg(i + 1));
            const double inch = DocumentPage::number(rows.at(i).at(1).text);
            QVERIFY2(inch < previous, qPrintable(rows.at(i).at(0).text));
            QVERIFY2(qAbs(DocumentPage::number(rows.at(i).at(2).text) - inch * 25.4) <= 0.0005 + 1e-9,
                     qPrintable(rows.at(i).at(0).text));
            previous = inch;
        }
        const QString table = QStringLiteral("#1 to #80");
        const QString use = QStringLiteral("Common use");
        QCOMPARE(page.cell(table, QStringLiteral("#43"), use), QStringLiteral("Tap drill 4-40 UNC"));
        QCOMPARE(page.cell(table, QStringLiteral("#36"), use), QStringLiteral("Tap drill 6-32 UNC"));
        QCOMPARE(page.cell(table, QStringLiteral("#29"), use), QStringLiteral("Tap drill 8-32 UNC"));
        QCOMPARE(page.cell(table, QStringLiteral("#25"), use), QStringLiteral("Tap drill 10-24 UNC"));
        QCOMPARE(page.cell(table, QStringLiteral("#21"), use), QStringLiteral("Tap drill 10-32 UNF"));
        QCOMPARE(page.cell(table, QStringLiteral("#7"), use), QStringLiteral("Tap drill 1/4-20 UNC"));
        QCOMPARE(page.cell(table, QStringLiteral("#3"), use), QStringLiteral("Tap drill 1/4-28 UNF"));
        QCOMPARE(page.cell(QStringLiteral("#81 to #97"), QStringLiteral("#97"), QStringLiteral("Diameter (in)")),
                 QStringLiteral("0.0059"));
    }

    void area_factors()
    {
        const DocumentPage page = loadPage("AP.DOX");
        const QString metric = QStringLiteral("into metric");
        const QString us = QStringLiteral("into US");
        const QString units = QStringLiteral("square metres and square feet");
        const QString m2 = QStringLiteral("Square metres");
        QCOMPARE(page.cell(units, QStringLiteral("1 acre"), m2), QStringLiteral("4046.8564224"));
        QVERIFY(page.isExact(units, QStringLiteral("1 acre"), m2));
        QCOMPARE(page.cell(units, QStringLiteral("1 ft²"), m2), QStringLiteral("0.09290304"));
        QVERIFY(page.isExact(units, QStringLiteral("1 ft²"), m2));
        QCOMPARE(page.cell(units, QStringLiteral("1 mi²"), m2), QStringLiteral("2589988.110336"));
        QCOMPARE(page.cell(units, QStringLiteral("1 m²"), QStringLiteral("Square feet")), QStringLiteral("10.76391"));
        QCOMPARE(page.cell(metric, QStringLiteral("1 acre"), QStringLiteral("m²")), QStringLiteral("4046.856"));
        QVERIFY(!page.isExact(metric, QStringLiteral("1 acre"), QStringLiteral("m²")));
        QCOMPARE(page.cell(metric, QStringLiteral("1 ft²"), QStringLiteral("m²")), QStringLiteral("0.09290304"));
        QVERIFY(page.isExact(metric, QStringLiteral("1 ft²"), QStringLiteral("m²")));
        QCOMPARE(page.cell(metric, QStringLiteral("1 in²"), QStringLiteral("mm²")), QStringLiteral("645.16"));
        QCOMPARE(page.cell(metric, QStringLiteral("1 mi²"), QStringLiteral("km²")), QStringLiteral("2.589988"));
        QCOMPARE(page.cell(us, QStringLiteral("1 m²"), QStringLiteral("ft²")), QStringLiteral("10.76391"));
        QVERIFY(!page.isExact(us, QStringLiteral("1 m²"), QStringLiteral("ft²")));
        QCOMPARE(page.cell(us, QStringLiteral("1 ha"), QStringLiteral("acre")), QStringLiteral("2.471054"));
        QCOMPARE(page.cell(us, QStringLiteral("1 acre"), QStringLiteral("ft²")), QStringLiteral("43560"));
        QCOMPARE(page.cell(us, QStringLiteral("1 mi²"), QStringLiteral("acre")), QStringLiteral("640"));
        QCOMPARE(page.cell(QStringLiteral("Acre and hectare"), QStringLiteral("acre (US survey, withdrawn)"),
                           QStringLiteral("Area (m²)")),
                 QStringLiteral("≈ 4046.873"));
        QCOMPARE(page.cell(QStringLiteral("Wire"), QStringLiteral("circular mil (cmil)"), QStringLiteral("Area (in²)")),
                 QStringLiteral("7.853982 × 10⁻⁷"));
        QCOMPARE(
            page.cell(QStringLiteral("Wire"), QStringLiteral("kcmil (formerly MCM)"), QStringLiteral("Area (mm²)")),
            QStringLiteral("0.5067075"));
    }

    // Every factor of the conversion matrix agrees with the unit table: the factor from row
    // unit to column unit is the ratio of their square-metre values, to the 7 figures printed.
    void area_matrixIsConsistent()
    {
        const DocumentPage page = loadPage("AP.DOX");
        QHash<QString, double> squareMetres; // unit -> m²
        for (const auto &table : page.tables()) {
            if (!table.caption.contains(QStringLiteral("square metres and square feet")))
                continue;
            for (const auto &row : table.rows)
                squareMetres.insert(row.first().text.mid(2), DocumentPage::number(row.at(2).text));
        }
        QCOMPARE(squareMetres.size(), 10);
        int checked = 0;
        for (const auto &table : page.tables()) {
            if (!table.caption.contains(QStringLiteral("Conversion matrix")))
                continue;
            for (const auto &row : table.rows) {
                for (qsizetype c = 1; c < table.header.size(); ++c) {
                    const double factor = DocumentPage::number(row.at(c).text);
                    const double expected =
                        squareMetres.value(row.first().text.mid(2)) / squareMetres.value(table.header.at(c));
                    QVERIFY2(qAbs(factor / expected - 1) < 6e-7,
                             qPrintable(row.first().text + QStringLiteral(" → ") + table.header.at(c) + u' ' +
                                        row.at(c).text));
                    ++checked;
                }
            }
        }
        QCOMPARE(checked, 100);
    }

    void continents()
    {
        const DocumentPage page = loadPage("Cn.DOX");
        const QString points = QStringLiteral("Highest and lowest");
        QCOMPARE(page.cell(points, QStringLiteral("Asia"), QStringLiteral("Height (m)")), QStringLiteral("8,848.86"));
        QCOMPARE(page.cell(points, QStringLiteral("North America"), QStringLiteral("Height (m)")),
                 QStringLiteral("6,190"));
        QCOMPARE(page.cell(points, QStringLiteral("North America"), QStringLiteral("Height (ft)")),
                 QStringLiteral("20,310"));
        QCOMPARE(page.cell(points, QStringLiteral("Europe"), QStringLiteral("Height (m)")), QStringLiteral("5,642"));
        QCOMPARE(page.cell(points, QStringLiteral("Australia (mainland)"), QStringLiteral("Height (m)")),
                 QStringLiteral("2,228"));
        QCOMPARE(page.cell(points, QStringLiteral("Australia/Oceania"), QStringLiteral("Height (m)")),
                 QStringLiteral("4,884"));
        // The Dead Sea level is dated.
        QVERIFY(page.cell(points, QStringLiteral("Asia"), QStringLiteral("Lowest point"))
                    .contains(QStringLiteral("as of 2020")));
        const QString sizes = QStringLiteral("Area, population");
        QCOMPARE(page.tables().first().rows.size(), 7);
        QVERIFY(page.tables().first().header.contains(QStringLiteral("Population (as of 2024)")));
        QCOMPARE(page.cell(sizes, QStringLiteral("North America"), QStringLiteral("Area (million km²)")),
                 QStringLiteral("≈ 24.7"));
        double share = 0;
        for (const auto &row : page.tables().first().rows)
            share += DocumentPage::number(row.at(3).text);
        QVERIFY(qAbs(share - 100) < 0.25);
    }

    void density()
    {
        const DocumentPage page = loadPage("DD.DOX");
        const QString conversions = QStringLiteral("unit conversions");
        QCOMPARE(page.cell(conversions, QStringLiteral("1 lb/ft³"), QStringLiteral("kg/m³")),
                 QStringLiteral("16.01846"));
        QCOMPARE(page.cell(conversions, QStringLiteral("1 g/cm³"), QStringLiteral("kg/m³")), QStringLiteral("1000"));
        QVERIFY(page.isExact(conversions, QStringLiteral("1 g/cm³"), QStringLiteral("kg/m³")));
        QCOMPARE(page.cell(conversions, QStringLiteral("1 lb/in³"), QStringLiteral("lb/ft³")), QStringLiteral("1728"));
        QCOMPARE(page.cell(conversions, QStringLiteral("1 g/cm³"), QStringLiteral("lb/gal")),
                 QStringLiteral("8.345404"));
        const QString metals = QStringLiteral("Metals");
        const QString gcm3 = QStringLiteral("Density (g/cm³)");
        QCOMPARE(page.cell(metals, QStringLiteral("Steel, carbon and low-alloy"), gcm3), QStringLiteral("7.85"));
        QCOMPARE(page.cell(metals, QStringLiteral("Iron, pure"), gcm3), QStringLiteral("7.874"));
        QCOMPARE(page.cell(metals, QStringLiteral("Steel, carbon and low-alloy"), QStringLiteral("Density (lb/in³)")),
                 QStringLiteral("0.2836"));
        QCOMPARE(page.cell(metals, QStringLiteral("Aluminium, pure and 6061"), QStringLiteral("Density (lb/ft³)")),
                 QStringLiteral("168.6"));
        QCOMPARE(page.cell(QStringLiteral("Liquids"), QStringLiteral("Mercury, 0 °C"), gcm3), QStringLiteral("13.595"));
        QCOMPARE(page.cell(QStringLiteral("Liquids"), QStringLiteral("Mercury, 20 °C"), gcm3),
                 QStringLiteral("13.546"));
        const QString water = QStringLiteral("Density of water");
        QCOMPARE(page.cell(water, QStringLiteral("4"), QStringLiteral("Density (kg/m³)")), QStringLiteral("999.97"));
        QCOMPARE(page.cell(water, QStringLiteral("20"), QStringLiteral("Density (kg/m³)")), QStringLiteral("998.21"));
        QCOMPARE(page.cell(water, QStringLiteral("100"), QStringLiteral("Density (kg/m³)")), QStringLiteral("958.35"));
        QCOMPARE(page.cell(QStringLiteral("Gases"), QStringLiteral("Air, dry"), QStringLiteral("Density (kg/m³)")),
                 QStringLiteral("1.293"));
    }

    void dimensions()
    {
        const DocumentPage page = loadPage("DP.DOX");
        const QString derived = QStringLiteral("Derived");
        QCOMPARE(page.cell(QStringLiteral("base quantities"), QStringLiteral("thermodynamic temperature"),
                           QStringLiteral("Dimension symbol")),
                 QStringLiteral("Θ (capital theta)"));
        QCOMPARE(page.cell(derived, QStringLiteral("torque (moment of force)"), QStringLiteral("Dimension")),
                 page.cell(derived, QStringLiteral("energy, work, heat"), QStringLiteral("Dimension")));
        QVERIFY(page.cell(derived, QStringLiteral("torque (moment of force)"), QStringLiteral("SI unit"))
                    .startsWith(QStringLiteral("newton metre (N·m)")));
        QCOMPARE(page.cell(derived, QStringLiteral("pressure, stress"), QStringLiteral("Dimension")),
                 QStringLiteral("M L⁻¹ T⁻²"));
        QCOMPARE(page.cell(derived, QStringLiteral("capacitance"), QStringLiteral("In base units")),
                 QStringLiteral("kg⁻¹·m⁻²·s⁴·A²"));
        QCOMPARE(page.cell(derived, QStringLiteral("plane angle"), QStringLiteral("Dimension")),
                 QStringLiteral("1 (dimensionless)"));
        QCOMPARE(page.cell(QStringLiteral("lumber"), QStringLiteral("4"), QStringLiteral("Actual (in)")),
                 QStringLiteral("3½"));
        QCOMPARE(page.cell(QStringLiteral("lumber"), QStringLiteral("2"), QStringLiteral("Actual (mm)")),
                 QStringLiteral("38"));
    }

    void dryMaterialWeight()
    {
        const DocumentPage page = loadPage("DT.DOX");
        const QString bulk = QStringLiteral("Bulk weights");
        QCOMPARE(page.cell(bulk, QStringLiteral("Sand, dry"), QStringLiteral("Loose (lb/ft³)")),
                 QStringLiteral("90–100"));
        QCOMPARE(page.cell(bulk, QStringLiteral("Sand, dry"), QStringLiteral("Loose (tons/yd³)")),
                 QStringLiteral("1.22–1.35"));
        QCOMPARE(page.cell(bulk, QStringLiteral("Sand, dry"), QStringLiteral("Loose (kg/m³)")),
                 QStringLiteral("1440–1600"));
        const QString units = QStringLiteral("Volume and weight units");
        QCOMPARE(page.cell(units, QStringLiteral("1 cubic yard (yd³)"), QStringLiteral("Metric")),
                 QStringLiteral("0.764554857984 m³"));
        QVERIFY(page.isExact(units, QStringLiteral("1 cubic yard (yd³)"), QStringLiteral("Metric")));
        QCOMPARE(page.cell(units, QStringLiteral("1 US bushel (bu)"), QStringLiteral("Equals")),
                 QStringLiteral("2150.42 in³ = 1.244456 ft³"));
        QCOMPARE(page.cell(units, QStringLiteral("1 short ton (US ton)"), QStringLiteral("Metric")),
                 QStringLiteral("907.18474 kg"));
        const QString grain = QStringLiteral("bushel weights");
        QCOMPARE(page.cell(grain, QStringLiteral("Oats"), QStringLiteral("Weight (lb")), QStringLiteral("32"));
        QCOMPARE(page.cell(grain, QStringLiteral("Corn (maize), shelled"), QStringLiteral("Weight (lb")),
                 QStringLiteral("56"));
        QCOMPARE(page.cell(grain, QStringLiteral("Wheat"), QStringLiteral("Weight (lb")), QStringLiteral("60"));
        QCOMPARE(page.cell(grain, QStringLiteral("Barley"), QStringLiteral("Weight (lb")), QStringLiteral("48"));
    }

    void electricalSymbols()
    {
        const DocumentPage page = loadPage("ESYM.DOX");
        // Every symbol row shows a drawing in both the ANSI and the IEC column.
        int rows = 0;
        for (const auto &table : page.tables()) {
            if (table.header.value(1) == QStringLiteral("ANSI/IEEE 315"))
                rows += int(table.rows.size());
        }
        QVERIFY(rows >= 35);
        QCOMPARE(int(page.html().count(QStringLiteral("alt=\"ANSI symbol: "))), rows);
        QCOMPARE(int(page.html().count(QStringLiteral("alt=\"IEC symbol: "))), rows);
        QVERIFY(page.text().contains(QStringLiteral("de-energized")));
        const QString codes = QStringLiteral("Device designations");
        QCOMPARE(page.cell(codes, QStringLiteral("Control relay"), QStringLiteral("NFPA 79")), QStringLiteral("CR"));
        QCOMPARE(page.cell(codes, QStringLiteral("Motor starter (contactor)"), QStringLiteral("NFPA 79")),
                 QStringLiteral("M"));
        QCOMPARE(page.cell(codes, QStringLiteral("Motor starter (contactor)"), QStringLiteral("IEC 60750")),
                 QStringLiteral("K"));
        QCOMPARE(page.cell(codes, QStringLiteral("Motor starter (contactor)"), QStringLiteral("IEC 81346-2:2019")),
                 QStringLiteral("Q"));
        QCOMPARE(page.cell(codes, QStringLiteral("Overload relay"), QStringLiteral("NFPA 79")), QStringLiteral("OL"));
        QCOMPARE(page.cell(codes, QStringLiteral("Limit switch"), QStringLiteral("IEC 81346-2:2019")),
                 QStringLiteral("B"));
        // IEC 60617 draws the positive plate of a polarized capacitor hollow; ANSI curves the negative one.
        QVERIFY(page.html().contains(QStringLiteral("alt=\"IEC symbol: Hollow (open) positive plate")));
        QVERIFY(page.html().contains(QStringLiteral("alt=\"ANSI symbol: Straight positive plate with plus sign; curved negative")));
        QCOMPARE(page.cell(QStringLiteral("Loads"), QStringLiteral("Diode"), QStringLiteral("Notes")),
                 QStringLiteral("The bar is the cathode (K); current flows from A to K."));
    }

    void electromagneticSpectrum()
    {
        const DocumentPage page = loadPage("EMS.DOX");
        const QString bands = QStringLiteral("Radio frequency bands");
        QCOMPARE(page.cell(bands, QStringLiteral("4"), QStringLiteral("Frequency")), QStringLiteral("3 – 30 kHz"));
        QCOMPARE(page.cell(bands, QStringLiteral("8"), QStringLiteral("Frequency")), QStringLiteral("30 – 300 MHz"));
        QCOMPARE(page.cell(bands, QStringLiteral("11"), QStringLiteral("Frequency")), QStringLiteral("30 – 300 GHz"));
        QVERIFY(page.cell(bands, QStringLiteral("8"), QStringLiteral("Typical uses"))
                    .contains(QStringLiteral("88 – 108 MHz")));
        const QString optical = QStringLiteral("Optical radiation");
        QCOMPARE(page.cell(optical, QStringLiteral("UV-B"), QStringLiteral("Wavelength")),
                 QStringLiteral("280 – 315 nm"));
        QCOMPARE(page.cell(optical, QStringLiteral("UV-C"), QStringLiteral("Wavelength")),
                 QStringLiteral("100 – 280 nm"));
        QCOMPARE(page.cell(optical, QStringLiteral("IR-A (near infrared)"), QStringLiteral("Wavelength")),
                 QStringLiteral("780 nm – 1.4 µm"));
        QCOMPARE(page.cell(optical, QStringLiteral("UV-A"), QStringLiteral("Photon energy")),
                 QStringLiteral("3.94 – 3.10 eV"));
        QCOMPARE(
            page.cell(QStringLiteral("Constants"), QStringLiteral("speed of light in vacuum"), QStringLiteral("Value")),
            QStringLiteral("299792458"));
        QVERIFY(page.isExact(QStringLiteral("Constants"), QStringLiteral("Planck constant"), QStringLiteral("Value")));
        QCOMPARE(
            page.cell(QStringLiteral("Constants"), QStringLiteral("h × c in practical units"), QStringLiteral("Value")),
            QStringLiteral("1239.842"));
        QVERIFY(page.text().contains(QStringLiteral("E (eV) = 1239.84 / λ (nm)")));
        QVERIFY(page.html().contains(QStringLiteral("alt=\"Logarithmic chart of the electromagnetic spectrum")));
        // Uses sit in the band their frequency or wavelength falls in: 1550 nm is IR-B (1.4 – 3 µm),
        // and millimetre-wave 5G below 30 GHz is SHF, not EHF.
        QVERIFY(!page.cell(optical, QStringLiteral("IR-A (near infrared)"), QStringLiteral("Notes"))
                     .contains(QStringLiteral("1550")));
        QVERIFY(
            page.cell(optical, QStringLiteral("IR-B"), QStringLiteral("Notes")).contains(QStringLiteral("1550 nm")));
        QVERIFY(page.cell(bands, QStringLiteral("10"), QStringLiteral("Typical uses"))
                    .contains(QStringLiteral("24.25 – 29.5 GHz")));
        QVERIFY(!page.cell(bands, QStringLiteral("11"), QStringLiteral("Typical uses"))
                     .contains(QStringLiteral("24 – 40")));
    }

    void fanAndBlowerMotors_necTables_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("hp");
        QTest::addColumn<QString>("volts");
        QTest::addColumn<QString>("amps");
        // Including the two cells copies of the three-phase table often get wrong.
        QTest::newRow("3ph 1/2 hp 230 V") << "430.250"
                                          << "1/2"
                                          << "230 V"
                                          << "2.2";
        QTest::newRow("3ph 1½ hp 575 V") << "430.250"
                                         << "1½"
                                         << "575 V"
                                         << "2.4";
        QTest::newRow("3ph 1 hp 460 V") << "430.250"
                                        << "1"
                                        << "460 V"
                                        << "2.1";
        QTest::newRow("3ph 5 hp 208 V") << "430.250"
                                        << "5"
                                        << "208 V"
                                        << "16.7";
        QTest::newRow("3ph 10 hp 460 V") << "430.250"
                                         << "10"
                                         << "460 V"
                                         << "14";
        QTest::newRow("3ph 3 hp 115 V") << "430.250"
                                        << "3"
                                        << "115 V"
                                        << "—";
        QTest::newRow("1ph 1/3 hp 115 V") << "430.248"
                                          << "1/3"
                                          << "115 V"
                                          << "7.2";
        QTest::newRow("1ph 1/2 hp 230 V") << "430.248"
                                          << "1/2"
                                          << "230 V"
                                          << "4.9";
        QTest::newRow("1ph 1 hp 115 V") << "430.248"
                                        << "1"
                                        << "115 V"
                                        << "16";
        QTest::newRow("1ph 3/4 hp 208 V") << "430.248"
                                          << "3/4"
                                          << "208 V"
                                          << "7.6";
        QTest::newRow("1ph 10 hp 230 V") << "430.248"
                                         << "10"
                                         << "230 V"
                                         << "50";
    }
    void fanAndBlowerMotors_necTables()
    {
        QFETCH(QString, table);
        QFETCH(QString, hp);
        QFETCH(QString, volts);
        QFETCH(QString, amps);
        const DocumentPage page = loadPage("FBM.DOX");
        QCOMPARE(page.cell(table, hp, volts), amps);
    }

    void fanAndBlowerMotors_lawsAndSpeeds()
    {
        const DocumentPage page = loadPage("FBM.DOX");
        const QString laws = QStringLiteral("Fan laws");
        QCOMPARE(page.cell(laws, QStringLiteral("Airflow Q (CFM)"), QStringLiteral("Speed")),
                 QStringLiteral("Q₂ = Q₁ × (n₂/n₁)"));
        QCOMPARE(page.cell(laws, QStringLiteral("Pressure P (in. w.g.)"), QStringLiteral("Speed")),
                 QStringLiteral("P₂ = P₁ × (n₂/n₁)²"));
        QCOMPARE(page.cell(laws, QStringLiteral("Power (BHP)"), QStringLiteral("Speed")),
                 QStringLiteral("BHP₂ = BHP₁ × (n₂/n₁)³"));
        QCOMPARE(page.cell(laws, QStringLiteral("Power (BHP)"), QStringLiteral("Diameter")),
                 QStringLiteral("BHP₂ = BHP₁ × (D₂/D₁)⁵"));
        QCOMPARE(page.cell(QStringLiteral("Motor speeds"), QStringLiteral("4"), QStringLiteral("Synchronous at 60 Hz")),
                 QStringLiteral("1800"));
        QCOMPARE(page.cell(QStringLiteral("Motor speeds"), QStringLiteral("6"), QStringLiteral("Synchronous at 50 Hz")),
                 QStringLiteral("1000"));
        QVERIFY(page.text().contains(QStringLiteral("/ 6356")));
        // Equipment with marked shaded-pole or PSC fan motors uses its own nameplate current.
        QVERIFY(page.text().contains(QStringLiteral("NEC 430.6(A)(1)")));
        QVERIFY(page.text().simplified().contains(
            QStringLiteral("shaded-pole or permanent-split capacitor (PSC) fan or blower motor that is marked with the motor type")));
        QVERIFY(page.text().contains(QStringLiteral("0.075 lb/ft³")));
        QCOMPARE(page.cell(QStringLiteral("Run capacitor"), QStringLiteral("60 Hz"), QStringLiteral("Capacitance")),
                 QStringLiteral("C (µF) = 2653 × I (A) / V (V)"));
    }

    void laserSafetyClasses()
    {
        const DocumentPage page = loadPage("LS.DOX");
        const QString classes = QStringLiteral("IEC 60825-1:2014");
        const QString limit = QStringLiteral("Typical limit");
        // All eight classes of the 2014 edition, in order.
        QStringList names;
        for (const auto &row : page.tables().value(0).rows)
            names << row.first().text;
        QCOMPARE(names,
                 QStringList({QStringLiteral("1"), QStringLiteral("1C"), QStringLiteral("1M"), QStringLiteral("2"),
                              QStringLiteral("2M"), QStringLiteral("3R"), QStringLiteral("3B"), QStringLiteral("4")}));
        QCOMPARE(page.cell(classes, QStringLiteral("2"), limit), QStringLiteral("1 mW (visible only)"));
        QCOMPARE(page.cell(classes, QStringLiteral("3R"), limit), QStringLiteral("5 mW (visible; 5 × class 2)"));
        QCOMPARE(page.cell(classes, QStringLiteral("3B"), limit), QStringLiteral("500 mW"));
        QCOMPARE(page.cell(classes, QStringLiteral("4"), limit), QStringLiteral("above 500 mW"));
        const QString old = QStringLiteral("Old class names");
        QCOMPARE(page.cell(old, QStringLiteral("3R"), QStringLiteral("US class")), QStringLiteral("IIIa"));
        QCOMPARE(page.cell(old, QStringLiteral("3B"), QStringLiteral("US class")), QStringLiteral("IIIb"));
        QCOMPARE(page.cell(old, QStringLiteral("3R"), QStringLiteral("IEC 60825-1:1993")),
                 QStringLiteral("3A (approximately)"));
        QCOMPARE(page.cell(old, QStringLiteral("4"), QStringLiteral("US class")), QStringLiteral("IV"));
        QVERIFY(page.text().contains(QStringLiteral("embedded Class 3B or Class 4 laser")));
        QVERIFY(page.text().contains(QStringLiteral("Laser Notice 56")));
    }
};

QTEST_MAIN(TestPagesAToL)
#include "test_pages_a_to_l.moc"
