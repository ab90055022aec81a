// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// Spot checks of values on the pages from NUMBERS to WORK-ENERGY-HEAT, chosen where published
// tables commonly go wrong. Each value is the one the page's named source gives (ASME B1.1 and
// B94.11M, IEC 60062 and 60063, IUPAC/CIAAW 2021 with later revisions, ISO 10664, NIST SP 811,
// NEC 2023, IEC 60751, ...); factors that are exact by definition must carry the exact mark.

#include "documentpage.h"

#include <QDir>
#include <QSet>
#include <QTest>

using namespace Voruvar::Tests;

namespace {

DocumentPage loadPage(const QString &file)
{
    DocumentPage page;
    QString error;
    if (!page.load(QDir(qEnvironmentVariable("VORUVAR_BIN_DIR")).filePath(file), &error))
        qWarning("%s", qPrintable(error));
    return page;
}

const DocumentPage::Table *findTable(const DocumentPage &page, const QString &caption)
{
    for (const DocumentPage::Table &table : page.tables()) {
        if (table.caption.contains(caption))
            return &table;
    }
    return nullptr;
}

// The cell in the row named rowKey and the column headed exactly column (conversion matrices
// head columns with unit symbols that start alike: m, mm, mi) or, failing that, the one column
// whose heading starts with it.
const DocumentPage::Cell *findCell(const DocumentPage &page, const QString &caption, const QString &rowKey,
                                   const QString &column)
{
    const DocumentPage::Table *table = findTable(page, caption);
    if (!table)
        return nullptr;
    qsizetype c = table->header.indexOf(column);
    if (c < 0) {
        for (qsizetype i = 0; i < table->header.size(); ++i) {
            if (table->header.at(i).startsWith(column)) {
                if (c >= 0)
                    return nullptr; // ambiguous
                c = i;
            }
        }
    }
    for (const auto &row : table->rows) {
        if (c >= 0 && row.first().text == rowKey)
            return &row.at(c);
    }
    return nullptr;
}

enum Exact { NotExact = 0, IsExact = 1, Unmarked = -1 };

void add(const char *name, const char *file, const char *caption, const char *row, const char *column,
         const char *value, int exact)
{
    QTest::newRow(name) << QString::fromLatin1(file) << QString::fromUtf8(caption) << QString::fromUtf8(row)
                        << QString::fromUtf8(column) << QString::fromUtf8(value) << exact;
}

} // namespace

