// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// Spot checks of values on the pages from LENGTH to NEWTON'S LAWS OF MOTION, chosen where
// published tables commonly go wrong. Each value is the one the page's named source gives;
// conversion factors that are exact by definition must also carry the exact mark.

#include "documentpage.h"

#include <QDir>
#include <QTest>

#include <cmath>

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

// Morse code as the pages print it: "•" for a dot and "−" (minus sign) for a dash.
QString morseCode(const char *dotsAndDashes)
{
    QString code = QString::fromLatin1(dotsAndDashes);
    code.replace(u'.', QChar(0x2022));
    code.replace(u'-', QChar(0x2212));
    return code;
}

const DocumentPage::Table *findTable(const DocumentPage &page, const QString &caption)
{
    for (const DocumentPage::Table &table : page.tables()) {
        if (table.caption.contains(caption))
            return &table;
    }
    return nullptr;
}

// The code of a character in a table laid out as pairs of (character, code) columns.
QString pairedCode(const DocumentPage &page, const QString &caption, const QString &character)
{
    const DocumentPage::Table *table = findTable(page, caption);
    if (!table)
        return QStringLiteral("<no table '%1'>").arg(caption);
    QStringList found;
    for (const auto &row : table->rows) {
        for (qsizetype c = 0; c + 1 < row.size(); c += 2) {
            if (row.at(c).text == character)
                found << row.at(c + 1).text;
        }
    }
    return found.size() == 1 ? found.first() : QStringLiteral("<%1 matches for '%2'>").arg(found.size()).arg(character);
}

// The cell of a conversion table whose column header is exactly the unit symbol given
// (symbols such as m, mm and mi share their first letters), with its exact mark.
const DocumentPage::Cell *matrixCell(const DocumentPage &page, const QString &caption, const QString &row,
                                     const QString &column)
{
    const DocumentPage::Table *table = findTable(page, caption);
    if (!table)
        return nullptr;
    const qsizetype c = table->header.indexOf(column);
    for (const auto &cells : table->rows) {
        if (c > 0 && cells.first().text == row)
            return &cells.at(c);
    }
    return nullptr;
}

// Adds rows of (file, caption, row, column, value, exact) for the conversion checks.
void addValue(const char *name, const char *file, const char *caption, const char *row, const char *column,
              const char *value, bool exact)
{
    QTest::newRow(name) << QString::fromLatin1(file) << QString::fromUtf8(caption) << QString::fromUtf8(row)
                        << QString::fromUtf8(column) << QString::fromUtf8(value) << exact;
}

} // namespace