class TestPagesNToW : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One value per row: the text of the cell, and for conversion factors whether it is marked
    // exact (a rounded value marked exact fails, as does an exact one left unmarked).
    void value_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("exact");
        add("1/64 in decimal", "NM.DOX", "1/64 steps", "1/64", "Decimal", "0.015625", 1);
        add("1/64 in mm", "NM.DOX", "1/64 steps", "1/64", "Millimetres", "0.396875", 1);
        add("5/16 in mm", "NM.DOX", "1/64 steps", "5/16", "Millimetres", "7.9375", 1);
        add("63/64 in mm", "NM.DOX", "1/64 steps", "63/64", "Millimetres", "25.003125", 1);
        add("CM", "NM.DOX", "Roman", "CM", "Value", "900", -1);
        add("XL", "NM.DOX", "Roman", "XL", "Value", "40", -1);
        add("2^16", "NM.DOX", "Powers of 2", "16", "2ⁿ", "65 536", -1);
        add("billion", "NM.DOX", "short scale", "billion", "Power of ten", "10⁹", -1);
        add("255 hex", "NM.DOX", "Number bases", "15", "Hexadecimal", "F", -1);
        add("parallel 100 and 150", "OH.DOX", "Worked examples", "100", "Series", "200", -1);
        add("hexagon interior angle", "PL.DOX", "names and angles", "6", "Each interior", "120", -1);
        add("heptagon", "PL.DOX", "names and angles", "7", "Name", "heptagon", -1);
        add("nonagon", "PL.DOX", "names and angles", "9", "Name", "nonagon (enneagon)", -1);
        add("dodecagon diagonals", "PL.DOX", "names and angles", "12", "Diagonals", "54", -1);
        add("hexagon area/F²", "PL.DOX", "area constants", "6", "Area / F²", "0.8660", -1);
        add("hexagon C/F", "PL.DOX", "area constants", "6", "C / F", "1.1547", -1);
        add("octagon C/F", "PL.DOX", "area constants", "8", "C / F", "1.0824", -1);
        add("pentagon area/s²", "PL.DOX", "area constants", "5", "Area / s²", "1.7205", -1);
        add("1 in hex corners", "PL.DOX", "Across flats to across corners", "1", "Hexagon", "1.1547", -1);
        add("120 V peak", "PA.DOX", "RMS, peak", "120", "Peak (V)", "169.7", -1);
        add("240 V peak", "PA.DOX", "RMS, peak", "240", "Peak (V)", "339.4", -1);
        add("PF 0.75 tan", "PA.DOX", "Power factor", "0.75", "tan", "0.8819", -1);
        add("PF 0.95 tan", "PA.DOX", "Power factor", "0.95", "tan", "0.3287", -1);
        add("1 tau", "DA.DOX", "time constants", "1", "Charged", "63.2", -1);
        add("2 tau", "DA.DOX", "time constants", "2", "Charged", "86.5", -1);
        add("3 tau", "DA.DOX", "time constants", "3", "Charged", "95.0", -1);
        add("4 tau", "DA.DOX", "time constants", "4", "Charged", "98.2", -1);
        add("5 tau", "DA.DOX", "time constants", "5", "Charged", "99.3", -1);
        add("copper alpha", "DA.DOX", "Resistivity", "Copper, annealed (IACS standard)", "Temperature coefficient",
            "0.00393", -1);
        add("copper IACS", "DA.DOX", "Resistivity", "Copper, annealed (IACS standard)", "Resistivity", "1.7241", -1);
        add("1 atm in kPa", "CP.DOX", "metric columns", "1 atm", "kPa", "101.325", 1);
        add("1 atm in psi", "CP.DOX", "psi and kgf", "1 atm", "psi", "14.69595", 0);
        add("1 bar in psi", "CP.DOX", "psi and kgf", "1 bar", "psi", "14.50377", 0);
        add("1 psi in Pa", "CP.DOX", "metric columns", "1 psi", "Pa", "6894.757", 0);
        add("1 kgf/cm² in bar", "CP.DOX", "metric columns", "1 kgf/cm²", "bar", "0.980665", 1);
        add("1 inH2O 39.2 °F in Pa", "CP.DOX", "metric columns", "1 inH₂O (39.2 °F)", "Pa", "249.082", 0);
        add("1 inH2O 60 °F in Pa", "CP.DOX", "metric columns", "1 inH₂O (60 °F)", "Pa", "248.84", 0);
        add("1 inHg 32 °F in Pa", "CP.DOX", "metric columns", "1 inHg (32 °F)", "Pa", "3386.38", 0);
        add("1 atm in torr", "CP.DOX", "mercury and water", "1 atm", "torr", "760", 1);
        add("1 psi in ft of water", "CP.DOX", "mercury and water", "1 psi", "ftH₂O (39.2 °F)", "2.306726", 0);
        add("3ph 10 hp 460 V", "PM.DOX", "430.250", "10", "460 V", "14", -1);
        add("3ph 100 hp 460 V", "PM.DOX", "430.250", "100", "460 V", "124", -1);
        add("3ph 5 hp 208 V", "PM.DOX", "430.250", "5", "208 V", "16.7", -1);
        add("3ph 40 hp 575 V", "PM.DOX", "430.250", "40", "575 V", "41", -1);
        add("3ph 200 hp 230 V", "PM.DOX", "430.250", "200", "230 V", "480", -1);
        add("1ph 1 hp 115 V", "PM.DOX", "430.248", "1", "115 V", "16", -1);
        add("1ph 1/2 hp 230 V", "PM.DOX", "430.248", "1/2", "230 V", "4.9", -1);
        add("4-pole 60 Hz", "PM.DOX", "Induction motor speeds", "4", "Synchronous at 60 Hz", "1800", -1);
        add("2-pole 50 Hz", "PM.DOX", "Induction motor speeds", "2", "Synchronous at 50 Hz", "3000", -1);
        add("gold tolerance", "RCC.DOX", "Colour code", "gold", "Tolerance", "±5 %", -1);
        add("gold multiplier", "RCC.DOX", "Colour code", "gold", "Multiplier", "× 0.1", -1);
        add("silver tolerance", "RCC.DOX", "Colour code", "silver", "Tolerance", "±10 %", -1);
        add("silver multiplier", "RCC.DOX", "Colour code", "silver", "Multiplier", "× 0.01", -1);
        add("pink multiplier", "RCC.DOX", "Colour code", "pink", "Multiplier", "× 0.001", -1);
        add("brown tolerance", "RCC.DOX", "Colour code", "brown", "Tolerance", "±1 %", -1);
        add("red tolerance", "RCC.DOX", "Colour code", "red", "Tolerance", "±2 %", -1);
        add("green tolerance", "RCC.DOX", "Colour code", "green", "Tolerance", "±0.5 %", -1);
        add("blue tolerance", "RCC.DOX", "Colour code", "blue", "Tolerance", "±0.25 %", -1);
        add("violet tolerance", "RCC.DOX", "Colour code", "violet", "Tolerance", "±0.1 %", -1);
        add("violet digit", "RCC.DOX", "Colour code", "violet", "Digit", "7", -1);
        add("grey digit", "RCC.DOX", "Colour code", "grey", "Digit", "8", -1);
        add("no band", "RCC.DOX", "Colour code", "none (no band)", "Tolerance", "±20 %", -1);
        add("brown TCR", "RCC.DOX", "Colour code", "brown", "Temperature", "100", -1);
        add("E24 4.7", "RCC.DOX", "E24, E12", "4.7", "E6", "4.7", -1);
        add("E24 5.1", "RCC.DOX", "E24, E12", "5.1", "E24", "5.1", -1);
        add("E24 2.7", "RCC.DOX", "E24, E12", "2.7", "E12", "2.7", -1);
        add("E24 8.2", "RCC.DOX", "E24, E12", "8.2", "E12", "8.2", -1);
        add("E24 9.1", "RCC.DOX", "E24, E12", "9.1", "E24", "9.1", -1);
        add("E96 code 01", "RCC.DOX", "EIA-96", "0", "E48 and E96", "100", -1);
        add("E96 code 68", "RCC.DOX", "EIA-96", "33", "E96 value between", "499", -1);
        add("E96 code 68 number", "RCC.DOX", "EIA-96", "33", "Code of", "68", -1);
        add("E96 976", "RCC.DOX", "EIA-96", "47", "E96 value between", "976", -1);
        add("1/4-20 tap drill", "SDC.DOX", "Fractional sizes", "1/4-20 UNC", "Tap drill", "#7", -1);
        add("1/4-20 decimal", "SDC.DOX", "Fractional sizes", "1/4-20 UNC", "Drill (in)", "0.2010", -1);
        add("1/4-28 tap drill", "SDC.DOX", "Fractional sizes", "1/4-28 UNF", "Tap drill", "#3", -1);
        add("5/16-18 tap drill", "SDC.DOX", "Fractional sizes", "5/16-18 UNC", "Tap drill", "F", -1);
        add("5/16-24 tap drill", "SDC.DOX", "Fractional sizes", "5/16-24 UNF", "Tap drill", "I", -1);
        add("3/8-16 tap drill", "SDC.DOX", "Fractional sizes", "3/8-16 UNC", "Tap drill", "5/16", -1);
        add("3/8-24 tap drill", "SDC.DOX", "Fractional sizes", "3/8-24 UNF", "Tap drill", "Q", -1);
        add("7/16-14 tap drill", "SDC.DOX", "Fractional sizes", "7/16-14 UNC", "Tap drill", "U", -1);
        add("1/2-13 tap drill", "SDC.DOX", "Fractional sizes", "1/2-13 UNC", "Tap drill", "27/64", -1);
        add("1-8 tap drill", "SDC.DOX", "Fractional sizes", "1-8 UNC", "Tap drill", "7/8", -1);
        add("1-1/2-6 tap drill", "SDC.DOX", "Fractional sizes", "1-1/2-6 UNC", "Tap drill", "1-11/32", -1);
        add("10-32 tap drill", "SDC.DOX", "Machine-screw", "10-32 UNF", "Tap drill", "#21", -1);
        add("10-24 tap drill", "SDC.DOX", "Machine-screw", "10-24 UNC", "Tap drill", "#25", -1);
        add("8-32 tap drill", "SDC.DOX", "Machine-screw", "8-32 UNC", "Tap drill", "#29", -1);
        add("6-32 tap drill", "SDC.DOX", "Machine-screw", "6-32 UNC", "Tap drill", "#36", -1);
        add("4-40 tap drill", "SDC.DOX", "Machine-screw", "4-40 UNC", "Tap drill", "#43", -1);
        add("#10 major diameter", "SDC.DOX", "Machine-screw", "10-32 UNF", "Major diameter", "0.1900", -1);
        add("#0 major diameter", "SDC.DOX", "Machine-screw", "0-80 UNF", "Major diameter", "0.0600", -1);
        add("1/8 NPT tap only", "SDC.DOX", "Taper pipe", "1/8 NPT", "Drill, tap only", "11/32", -1);
        add("1/8 NPT ream", "SDC.DOX", "Taper pipe", "1/8 NPT", "Drill, ream", "21/64", -1);
        add("1/2 NPT tap only", "SDC.DOX", "Taper pipe", "1/2 NPT", "Drill, tap only", "23/32", -1);
        add("1 NPT TPI", "SDC.DOX", "Taper pipe", "1 NPT", "Threads per inch", "11½", -1);
        add("1/4 clearance close", "SDC.DOX", "Clearance", "1/4", "Close fit drill", "F", -1);
        add("1/4 clearance free", "SDC.DOX", "Clearance", "1/4", "Free fit drill", "H", -1);
        add("air 20 °C", "SND.DOX", "dry air", "20", "Speed (m/s)", "343.2", -1);
        add("air 0 °C", "SND.DOX", "dry air", "0", "Speed (m/s)", "331.3", -1);
        add("air 15 °C", "SND.DOX", "dry air", "15", "Speed (m/s)", "340.3", -1);
        add("steel bulk", "SND.DOX", "gases, liquids", "Steel: bulk longitudinal", "Speed (m/s)", "≈ 5960", -1);
        add("steel shear", "SND.DOX", "gases, liquids", "Steel: shear", "Speed (m/s)", "≈ 3240", -1);
        add("water", "SND.DOX", "gases, liquids", "Water, fresh, 20 °C", "Speed (m/s)", "1482", -1);
        add("two equal levels", "SND.DOX", "Adding two", "0", "Add", "3.0", -1);
        add("OSHA 90 dBA", "SND.DOX", "exposure", "90", "OSHA", "8", -1);
        add("OSHA 95 dBA", "SND.DOX", "exposure", "95", "OSHA", "4", -1);
        add("OSHA 100 dBA", "SND.DOX", "exposure", "100", "OSHA", "2", -1);
        add("NIOSH 85 dBA", "SND.DOX", "exposure", "85", "NIOSH", "8", -1);
        add("NIOSH 100 dBA", "SND.DOX", "exposure", "100", "NIOSH", "0.25", -1);
        add("knot in km/h", "SA.DOX", "Speed conversion", "1 kn", "km/h", "1.852", 1);
        add("mph in km/h", "SA.DOX", "Speed conversion", "1 mph", "km/h", "1.609344", 1);
        add("mph in ft/s", "SA.DOX", "Speed conversion", "1 mph", "ft/s", "1.466667", 0);
        add("mph in ft/min", "SA.DOX", "Speed conversion", "1 mph", "ft/min", "88", 1);
        add("m/s in mph", "SA.DOX", "Speed conversion", "1 m/s", "mph", "2.236936", 0);
        add("ft/min in m/s", "SA.DOX", "Speed conversion", "1 ft/min", "m/s", "0.00508", 1);
        add("1 rpm in rad/s", "SA.DOX", "Rotational", "1", "Angular", "0.10472", -1);
        add("lead weight", "PT.DOX", "118 elements", "82", "Atomic weight", "207.2", -1);
        add("lead interval", "PT.DOX", "118 elements", "82", "Interval", "[206.14, 207.94]", -1);
        add("argon", "PT.DOX", "118 elements", "18", "Atomic weight", "39.95", -1);
        add("zirconium 2024", "PT.DOX", "118 elements", "40", "Atomic weight", "91.222", -1);
        add("hydrogen", "PT.DOX", "118 elements", "1", "Atomic weight", "1.0080", -1);
        add("carbon", "PT.DOX", "118 elements", "6", "Atomic weight", "12.011", -1);
        add("iron", "PT.DOX", "118 elements", "26", "Atomic weight", "55.845", -1);
        add("copper", "PT.DOX", "118 elements", "29", "Atomic weight", "63.546", -1);
        add("technetium", "PT.DOX", "118 elements", "43", "Atomic weight", "[97]", -1);
        add("uranium", "PT.DOX", "118 elements", "92", "Atomic weight", "238.03", -1);
        add("113 name", "PT.DOX", "118 elements", "113", "Name", "nihonium", -1);
        add("115 symbol", "PT.DOX", "118 elements", "115", "Symbol", "Mc", -1);
        add("117 symbol", "PT.DOX", "118 elements", "117", "Symbol", "Ts", -1);
        add("118 symbol", "PT.DOX", "118 elements", "118", "Symbol", "Og", -1);
        add("sodium symbol", "PT.DOX", "118 elements", "11", "Symbol", "Na", -1);
        add("tungsten symbol", "PT.DOX", "118 elements", "74", "Symbol", "W", -1);
        add("antimony symbol", "PT.DOX", "118 elements", "51", "Symbol", "Sb", -1);
        add("iron melting", "PT.DOX", "Elements met in maintenance", "iron (Fe)", "Melting", "1538", -1);
        add("copper melting", "PT.DOX", "Elements met in maintenance", "copper (Cu)", "Melting", "1084.62", -1);
        add("tin melting", "PT.DOX", "Elements met in maintenance", "tin (Sn)", "Melting", "231.93", -1);
        add("ice point K", "CT.DOX", "reference points", "ice point (water freezes, 1 atm)", "Kelvin", "273.15", 1);
        add("absolute zero °C", "CT.DOX", "reference points", "absolute zero", "Celsius", "−273.15", 1);
        add("absolute zero °F", "CT.DOX", "reference points", "absolute zero", "Fahrenheit", "−459.67", 1);
        add("triple point K", "CT.DOX", "reference points", "triple point of water", "Kelvin", "273.16", -1);
        add("boiling ITS-90", "CT.DOX", "reference points", "water boils, 1 atm (ITS-90)", "Celsius", "99.97", -1);
        add("100 °C in °F", "CT.DOX", "Celsius to Fahrenheit", "100", "Fahrenheit", "212", -1);
        add("−40 °C in °F", "CT.DOX", "Celsius to Fahrenheit", "−40", "Fahrenheit", "−40", -1);
        add("Pt100 at 100 °C", "CT.DOX", "Pt100", "100", "Pt100", "138.51", -1);
        add("Pt100 at 0 °C", "CT.DOX", "Pt100", "0", "Pt100", "100.00", -1);
        add("Pt100 at −200 °C", "CT.DOX", "Pt100", "−200", "Pt100", "18.52", -1);
        add("type K IEC", "CT.DOX", "Thermocouple types", "K", "IEC code", "green / white, green", -1);
        add("type K US", "CT.DOX", "Thermocouple types", "K", "US code", "yellow / red, yellow", -1);
        add("type J US", "CT.DOX", "Thermocouple types", "J", "US code", "white / red, black", -1);
        add("type T IEC", "CT.DOX", "Thermocouple types", "T", "IEC code", "brown / white, brown", -1);
        add("day in s", "TC.DOX", "Time conversion", "1 d", "s", "86400", 1);
        add("week in h", "TC.DOX", "Time conversion", "1 wk", "h", "168", 1);
        add("Julian year in d", "TC.DOX", "Time conversion", "1 a (Julian)", "d", "365.25", 1);
        add("Gregorian year in d", "TC.DOX", "Time conversion", "1 a (Gregorian)", "d", "365.2425", 1);
        add("common year hours", "TC.DOX", "Lengths of the year", "common year", "Hours", "8760", -1);
        add("Julian year hours", "TC.DOX", "Lengths of the year", "Julian year", "Hours", "8766", -1);
        add("0.1 h", "TC.DOX", "Decimal hours", "0.1", "Minutes", "6", -1);
        add("60 Hz period", "TC.DOX", "Period against", "60", "Period", "16.667", -1);
        add("lbf·ft in N·m", "TP.DOX", "Torque conversion", "1 lbf·ft", "N·m", "1.355818", 0);
        add("N·m in lbf·in", "TP.DOX", "Torque conversion", "1 N·m", "lbf·in", "8.850746", 0);
        add("kgf·m in N·m", "TP.DOX", "Torque conversion", "1 kgf·m", "N·m", "9.80665", 1);
        add("lbf·ft in lbf·in", "TP.DOX", "Torque conversion", "1 lbf·ft", "lbf·in", "12", 1);
        add("1/2-13 stress area", "TP.DOX", "Inch bolts", "1/2", "Stress area", "0.1419", -1);
        add("1/4-20 stress area", "TP.DOX", "Inch bolts", "1/4", "Stress area", "0.0318", -1);
        add("1/2 grade 5 dry", "TP.DOX", "Inch bolts", "1/2", "Grade 5 torque dry", "75", -1);
        add("3/8 grade 5 dry", "TP.DOX", "Inch bolts", "3/8", "Grade 5 torque dry", "31", -1);
        add("M10 stress area", "TP.DOX", "Metric bolts", "M10", "Stress area", "58", -1);
        add("M12 stress area", "TP.DOX", "Metric bolts", "M12", "Stress area", "84.3", -1);
        add("T25 tip", "TX.DOX", "Internal hexalobular", "T25", "Driver tip A (mm)", "4.43", -1);
        add("T25 recess", "TX.DOX", "Internal hexalobular", "T25", "Recess", "4.50", -1);
        add("T27 tip", "TX.DOX", "Internal hexalobular", "T27", "Driver tip A (mm)", "4.99", -1);
        add("T30 tip", "TX.DOX", "Internal hexalobular", "T30", "Driver tip A (mm)", "5.52", -1);
        add("T10 tip", "TX.DOX", "Internal hexalobular", "T10", "Driver tip A (mm)", "2.74", -1);
        add("M3 T10", "TX.DOX", "Internal hexalobular", "T10", "Typical metric", "M3", -1);
        add("M4 T20", "TX.DOX", "Internal hexalobular", "T20", "Typical metric", "M4", -1);
        add("M5 T25", "TX.DOX", "Internal hexalobular", "T25", "Typical metric", "M5", -1);
        add("M6 T30", "TX.DOX", "Internal hexalobular", "T30", "Typical metric", "M6", -1);
        add("M8 T45", "TX.DOX", "Internal hexalobular", "T45", "Typical metric", "M8", -1);
        add("M10 T50", "TX.DOX", "Internal hexalobular", "T50", "Typical metric", "M10", -1);
        add("sin 30", "AG.DOX", "Sine, cosine", "30", "sin", "0.5000", -1);
        add("cos 60", "AG.DOX", "Sine, cosine", "60", "cos", "0.5000", -1);
        add("tan 45", "AG.DOX", "Sine, cosine", "45", "tan", "1.0000", -1);
        add("tan 90", "AG.DOX", "Sine, cosine", "90", "tan", "undefined", -1);
        add("sin 37", "AG.DOX", "Sine, cosine", "37", "sin", "0.6018", -1);
        add("tan 60", "AG.DOX", "Sine, cosine", "60", "tan", "1.7321", -1);
        add("conduit 30°", "AG.DOX", "Conduit offsets", "30", "Multiplier", "2.000", -1);
        add("conduit 45°", "AG.DOX", "Conduit offsets", "45", "Multiplier", "1.414", -1);
        add("conduit 22.5°", "AG.DOX", "Conduit offsets", "22.5", "Multiplier", "2.613", -1);
        add("bolt circle 6", "AG.DOX", "Bolt circles", "6", "Chord", "0.50000", -1);
        add("photopic peak", "VCS.DOX", "Luminous efficiency", "555", "Photopic", "1.000", -1);
        add("683 lm/W", "VCS.DOX", "Luminous efficiency", "555", "Luminous efficacy", "683", -1);
        add("scotopic peak", "VCS.DOX", "Luminous efficiency", "507", "Scotopic", "1.000", -1);
        add("540 THz", "VCS.DOX", "Luminous efficiency", "555", "Frequency", "540.2", -1);
        add("HeNe", "VCS.DOX", "spectral lines", "Helium-neon laser", "Wavelength", "632.8", -1);
        add("sodium", "VCS.DOX", "spectral lines", "Sodium-vapour lamp (Na D lines)", "Wavelength", "589.0", -1);
        add("D65", "VCS.DOX", "colour temperature", "CIE standard illuminant D65 (average daylight)", "CCT", "6504",
            -1);
        add("US gallon in in³", "VT.DOX", "cubic inch, foot", "1 US gal", "in³", "231", 1);
        add("US gallon in L", "VT.DOX", "metric columns", "1 US gal", "L", "3.785411784", 1);
        add("imperial gallon in L", "VT.DOX", "metric columns", "1 imp gal", "L", "4.54609", 1);
        add("US fl oz in mL", "VT.DOX", "metric columns", "1 US fl oz", "mL", "29.5735295625", 1);
        add("imp fl oz in mL", "VT.DOX", "metric columns", "1 imp fl oz", "mL", "28.4130625", 1);
        add("m³ in ft³", "VT.DOX", "cubic inch, foot", "1 m³", "ft³", "35.31467", 0);
        add("ft³ in US gal", "VT.DOX", "US liquid", "1 ft³", "US gal", "7.480519", 0);
        add("barrel in US gal", "VT.DOX", "US liquid", "1 bbl (oil)", "US gal", "42", 1);
        add("bushel in in³", "VT.DOX", "cubic inch, foot", "1 US bu", "in³", "2150.42", 1);
        add("1 in pipe", "VT.DOX", "Capacity of pipes", "1", "Capacity (US gal", "0.0408", -1);
        add("half full tank", "VT.DOX", "Horizontal cylindrical", "50", "Volume", "50.0", -1);
        add("Btu IT in J", "WEH.DOX", "joule and kilowatt-hour", "1 Btu (IT)", "J", "1055.05585262", 1);
        add("Btu th in J", "WEH.DOX", "joule and kilowatt-hour", "1 Btu (th)", "J", "1054.350", 0);
        add("cal IT in J", "WEH.DOX", "joule and kilowatt-hour", "1 cal (IT)", "J", "4.1868", 1);
        add("cal th in J", "WEH.DOX", "joule and kilowatt-hour", "1 cal (th)", "J", "4.184", 1);
        add("kWh in Btu IT", "WEH.DOX", "heat unit columns", "1 kWh", "Btu (IT)", "3412.142", 0);
        add("kcal IT in cal IT", "WEH.DOX", "heat unit columns", "1 kcal (IT)", "cal (IT)", "1000", 1);
        add("therm in J", "WEH.DOX", "joule and kilowatt-hour", "1 therm (US)", "MJ", "105.4804", 1);
        add("ton of refrigeration in W", "WEH.DOX", "Power conversion", "1 TR", "W", "3516.853", 0);
        add("ton of refrigeration in Btu/h", "WEH.DOX", "Power conversion", "1 TR", "Btu/h", "12000", 1);
        add("hp in W", "WEH.DOX", "Power conversion", "1 hp", "W", "745.6999", 0);
        add("latent fusion", "WEH.DOX", "Latent heat", "melting (fusion), 0 °C", "Latent heat (kJ/kg)", "333.55", -1);
        add("latent boiling", "WEH.DOX", "Latent heat", "boiling (vaporisation), 100 °C", "Latent heat (kJ/kg)",
            "2256.4", -1);
        add("water c", "WEH.DOX", "Specific heat", "Water, liquid, 15 °C", "Specific heat (J", "4186", -1);
    }
    void value()
    {
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QFETCH(QString, row);
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(int, exact);
        const DocumentPage page = loadPage(file);
        const DocumentPage::Cell *cell = findCell(page, caption, row, column);
        QVERIFY2(cell, qPrintable(QStringLiteral("no cell '%1' / '%2' in '%3'").arg(row, column, caption)));
        QCOMPARE(cell->text, value);
        if (exact != Unmarked)
            QCOMPARE(cell->exact, exact == IsExact);
    }

    // Heat and energy units name their definition in the row and column labels.
    void workEnergyHeat_labelsItsBtuAndCalories()
    {
        const DocumentPage page = loadPage(QStringLiteral("WEH.DOX"));
        const DocumentPage::Table *heat = findTable(page, QStringLiteral("heat unit columns"));
        QVERIFY(heat);
        for (const QString &heading : heat->header.mid(1))
            QVERIFY2(heading.endsWith(QStringLiteral("(IT)")) || heading.endsWith(QStringLiteral("(th)")),
                     qPrintable(heading));
        QVERIFY(page.text().contains(QStringLiteral("Btu(IT) = 1055.05585262 J")));
        QVERIFY(page.text().contains(QStringLiteral("cal(th) = 4.184 J")));
    }

    void tableOfElements_holdsAll118WithFinalNames()
    {
        const DocumentPage page = loadPage(QStringLiteral("PT.DOX"));
        const DocumentPage::Table *elements = findTable(page, QStringLiteral("118 elements"));
        QVERIFY(elements);
        QCOMPARE(elements->rows.size(), 118);
        QSet<QString> symbols;
        for (int z = 1; z <= 118; ++z) {
            const auto &row = elements->rows.at(z - 1);
            QCOMPARE(row.first().text, QString::number(z));
            symbols.insert(row.at(1).text);
        }
        QCOMPARE(symbols.size(), 118);
        for (const char *placeholder : {"Uut", "Uup", "Uus", "Uuo"})
            QVERIFY(!symbols.contains(QString::fromLatin1(placeholder)));
        // The 14 elements whose weight varies in nature are given with their interval.
        int intervals = 0;
        for (const auto &row : elements->rows)
            intervals += row.at(4).text.startsWith(u'[') ? 1 : 0;
        QCOMPARE(intervals, 14);
        QVERIFY(page.text().contains(QStringLiteral("abridged")));
    }

    void resistorColours_areDrawnAndNamed()
    {
        const DocumentPage page = loadPage(QStringLiteral("RCC.DOX"));
        const DocumentPage::Table *colours = findTable(page, QStringLiteral("Colour code"));
        QVERIFY(colours);
        QCOMPARE(colours->rows.size(), 14);
        // Each band of the drawings is named in its description, not told by colour alone.
        QVERIFY(page.html().contains(QStringLiteral("yellow 4, violet 7, red multiplier times 100, gold tolerance")));
        const DocumentPage::Table *e96 = findTable(page, QStringLiteral("EIA-96"));
        QVERIFY(e96);
        QCOMPARE(e96->rows.size(), 48);
    }

    void tapChart_coversNumberAndFractionalSizes()
    {
        const DocumentPage page = loadPage(QStringLiteral("SDC.DOX"));
        const DocumentPage::Table *numbered = findTable(page, QStringLiteral("Machine-screw"));
        const DocumentPage::Table *fractional = findTable(page, QStringLiteral("Fractional sizes"));
        QVERIFY(numbered && fractional);
        QStringList threads;
        for (const auto *table : {numbered, fractional}) {
            for (const auto &row : table->rows)
                threads << row.first().text;
        }
        for (const char *thread : {"0-80 UNF", "2-56 UNC", "12-24 UNC", "1/4-20 UNC", "3/4-10 UNC", "1-1/2-6 UNC",
                                   "1-1/2-12 UNF", "1-1/4-8 UN", "1/2-28 UNEF"})
            QVERIFY2(threads.contains(QString::fromLatin1(thread)), thread);
        QVERIFY(page.text().contains(QStringLiteral("tap drill ≈ D − 1/n")));
    }

    // The drawings the pages explain with: each present with a description.
    void drawings_arePresent_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("alt");
        QTest::newRow("Ohm's law triangle") << "OH.DOX"
                                            << "Ohm's law triangle";
        QTest::newRow("formula wheel") << "OH.DOX"
                                       << "formula wheel with twelve formulas";
        QTest::newRow("polygon flats and corners") << "PL.DOX"
                                                   << "across-flats distance F and across-corners";
        QTest::newRow("hexalobular profile") << "TX.DOX"
                                             << "Hexalobular recess profile";
        QTest::newRow("right triangle") << "AG.DOX"
                                        << "Right triangle with angle theta";
        QTest::newRow("unit circle") << "AG.DOX"
                                     << "Unit circle of radius 1";
        QTest::newRow("lever classes") << "ST.DOX"
                                       << "Second-class lever: load between fulcrum and effort";
        QTest::newRow("pulleys") << "ST.DOX"
                                 << "block and tackle with four supporting strands";
        QTest::newRow("spectrum bar") << "VCS.DOX"
                                      << "Spectrum bar from 380 to 780 nm";
        QTest::newRow("element grid") << "PT.DOX"
                                      << "Periodic table grid of 118 elements";
        QTest::newRow("power triangle") << "PA.DOX"
                                        << "Power triangle";
        QTest::newRow("bolt head marks") << "TP.DOX"
                                         << "grade 5 three radial lines";
    }
    void drawings_arePresent()
    {
        QFETCH(QString, file);
        QFETCH(QString, alt);
        const DocumentPage page = loadPage(file);
        QVERIFY2(page.html().contains(QStringLiteral("alt=\"") + alt) ||
                     page.html().contains(QStringLiteral(": ") + alt) || page.html().contains(alt),
                 qPrintable(alt));
    }
};

QTEST_MAIN(TestPagesNToW)
#include "test_pages_n_to_w.moc"