class TestPagesLToN : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Conversion factors across LENGTH, MASS and MECHANICAL UNITS: the value and whether it is
    // marked exact. A rounded value marked exact, or an exact one left unmarked, fails too.
    void conversionFactor_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("exact");
        addValue("inch in mm", "LC.DOX", "metric columns", "1 in", "mm", "25.4", true);
        addValue("foot in m", "LC.DOX", "metric columns", "1 ft", "m", "0.3048", true);
        addValue("mile in m", "LC.DOX", "metric columns", "1 mi", "m", "1609.344", true);
        addValue("nautical mile in m", "LC.DOX", "metric columns", "1 nmi", "m", "1852", true);
        addValue("mil in µm", "LC.DOX", "metric columns", "1 mil", "µm", "25.4", true);
        addValue("mm in mil", "LC.DOX", "mil, inch and foot", "1 mm", "mil", "39.37008", false);
        addValue("metre in in", "LC.DOX", "mil, inch and foot", "1 m", "in", "39.37008", false);
        addValue("mile in ft", "LC.DOX", "mil, inch and foot", "1 mi", "ft", "5280", true);
        addValue("nautical mile in ft", "LC.DOX", "mil, inch and foot", "1 nmi", "ft", "6076.115", false);
        addValue("km in mi", "LC.DOX", "nautical mile columns", "1 km", "mi", "0.6213712", false);
        addValue("mile in nmi", "LC.DOX", "nautical mile columns", "1 mi", "nmi", "0.8689762", false);
        addValue("mile in yd", "LC.DOX", "nautical mile columns", "1 mi", "yd", "1760", true);
        addValue("light-year", "LC.DOX", "Other length units", "light-year", "In metres (m)", "9.4607304725808×10¹⁵", true);
        addValue("astronomical unit", "LC.DOX", "Other length units", "astronomical unit", "In metres (m)",
                 "1.495978707×10¹¹", true);
        addValue("fathom", "LC.DOX", "Other length units", "fathom", "In metres (m)", "1.8288", true);
        addValue("ångström", "LC.DOX", "Other length units", "ångström", "In metres (m)", "10⁻¹⁰", true);

        addValue("pound in kg", "MA.DOX", "metric columns", "1 lb", "kg", "0.45359237", true);
        addValue("grain in mg", "MA.DOX", "metric columns", "1 gr", "mg", "64.79891", true);
        addValue("ounce in g", "MA.DOX", "metric columns", "1 oz", "g", "28.349523125", true);
        addValue("troy ounce in g", "MA.DOX", "metric columns", "1 oz t", "g", "31.1034768", true);
        addValue("carat in mg", "MA.DOX", "metric columns", "1 ct", "mg", "200", true);
        addValue("stone in kg", "MA.DOX", "metric columns", "1 st", "kg", "6.35029318", true);
        addValue("slug in kg", "MA.DOX", "metric columns", "1 slug", "kg", "14.59390", false);
        addValue("short ton in kg", "MA.DOX", "metric columns", "1 sh tn", "kg", "907.18474", true);
        addValue("long ton in kg", "MA.DOX", "metric columns", "1 LT", "kg", "1016.0469088", true);
        addValue("troy ounce in grains", "MA.DOX", "tonne, carat and grain", "1 oz t", "gr", "480", true);
        addValue("pound in grains", "MA.DOX", "tonne, carat and grain", "1 lb", "gr", "7000", true);
        addValue("long ton in tonnes", "MA.DOX", "tonne, carat and grain", "1 LT", "t", "1.0160469088", true);
        addValue("kg in lb", "MA.DOX", "ounce and pound", "1 kg", "lb", "2.204623", false);
        addValue("troy ounce in oz", "MA.DOX", "ounce and pound", "1 oz t", "oz", "1.097143", false);
        addValue("slug in lb", "MA.DOX", "ounce and pound", "1 slug", "lb", "32.17405", false);
        addValue("long ton in short tons", "MA.DOX", "slug and ton", "1 LT", "sh tn", "1.12", true);

        addValue("kgf in N", "MU.DOX", "Force", "1 kgf", "N", "9.80665", true);
        addValue("lbf in N", "MU.DOX", "Force", "1 lbf", "N", "4.4482216152605", true);
        addValue("N in lbf", "MU.DOX", "Force", "1 N", "lbf", "0.2248089", false);
        addValue("poundal in N", "MU.DOX", "Force", "1 pdl", "N", "0.138254954376", true);
        addValue("lbf·ft in N·m", "MU.DOX", "Torque", "1 lbf·ft", "N·m", "1.355818", false);
        addValue("N·m in lbf·in", "MU.DOX", "Torque", "1 N·m", "lbf·in", "8.850746", false);
        addValue("Btu in J", "MU.DOX", "Work and energy", "1 Btu", "J", "1055.05585262", true);
        addValue("kWh in J", "MU.DOX", "Work and energy", "1 kWh", "J", "3.6×10⁶", true);
        addValue("Btu in ft·lbf", "MU.DOX", "Work and energy", "1 Btu", "ft·lbf", "778.1693", false);
        addValue("mechanical hp in W", "MU.DOX", "Power", "1 hp", "W", "745.6999", false);
        addValue("metric hp in W", "MU.DOX", "Power", "1 PS", "W", "735.49875", true);
        addValue("electric hp in W", "MU.DOX", "Power", "1 hp(E)", "W", "746", true);
        addValue("hp in ft·lbf/s", "MU.DOX", "Power", "1 hp", "ft·lbf/s", "550", true);
        addValue("ton of refrigeration", "MU.DOX", "Power", "1 TR", "W", "3516.853", false);
        addValue("psi in Pa", "MU.DOX", "Stress", "1 psi", "Pa", "6894.757", false);
        addValue("MPa in psi", "MU.DOX", "Stress", "1 MPa", "psi", "145.0377", false);
        addValue("ksi in psi", "MU.DOX", "Stress", "1 ksi", "psi", "1000", true);
        addValue("bar in kPa", "MU.DOX", "Stress", "1 bar", "kPa", "100", true);
    }
    void conversionFactor()
    {
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QFETCH(QString, row);
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(bool, exact);
        const DocumentPage page = loadPage(file.toLatin1().constData());
        const DocumentPage::Cell *cell = matrixCell(page, caption, row, column);
        QVERIFY2(cell, qPrintable(QStringLiteral("no cell '%1' / '%2' in '%3'").arg(row, column, caption)));
        QCOMPARE(cell->text, value);
        QCOMPARE(cell->exact, exact);
    }

    // Every conversion matrix reads 1 in its diagonal and is exact there, and the tables are
    // consistent: row A column B times row B column A is 1 within rounding.
    void conversionMatrix_isReciprocal_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption");
        QTest::newRow("length metric") << "LC.DOX" << "metric columns";
        QTest::newRow("length customary") << "LC.DOX" << "mil, inch and foot";
        QTest::newRow("length long") << "LC.DOX" << "nautical mile columns";
        QTest::newRow("mass tonne") << "MA.DOX" << "tonne, carat and grain";
        QTest::newRow("mass pound") << "MA.DOX" << "ounce and pound";
        QTest::newRow("mass ton") << "MA.DOX" << "slug and ton";
        QTest::newRow("energy") << "MU.DOX" << "Work and energy";
        QTest::newRow("power") << "MU.DOX" << "Power";
        QTest::newRow("mass metric") << "MA.DOX" << "metric columns";
        QTest::newRow("force") << "MU.DOX" << "Force";
        QTest::newRow("torque") << "MU.DOX" << "Torque";
        QTest::newRow("stress") << "MU.DOX" << "Stress";
    }
    void conversionMatrix_isReciprocal()
    {
        QFETCH(QString, file);
        QFETCH(QString, caption);
        const DocumentPage page = loadPage(file.toLatin1().constData());
        const DocumentPage::Table *table = findTable(page, caption);
        QVERIFY(table);
        // Row "1 xx" and column "... (xx)" name the same unit.
        for (const auto &row : table->rows) {
            const QString unit = row.first().text.mid(2);
            for (qsizetype c = 1; c < table->header.size(); ++c) {
                if (table->header.at(c) != unit)
                    continue;
                QCOMPARE(row.at(c).text, QStringLiteral("1"));
                QVERIFY(row.at(c).exact);
            }
        }
        for (qsizetype r = 0; r < table->rows.size(); ++r) {
            const QString rowUnit = table->rows.at(r).first().text.mid(2);
            for (qsizetype c = 1; c < table->header.size(); ++c) {
                const QString &columnUnit = table->header.at(c);
                // Find the row for the column's unit and the column for the row's unit.
                qsizetype backRow = -1;
                for (qsizetype i = 0; i < table->rows.size(); ++i) {
                    if (table->rows.at(i).first().text == QStringLiteral("1 ") + columnUnit)
                        backRow = i;
                }
                const qsizetype backColumn = table->header.indexOf(rowUnit);
                if (backRow < 0 || backColumn < 0)
                    continue;
                const QString &there = table->rows.at(r).at(c).text;
                const QString &back = table->rows.at(backRow).at(backColumn).text;
                const double product = DocumentPage::number(there) * DocumentPage::number(back);
                // A cell that does not read as a number fails, whatever its partner holds.
                QVERIFY2(!std::isnan(product),
                         qPrintable(QStringLiteral("not a number: '%1' or '%2'").arg(there, back)));
                QVERIFY2(std::abs(product - 1.0) < 2e-6,
                         qPrintable(QStringLiteral("%1 → %2 and back gives %3").arg(rowUnit, columnUnit).arg(product)));
            }
        }
    }

    void metricThreads_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("pitch");
        QTest::addColumn<QString>("tapDrill");
        QTest::newRow("M3") << "M3" << "0.5" << "2.5";
        QTest::newRow("M4") << "M4" << "0.7" << "3.3";
        QTest::newRow("M5") << "M5" << "0.8" << "4.2";
        QTest::newRow("M6") << "M6" << "1" << "5.0";
        QTest::newRow("M8") << "M8" << "1.25" << "6.8";
        QTest::newRow("M10") << "M10" << "1.5" << "8.5";
        QTest::newRow("M12") << "M12" << "1.75" << "10.2";
        QTest::newRow("M14") << "M14" << "2" << "12.0";
        QTest::newRow("M16") << "M16" << "2" << "14.0";
        QTest::newRow("M20") << "M20" << "2.5" << "17.5";
        QTest::newRow("M24") << "M24" << "3" << "21.0";
        QTest::newRow("M30") << "M30" << "3.5" << "26.5";
        QTest::newRow("M36") << "M36" << "4" << "32.0";
    }
    void metricThreads()
    {
        QFETCH(QString, size);
        QFETCH(QString, pitch);
        QFETCH(QString, tapDrill);
        const DocumentPage page = loadPage("MB.DOX");
        QCOMPARE(page.cell(QStringLiteral("coarse threads"), size, QStringLiteral("Coarse pitch")), pitch);
        QCOMPARE(page.cell(QStringLiteral("coarse threads"), size, QStringLiteral("Tap drill")), tapDrill);
    }

    void metricThreads_fineAndHoles()
    {
        const DocumentPage page = loadPage("MB.DOX");
        QCOMPARE(page.cell(QStringLiteral("coarse threads"), QStringLiteral("M10"), QStringLiteral("Fine")),
                 QStringLiteral("1.25, 1"));
        QCOMPARE(page.cell(QStringLiteral("coarse threads"), QStringLiteral("M12"), QStringLiteral("Fine")),
                 QStringLiteral("1.5, 1.25"));
        QCOMPARE(page.cell(QStringLiteral("Fine threads"), QStringLiteral("M10 × 1.25"), QStringLiteral("Tap drill")),
                 QStringLiteral("8.8"));
        QCOMPARE(page.cell(QStringLiteral("Fine threads"), QStringLiteral("M12 × 1.5"), QStringLiteral("Tap drill")),
                 QStringLiteral("10.5"));
        QCOMPARE(page.cell(QStringLiteral("Fine threads"), QStringLiteral("M16 × 1.5"), QStringLiteral("Tap drill")),
                 QStringLiteral("14.5"));
        QCOMPARE(page.cell(QStringLiteral("ISO 273"), QStringLiteral("M10"), QStringLiteral("Fine")),
                 QStringLiteral("10.5"));
        QCOMPARE(page.cell(QStringLiteral("ISO 273"), QStringLiteral("M10"), QStringLiteral("Medium")),
                 QStringLiteral("11"));
        QCOMPARE(page.cell(QStringLiteral("ISO 273"), QStringLiteral("M12"), QStringLiteral("Medium")),
                 QStringLiteral("13.5"));
        QCOMPARE(page.cell(QStringLiteral("ISO 273"), QStringLiteral("M8"), QStringLiteral("Coarse")),
                 QStringLiteral("10"));
        // D − P and the tap drill of every row are checked in test_pages_tables.
        const DocumentPage::Table *threads = findTable(page, QStringLiteral("coarse threads"));
        QVERIFY(threads);
        QCOMPARE(threads->rows.size(), 20);
    }

    void metricHexSizes_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("isoFlats");
        QTest::addColumn<QString>("dinFlats");
        QTest::addColumn<QString>("isoNut");
        QTest::addColumn<QString>("dinNut");
        QTest::addColumn<QString>("capHead");
        QTest::addColumn<QString>("hexKey");
        QTest::newRow("M5") << "M5" << "8" << "8" << "4.7" << "4" << "8.5" << "4";
        QTest::newRow("M6") << "M6" << "10" << "10" << "5.2" << "5" << "10" << "5";
        QTest::newRow("M8") << "M8" << "13" << "13" << "6.8" << "6.5" << "13" << "6";
        QTest::newRow("M10") << "M10" << "16" << "17" << "8.4" << "8" << "16" << "8";
        QTest::newRow("M12") << "M12" << "18" << "19" << "10.8" << "10" << "18" << "10";
        QTest::newRow("M14") << "M14" << "21" << "22" << "12.8" << "11" << "21" << "12";
        QTest::newRow("M16") << "M16" << "24" << "24" << "14.8" << "13" << "24" << "14";
        QTest::newRow("M20") << "M20" << "30" << "30" << "18" << "16" << "30" << "17";
        QTest::newRow("M22 (cap screw from DIN 912)") << "M22" << "34" << "32" << "19.4" << "18" << "33^a" << "17^a";
        QTest::newRow("M24") << "M24" << "36" << "36" << "21.5" << "19" << "36" << "19";
        QTest::newRow("M30") << "M30" << "46" << "46" << "25.6" << "24" << "45" << "22";
        QTest::newRow("M36") << "M36" << "55" << "55" << "31" << "29" << "54" << "27";
    }
    void metricHexSizes()
    {
        QFETCH(QString, size);
        QFETCH(QString, isoFlats);
        QFETCH(QString, dinFlats);
        QFETCH(QString, isoNut);
        QFETCH(QString, dinNut);
        QFETCH(QString, capHead);
        QFETCH(QString, hexKey);
        const DocumentPage page = loadPage("MB.DOX");
        const QString table = QStringLiteral("Wrench and hex key sizes");
        QCOMPARE(page.cell(table, size, QStringLiteral("Hex width across flats s, ISO")), isoFlats);
        QCOMPARE(page.cell(table, size, QStringLiteral("Hex width across flats s, DIN")), dinFlats);
        QCOMPARE(page.cell(table, size, QStringLiteral("Nut height m max, ISO 4032")), isoNut);
        QCOMPARE(page.cell(table, size, QStringLiteral("Nut height m max, DIN 934")), dinNut);
        QCOMPARE(page.cell(table, size, QStringLiteral("Cap screw head diameter")), capHead);
        QCOMPARE(page.cell(table, size, QStringLiteral("Cap screw hex key")), hexKey);
    }

    void metricWashersAndStrength()
    {
        const DocumentPage page = loadPage("MB.DOX");
        const QString washers = QStringLiteral("ISO 7089");
        QCOMPARE(page.cell(washers, QStringLiteral("M8"), QStringLiteral("Inside")), QStringLiteral("8.4"));
        QCOMPARE(page.cell(washers, QStringLiteral("M8"), QStringLiteral("Outside")), QStringLiteral("16"));
        QCOMPARE(page.cell(washers, QStringLiteral("M8"), QStringLiteral("Thickness")), QStringLiteral("1.6"));
        QCOMPARE(page.cell(washers, QStringLiteral("M10"), QStringLiteral("Outside")), QStringLiteral("20"));
        QCOMPARE(page.cell(washers, QStringLiteral("M12"), QStringLiteral("Outside")), QStringLiteral("24"));
        QCOMPARE(page.cell(washers, QStringLiteral("M12"), QStringLiteral("Thickness")), QStringLiteral("2.5"));
        QCOMPARE(page.cell(washers, QStringLiteral("M20"), QStringLiteral("Outside")), QStringLiteral("37"));

        const QString classes = QStringLiteral("ISO 898-1");
        QCOMPARE(page.cell(classes, QStringLiteral("8.8, d ≤ 16 mm"), QStringLiteral("Minimum tensile")),
                 QStringLiteral("800"));
        QCOMPARE(page.cell(classes, QStringLiteral("8.8, d > 16 mm"), QStringLiteral("Minimum tensile")),
                 QStringLiteral("830"));
        QCOMPARE(page.cell(classes, QStringLiteral("8.8, d ≤ 16 mm"), QStringLiteral("Minimum yield")),
                 QStringLiteral("640 (Rp0.2)"));
        QCOMPARE(page.cell(classes, QStringLiteral("8.8, d ≤ 16 mm"), QStringLiteral("Proof")), QStringLiteral("580"));
        QCOMPARE(page.cell(classes, QStringLiteral("8.8, d > 16 mm"), QStringLiteral("Proof")), QStringLiteral("600"));
        QCOMPARE(page.cell(classes, QStringLiteral("10.9"), QStringLiteral("Minimum tensile")), QStringLiteral("1040"));
        QCOMPARE(page.cell(classes, QStringLiteral("10.9"), QStringLiteral("Minimum yield")),
                 QStringLiteral("940 (Rp0.2)"));
        QCOMPARE(page.cell(classes, QStringLiteral("12.9"), QStringLiteral("Minimum tensile")), QStringLiteral("1220"));
        QCOMPARE(page.cell(classes, QStringLiteral("12.9"), QStringLiteral("Proof")), QStringLiteral("970"));
        QCOMPARE(page.cell(classes, QStringLiteral("4.6"), QStringLiteral("Minimum yield")),
                 QStringLiteral("240 (ReL)"));
        const QString stainless = QStringLiteral("ISO 3506-1");
        QCOMPARE(page.cell(stainless, QStringLiteral("A2-70"), QStringLiteral("Minimum tensile")), QStringLiteral("700"));
        QCOMPARE(page.cell(stainless, QStringLiteral("A2-70"), QStringLiteral("Minimum 0.2")), QStringLiteral("450"));
        QCOMPARE(page.cell(stainless, QStringLiteral("A4-80"), QStringLiteral("Minimum tensile")), QStringLiteral("800"));
        QCOMPARE(page.cell(stainless, QStringLiteral("A4-80"), QStringLiteral("Minimum 0.2")), QStringLiteral("600"));
        QCOMPARE(page.cell(QStringLiteral("ISO 898-2"), QStringLiteral("10"), QStringLiteral("Use with")),
                 QStringLiteral("up to 10.9"));
    }

    void morse_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("caption");
        // Letters that are mirror images or one element apart, and the two figures most often miscopied.
        QTest::newRow("A") << "A" << morseCode(".-") << "Letters";
        QTest::newRow("N") << "N" << morseCode("-.") << "Letters";
        QTest::newRow("J") << "J" << morseCode(".---") << "Letters";
        QTest::newRow("Q") << "Q" << morseCode("--.-") << "Letters";
        QTest::newRow("Y") << "Y" << morseCode("-.--") << "Letters";
        QTest::newRow("X") << "X" << morseCode("-..-") << "Letters";
        QTest::newRow("Z") << "Z" << morseCode("--..") << "Letters";
        QTest::newRow("F") << "F" << morseCode("..-.") << "Letters";
        QTest::newRow("L") << "L" << morseCode(".-..") << "Letters";
        QTest::newRow("1") << "1" << morseCode(".----") << "Figures";
        QTest::newRow("0") << "0" << morseCode("-----") << "Figures";
        QTest::newRow("6") << "6" << morseCode("-....") << "Figures";
        QTest::newRow("full stop") << "." << morseCode(".-.-.-") << "Punctuation";
        QTest::newRow("comma") << "," << morseCode("--..--") << "Punctuation";
        QTest::newRow("colon") << ":" << morseCode("---...") << "Punctuation";
        QTest::newRow("question") << "?" << morseCode("..--..") << "Punctuation";
        QTest::newRow("apostrophe") << "'" << morseCode(".----.") << "Punctuation";
        QTest::newRow("open bracket") << "(" << morseCode("-.--.") << "Punctuation";
        QTest::newRow("close bracket") << ")" << morseCode("-.--.-") << "Punctuation";
        QTest::newRow("at") << "@" << morseCode(".--.-.") << "Punctuation";
        QTest::newRow("equals") << "=" << morseCode("-...-") << "Punctuation";
        QTest::newRow("exclamation (not ITU)") << "!" << morseCode("-.-.--") << "not in the international";
    }
    void morse()
    {
        QFETCH(QString, character);
        QFETCH(QString, code);
        QFETCH(QString, caption);
        const DocumentPage page = loadPage("MCS.DOX");
        if (caption == u"Letters" || caption == u"Figures")
            QCOMPARE(pairedCode(page, caption, character), code);
        else
            QCOMPARE(page.cell(caption, character, QStringLiteral("Code")), code);
    }

    void morse_proceduresAndTiming()
    {
        const DocumentPage page = loadPage("MCS.DOX");
        const QString procedures = QStringLiteral("Procedure signals");
        QCOMPARE(page.cell(procedures, QStringLiteral("Starting signal (before every transmission)"),
                           QStringLiteral("Code")),
                 morseCode("-.-.-"));
        QCOMPARE(page.cell(procedures, QStringLiteral("End of work"), QStringLiteral("Code")), morseCode("...-.-"));
        QCOMPARE(page.cell(procedures, QStringLiteral("Error (eight dots)"), QStringLiteral("Code")), morseCode("........"));
        QCOMPARE(page.cell(procedures, QStringLiteral("Understood"), QStringLiteral("Code")), morseCode("...-."));
        QCOMPARE(page.cell(procedures, QStringLiteral("Wait"), QStringLiteral("Code")), morseCode(".-..."));
        QCOMPARE(page.cell(procedures, QStringLiteral("Invitation to transmit"), QStringLiteral("Code")), morseCode("-.-"));
        // 1200 / wpm milliseconds per dot.
        QCOMPARE(page.cell(QStringLiteral("Element timing"), QStringLiteral("20"), QStringLiteral("Dot")),
                 QStringLiteral("60"));
        QCOMPARE(page.cell(QStringLiteral("Element timing"), QStringLiteral("20"), QStringLiteral("Word gap")),
                 QStringLiteral("420"));
        QCOMPARE(page.cell(QStringLiteral("Element timing"), QStringLiteral("5"), QStringLiteral("Dash")),
                 QStringLiteral("720"));

        // All 26 letters and 10 figures are there, each with its own code.
        QStringList codes;
        for (const QString &caption : {QStringLiteral("Letters"), QStringLiteral("Figures")}) {
            const DocumentPage::Table *table = findTable(page, caption);
            QVERIFY(table);
            for (const auto &row : table->rows) {
                for (qsizetype c = 1; c < row.size(); c += 2)
                    codes << row.at(c).text;
            }
        }
        QCOMPARE(codes.size(), 36);
        codes.removeDuplicates();
        QCOMPARE(codes.size(), 36);
    }

    void metricUnits()
    {
        const DocumentPage page = loadPage("MT.DOX");
        const QString prefixes = QStringLiteral("SI prefixes");
        QCOMPARE(page.cell(prefixes, QStringLiteral("quetta"), QStringLiteral("Factor")), QStringLiteral("10³⁰"));
        QCOMPARE(page.cell(prefixes, QStringLiteral("ronna"), QStringLiteral("Symbol")), QStringLiteral("R"));
        QCOMPARE(page.cell(prefixes, QStringLiteral("quecto"), QStringLiteral("Factor")), QStringLiteral("10⁻³⁰"));
        QCOMPARE(page.cell(prefixes, QStringLiteral("ronto"), QStringLiteral("Symbol")), QStringLiteral("r"));
        QCOMPARE(page.cell(prefixes, QStringLiteral("kilo"), QStringLiteral("Symbol")), QStringLiteral("k"));
        QCOMPARE(page.cell(prefixes, QStringLiteral("mega"), QStringLiteral("Symbol")), QStringLiteral("M"));
        QCOMPARE(page.cell(prefixes, QStringLiteral("micro"), QStringLiteral("Symbol")), QStringLiteral("µ"));
        QCOMPARE(findTable(page, prefixes)->rows.size(), 24);

        const QString derived = QStringLiteral("special names");
        QCOMPARE(findTable(page, derived)->rows.size(), 22);
        QCOMPARE(page.cell(derived, QStringLiteral("electric resistance"), QStringLiteral("In base units")),
                 QStringLiteral("kg·m²·s⁻³·A⁻²"));
        QCOMPARE(page.cell(derived, QStringLiteral("capacitance"), QStringLiteral("In base units")),
                 QStringLiteral("kg⁻¹·m⁻²·s⁴·A²"));
        QCOMPARE(page.cell(derived, QStringLiteral("catalytic activity"), QStringLiteral("Symbol")),
                 QStringLiteral("kat"));

        const QString base = QStringLiteral("base units");
        QCOMPARE(findTable(page, base)->rows.size(), 7);
        QCOMPARE(page.cell(base, QStringLiteral("kilogram"), QStringLiteral("Fixed value")),
                 QStringLiteral("6.626 070 15 × 10⁻³⁴ J·s"));
        QVERIFY(page.isExact(base, QStringLiteral("kilogram"), QStringLiteral("Fixed value")));
        QCOMPARE(page.cell(base, QStringLiteral("ampere"), QStringLiteral("Fixed value")),
                 QStringLiteral("1.602 176 634 × 10⁻¹⁹ C"));
        QCOMPARE(page.cell(base, QStringLiteral("second"), QStringLiteral("Fixed value")),
                 QStringLiteral("9 192 631 770 Hz"));
        QCOMPARE(page.cell(base, QStringLiteral("candela"), QStringLiteral("Fixed value")),
                 QStringLiteral("683 lm/W"));
    }

    void mechanicalConstants()
    {
        const DocumentPage page = loadPage("MC.DOX");
        const QString si = QStringLiteral("Physical constants in SI");
        const QString us = QStringLiteral("constants in US customary");
        QCOMPARE(page.cell(si, QStringLiteral("standard gravity"), QStringLiteral("SI value")),
                 QStringLiteral("9.80665 m/s²"));
        QVERIFY(page.isExact(si, QStringLiteral("standard gravity"), QStringLiteral("SI value")));
        QCOMPARE(page.cell(us, QStringLiteral("standard gravity"), QStringLiteral("US customary")),
                 QStringLiteral("32.17405 ft/s²"));
        QCOMPARE(page.cell(us, QStringLiteral("Newton's-law constant"), QStringLiteral("US customary")),
                 QStringLiteral("32.17405 lbm·ft/(lbf·s²)"));
        // G is measured: its value carries an uncertainty and no exact mark.
        QCOMPARE(page.cell(si, QStringLiteral("gravitational constant"), QStringLiteral("SI value")),
                 QStringLiteral("6.674 30(15) × 10⁻¹¹ m³/(kg·s²)"));
        QVERIFY(!page.isExact(si, QStringLiteral("gravitational constant"), QStringLiteral("SI value")));
        QCOMPARE(page.cell(si, QStringLiteral("gravitational constant"), QStringLiteral("Status")),
                 QStringLiteral("measured"));
        QCOMPARE(page.cell(si, QStringLiteral("standard atmosphere"), QStringLiteral("SI value")),
                 QStringLiteral("101 325 Pa"));
        QVERIFY(page.isExact(si, QStringLiteral("standard atmosphere"), QStringLiteral("SI value")));
        QCOMPARE(page.cell(us, QStringLiteral("standard atmosphere"), QStringLiteral("US customary")),
                 QStringLiteral("14.69595 psi = 29.92125 inHg (0 °C) = 760 mmHg"));
        QCOMPARE(page.cell(si, QStringLiteral("Boltzmann constant"), QStringLiteral("SI value")),
                 QStringLiteral("1.380 649 × 10⁻²³ J/K"));
        QCOMPARE(page.cell(QStringLiteral("Mechanical equivalent"), QStringLiteral("1 British thermal unit (IT), Btu"),
                           QStringLiteral("In joules")),
                 QStringLiteral("1055.05585262"));
        QCOMPARE(page.cell(QStringLiteral("Mechanical equivalent"), QStringLiteral("1 British thermal unit (IT), Btu"),
                           QStringLiteral("In foot")),
                 QStringLiteral("778.1693"));
        QCOMPARE(page.cell(QStringLiteral("Standard and reference"), QStringLiteral("STP (IUPAC, since 1982)"),
                           QStringLiteral("Pressure")),
                 QStringLiteral("100 kPa (1 bar)"));
        QCOMPARE(page.cell(QStringLiteral("Standard and reference"), QStringLiteral("ISO 2533 sea level"),
                           QStringLiteral("Temperature")),
                 QStringLiteral("15 °C (288.15 K)"));
        QCOMPARE(page.cell(QStringLiteral("Densities"), QStringLiteral("dry air, 15 °C, 101.325 kPa (ISO 2533 sea level)"),
                           QStringLiteral("Density (kg/m³)")),
                 QStringLiteral("1.2250"));
        QCOMPARE(page.cell(QStringLiteral("Densities"), QStringLiteral("water, 4 °C (maximum density)"),
                           QStringLiteral("Density (lb/ft³)")),
                 QStringLiteral("62.426"));
        QCOMPARE(page.cell(QStringLiteral("Elastic constants"), QStringLiteral("carbon and low-alloy steel"),
                           QStringLiteral("E (GPa)")),
                 QStringLiteral("200–210"));
        QCOMPARE(page.cell(QStringLiteral("Materials in US"), QStringLiteral("carbon and low-alloy steel"),
                           QStringLiteral("E (10⁶ psi)")),
                 QStringLiteral("29.0–30.5"));
        QCOMPARE(page.cell(QStringLiteral("Elastic constants"), QStringLiteral("aluminium alloy 6061-T6"),
                           QStringLiteral("α")),
                 QStringLiteral("23.6"));
    }

    void lensesAndNewton()
    {
        const DocumentPage lenses = loadPage("LN.DOX");
        QCOMPARE(lenses.cell(QStringLiteral("Refractive index"), QStringLiteral("crown glass (SCHOTT N-BK7)"),
                             QStringLiteral("Refractive index")),
                 QStringLiteral("1.5168"));
        QCOMPARE(lenses.cell(QStringLiteral("Refractive index"), QStringLiteral("crown glass (SCHOTT N-BK7)"),
                             QStringLiteral("Critical angle")),
                 QStringLiteral("41.2°"));
        QCOMPARE(lenses.cell(QStringLiteral("Refractive index"), QStringLiteral("water, 20 °C"),
                             QStringLiteral("Critical angle")),
                 QStringLiteral("48.6°"));
        QCOMPARE(lenses.cell(QStringLiteral("Full-stop"), QStringLiteral("f/5.6"), QStringLiteral("Exact")),
                 QStringLiteral("5.657"));
        QCOMPARE(lenses.cell(QStringLiteral("Full-stop"), QStringLiteral("f/11"), QStringLiteral("Exact")),
                 QStringLiteral("11.314"));
        QCOMPARE(lenses.cell(QStringLiteral("Full-stop"), QStringLiteral("f/22"), QStringLiteral("Light")),
                 QStringLiteral("1/512"));
        // Six lens shapes and the four object positions are drawn.
        QCOMPARE(lenses.references().filter(QStringLiteral("data:image/svg+xml")).size(), 5);

        const DocumentPage newton = loadPage("NL.DOX");
        QVERIFY(newton.text().contains(QStringLiteral("1 N = 1 kg·m/s²")));
        QVERIFY(newton.text().contains(QStringLiteral("1 lbf = 32.174 lbm·ft/s²")));
        QVERIFY(newton.text().contains(QStringLiteral("gₙ = 9.80665 m/s²")));
        QCOMPARE(newton.cell(QStringLiteral("Uniform"), QStringLiteral("v² = u² + 2·a·s"), QStringLiteral("Leaves out")),
                 QStringLiteral("time t"));
        QCOMPARE(newton.cell(QStringLiteral("Units in F"), QStringLiteral("US, with slugs"), QStringLiteral("Mass")),
                 QStringLiteral("slug (= lbf·s²/ft)"));
    }

    void glossary()
    {
        const DocumentPage page = loadPage("GLOSS.DOX");
        const DocumentPage::Table *table = findTable(page, QStringLiteral("alphabetical"));
        QVERIFY(table);
        QStringList terms;
        for (const auto &row : table->rows)
            terms << row.first().text;
        QStringList sorted = terms;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(terms, sorted);
        for (const char *term : {"accuracy", "precision", "repeatability", "reproducibility", "resolution",
                                 "calibration", "verification", "traceability", "tolerance", "psig", "psia",
                                 "SCFM", "ACFM", "TIR", "FIM", "in. w.g.", "RMS"}) {
            QVERIFY2(terms.filter(QString::fromLatin1(term)).size() >= 1, term);
        }
        const auto meaning = [&](const QString &term) {
            return page.cell(QStringLiteral("alphabetical"), term, QStringLiteral("Meaning"));
        };
        QVERIFY(meaning(QStringLiteral("calibration")).contains(QStringLiteral("does not include adjustment")));
        QVERIFY(meaning(QStringLiteral("TIR (total indicator reading)")).contains(QStringLiteral("FIM")));
        QVERIFY(meaning(QStringLiteral("expanded uncertainty (U)")).contains(QStringLiteral("k = 2")));
        QVERIFY(meaning(QStringLiteral("expanded uncertainty (U)")).contains(QStringLiteral("95 %")));
        QVERIFY(meaning(QStringLiteral("mil (thou)")).contains(QStringLiteral("25.4 µm")));
    }
};

QTEST_MAIN(TestPagesLToN)
#include "test_pages_l_to_n.moc"
