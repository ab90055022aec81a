// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// Where each whole-table identity applies. The factors are definitions unless a comment names
// another source: 1 in = 25.4 mm, 1 ft = 0.3048 m, 1 lb = 0.45359237 kg, 1 US gal = 231 in³,
// gₙ = 9.80665 m/s² (NIST SP 811, appendix B).

#include "pagetables.h"

#include <cmath>
#include <numbers>

namespace Voruvar::Tests::PageTables {

namespace {

constexpr double inch = 0.0254;                     // m
constexpr double foot = 0.3048;                     // m
constexpr double pound = 0.45359237;                // kg
constexpr double gallon = 231 * inch * inch * inch; // m³
constexpr double poundForce = pound * 9.80665;      // N
// Derived densities: 1 g/cm³ in lb/ft³, lb/in³ and lb/gal.
constexpr double gPerCm3InLbPerFt3 = 1000 * foot * foot * foot / pound;
constexpr double gPerCm3InLbPerIn3 = 1000 * inch * inch * inch / pound;
constexpr double gPerCm3InLbPerGal = 1000 * gallon / pound;
constexpr double kgPerM3InLbPerFt3 = gPerCm3InLbPerFt3 / 1000;
constexpr double psiInPa = poundForce / (inch * inch);

constexpr double pi = std::numbers::pi;
constexpr double lightSpeedNmThz = 299792.458; // c in nm·THz
constexpr double torr = 101325.0 / 760;        // Pa

double degrees(double radians)
{
    return radians * 180 / pi;
}

double radians(double degrees)
{
    return degrees * pi / 180;
}

// Pt100 resistance by the Callendar–Van Dusen equation of IEC 60751.
double pt100(double t)
{
    const double a = 3.9083e-3;
    const double b = -5.775e-7;
    const double c = -4.183e-12;
    double r = 100 * (1 + a * t + b * t * t);
    if (t < 0)
        r += 100 * c * (t - 100) * t * t * t;
    return r;
}

// Bolt clamp load at 75 % of the proof load, from the proof stress and the stress area.
Function clampLoad(double (*proof)(double), double scale)
{
    return [proof, scale](const QList<double> &x) { return 0.75 * proof(x[0]) * x[1] * scale; };
}
// Tightening torque K × D × F, with F the clamp load above; scale turns D × F into the unit.
Function boltTorque(double (*proof)(double), double nutFactor, double scale)
{
    return [proof, nutFactor, scale](const QList<double> &x) {
        return nutFactor * x[0] * 0.75 * proof(x[0]) * x[1] * scale;
    };
}
double grade2(double d)
{
    return d <= 0.75 ? 55000 : 33000;
} // psi, SAE J429
double grade5(double)
{
    return 85000;
}
double grade8(double)
{
    return 120000;
}
double class88(double d)
{
    return d <= 16 ? 580 : 600;
} // MPa, ISO 898-1
double class109(double)
{
    return 830;
}

} // namespace

const QList<Formula> &formulas()
{
    using F = Formula;
    static const QList<Formula> list = {
        // AREA
        {"AP.DOX", "Acre and hectare", "Area (ft²)", {"Area (m²)"}, scaled(1 / (foot * foot)), F::Rounded},
        {"AP.DOX", "Wire and conductor", "Area (mm²)", {"Area (in²)"}, scaled(1e6 * inch * inch)},
        // CONTINENTS: heights are survey values rounded to the metre or foot.
        {"Cn.DOX", "Area, population", "Area (million mi²)", {"Area (million km²)"},
         scaled(1e6 / (5280 * 5280 * foot * foot)), F::Rounded},
        {"Cn.DOX", "Highest and lowest", "Height (ft)", {"Height (m)"}, scaled(1 / foot), F::Rounded},
        {"Cn.DOX", "Highest and lowest", "Elevation (ft)", {"Elevation (m)"}, scaled(1 / foot), F::Rounded},
        // DENSITY: the g/cm³ column is the given value, the others are converted from it.
        {"DD.DOX", "Metals", "Density (kg/m³)", {"Density (g/cm³)"}, scaled(1000)},
        {"DD.DOX", "Metals", "Density (lb/ft³)", {"Density (g/cm³)"}, scaled(gPerCm3InLbPerFt3)},
        {"DD.DOX", "Metals", "Density (lb/in³)", {"Density (g/cm³)"}, scaled(gPerCm3InLbPerIn3)},
        {"DD.DOX", "Liquids", "Density (kg/m³)", {"Density (g/cm³)"}, scaled(1000)},
        {"DD.DOX", "Liquids", "Density (lb/ft³)", {"Density (g/cm³)"}, scaled(gPerCm3InLbPerFt3)},
        {"DD.DOX", "Liquids", "Density (lb/gal", {"Density (g/cm³)"}, scaled(gPerCm3InLbPerGal)},
        {"DD.DOX", "Gases", "Density (lb/ft³)", {"Density (kg/m³)"}, scaled(kgPerM3InLbPerFt3)},
        // Relative to dry air at the same conditions, 1.293 kg/m³ (CRC Handbook).
        {"DD.DOX", "Gases", "Relative to air", {"Density (kg/m³)"}, scaled(1 / 1.293)},
        {"DD.DOX", "Plastics", "Density (kg/m³)", {"Density (g/cm³)"}, scaled(1000)},
        {"DD.DOX", "Plastics", "Density (lb/ft³)", {"Density (g/cm³)"}, scaled(gPerCm3InLbPerFt3)},
        {"DD.DOX", "Woods", "Density (kg/m³)", {"Density (g/cm³)"}, scaled(1000)},
        {"DD.DOX", "Woods", "Density (lb/ft³)", {"Density (g/cm³)"}, scaled(gPerCm3InLbPerFt3)},
        {"DD.DOX", "Building materials", "Density (kg/m³)", {"Density (g/cm³)"}, scaled(1000)},
        {"DD.DOX", "Building materials", "Density (lb/ft³)", {"Density (g/cm³)"}, scaled(gPerCm3InLbPerFt3)},
        {"DD.DOX", "Density of water", "Temperature (°F)", {"Temperature (°C)"}, affine(1.8, 32)},
        {"DD.DOX", "Density of water", "Density (g/cm³)", {"Density (kg/m³)"}, scaled(0.001)},
        {"DD.DOX", "Density of water", "Density (lb/ft³)", {"Density (kg/m³)"}, scaled(kgPerM3InLbPerFt3)},
        {"DD.DOX", "Density of water", "Density (lb/gal", {"Density (kg/m³)"}, scaled(gPerCm3InLbPerGal / 1000)},
        // DRILL SIZES
        {"DN.DOX", "#1 to #80", "Diameter (mm)", {"Diameter (in)"}, scaled(25.4)},
        {"DN.DOX", "#81 to #97", "Diameter (mm)", {"Diameter (in)"}, scaled(25.4)},
        {"DS.DOX", "A to Z", "Diameter (mm)", {"Diameter (in)"}, scaled(25.4)},
        {"DS.DOX", "order of size", "Diameter (mm)", {"Diameter (in)"}, scaled(25.4)},
        // DRY MATERIAL WEIGHT: short tons of 2000 lb per cubic yard of 27 ft³; kg/m³ to the nearest 10.
        {"DT.DOX", "Bulk weights", "Loose (tons/yd³)", {"Loose (lb/ft³)"}, scaled(27.0 / 2000)},
        {"DT.DOX", "Bulk weights", "Loose (kg/m³)", {"Loose (lb/ft³)"}, scaled(1 / kgPerM3InLbPerFt3), F::Given, 0, 10},
        {"DT.DOX", "Bulk weights", "Packed or wet (tons/yd³)", {"Packed or wet (lb/ft³)"}, scaled(27.0 / 2000)},
        {"DT.DOX", "Bulk weights", "Packed or wet (kg/m³)", {"Packed or wet (lb/ft³)"},
         scaled(1 / kgPerM3InLbPerFt3), F::Given, 0, 10},
        // The US bushel is 2150.42 in³.
        {"DT.DOX", "bushel weights", "Weight (kg", {"Weight (lb"}, scaled(pound)},
        {"DT.DOX", "bushel weights", "Bulk density (lb/ft³)", {"Weight (lb"}, scaled(1728 / 2150.42)},
        {"DT.DOX", "bushel weights", "Bulk density (kg/m³)", {"Weight (lb"},
         scaled(pound / (2150.42 * inch * inch * inch))},
        // FAN & BLOWER MOTORS: synchronous speed 120 f / poles.
        {"FBM.DOX", "Motor speeds", "Synchronous at 60 Hz", {"Poles"}, divided(120 * 60)},
        {"FBM.DOX", "Motor speeds", "Synchronous at 50 Hz", {"Poles"}, divided(120 * 50)},
        // LENSES: f-number (√2)ᵏ passes 1/2ᵏ of the light; critical angle arcsin(1/n).
        {"LN.DOX", "Full-stop", "Exact value", {"Light relative"}, [](const QList<double> &x) { return 1 / std::sqrt(x[0]); }},
        {"LN.DOX", "Refractive index", "Critical angle", {"Refractive index"},
         [](const QList<double> &x) { return degrees(std::asin(1 / x[0])); }},
        // MASS
        {"MA.DOX", "The three tons", "Kilograms", {"Pounds"}, scaled(pound)},
        // METRIC BOLTS: D − P, and the tap drill is D − P rounded to 0.1 mm.
        {"MB.DOX", "coarse threads", "D − P", {"#", "Coarse pitch"}, [](const QList<double> &x) { return x[0] - x[1]; }},
        {"MB.DOX", "coarse threads", "Tap drill", {"D − P"}, scaled(1)},
        {"MB.DOX", "Fine threads", "D − P", {"#", "Pitch"}, [](const QList<double> &x) { return x[0] - x[1]; }},
        {"MB.DOX", "Fine threads", "Tap drill", {"D − P"}, scaled(1)},
        // MECHANICAL CONSTANTS
        {"MC.DOX", "Densities of water", "Density (lb/ft³)", {"Density (kg/m³)"}, scaled(kgPerM3InLbPerFt3)},
        {"MC.DOX", "equivalent of heat", "In foot", {"In joules"}, scaled(1 / (poundForce * foot))},
        {"MC.DOX", "Materials in US", "E (10⁶ psi)", {"Elastic constants|E (GPa)"}, scaled(1e9 / psiInPa / 1e6)},
        {"MC.DOX", "Materials in US", "G (10⁶ psi)", {"Elastic constants|G (GPa)"}, scaled(1e9 / psiInPa / 1e6)},
        {"MC.DOX", "Materials in US", "α (10⁻⁶/°F)", {"Elastic constants|α (10⁻⁶/K)"}, scaled(1 / 1.8)},
        // MORSE CODES: a dot lasts 1200 ms / wpm; a dash 3 dots, a word gap 7.
        {"MCS.DOX", "Element timing", "Dot", {"Speed"}, divided(1200)},
        {"MCS.DOX", "Element timing", "Dash", {"Speed"}, divided(3 * 1200)},
        {"MCS.DOX", "Element timing", "Word gap", {"Speed"}, divided(7 * 1200)},

        // NUMBERS
        {"NM.DOX", "1/64 steps", "Decimal", {"#"}, scaled(1)},
        {"NM.DOX", "1/64 steps", "Millimetres", {"Decimal"}, scaled(25.4)},
        {"NM.DOX", "Powers of 2", "2ⁿ", {"#"}, [](const QList<double> &x) { return std::pow(2.0, x[0]); }},
        // OHMS LAW
        {"OH.DOX", "Worked examples", "Series", {"R₁", "R₂"}, [](const QList<double> &x) { return x[0] + x[1]; }},
        {"OH.DOX", "Worked examples", "Parallel", {"R₁", "R₂"}, [](const QList<double> &x) { return x[0] * x[1] / (x[0] + x[1]); }},
        {"OH.DOX", "Worked examples", "Current at 12 V", {"R₁", "R₂"}, [](const QList<double> &x) { return 12 * (x[0] + x[1]) / (x[0] * x[1]); }},
        // POLYGONS
        {"PL.DOX", "names and angles", "Sum of interior", {"#"}, [](const QList<double> &x) { return (x[0] - 2) * 180; }},
        {"PL.DOX", "names and angles", "Each interior", {"#"}, [](const QList<double> &x) { return (x[0] - 2) * 180 / x[0]; }},
        {"PL.DOX", "names and angles", "Exterior", {"#"}, divided(360)},
        {"PL.DOX", "names and angles", "Diagonals", {"#"}, [](const QList<double> &x) { return x[0] * (x[0] - 3) / 2; }},
        {"PL.DOX", "area constants", "Area / s²", {"#"}, [](const QList<double> &x) { return x[0] / (4 * std::tan(pi / x[0])); }},
        {"PL.DOX", "area constants", "Area / F²", {"#"}, [](const QList<double> &x) { return x[0] / 4 * std::tan(pi / x[0]); }},
        {"PL.DOX", "area constants", "Area / C²", {"#"}, [](const QList<double> &x) { return x[0] / 8 * std::sin(2 * pi / x[0]); }},
        {"PL.DOX", "area constants", "F / s", {"#"}, [](const QList<double> &x) { return 1 / std::tan(pi / x[0]); }},
        {"PL.DOX", "area constants", "C / s", {"#"}, [](const QList<double> &x) { return 1 / std::sin(pi / x[0]); }},
        {"PL.DOX", "area constants", "C / F", {"#"}, [](const QList<double> &x) { return 1 / std::cos(pi / x[0]); }},
        {"PL.DOX", "Across flats to across corners", "F, decimal", {"#"}, scaled(1)},
        {"PL.DOX", "Across flats to across corners", "Hexagon", {"#"}, scaled(2 / std::sqrt(3.0))},
        {"PL.DOX", "Across flats to across corners", "Octagon", {"#"}, [](const QList<double> &x) { return x[0] / std::cos(pi / 8); }},
        // POWER- A/C CIRCUITS
        {"PA.DOX", "RMS, peak", "Peak (V)", {"RMS"}, scaled(std::sqrt(2.0))},
        {"PA.DOX", "RMS, peak", "Peak to peak", {"RMS"}, scaled(2 * std::sqrt(2.0))},
        {"PA.DOX", "RMS, peak", "Average", {"RMS"}, scaled(2 * std::sqrt(2.0) / pi)},
        {"PA.DOX", "Power factor", "Phase angle", {"Power factor"}, [](const QList<double> &x) { return degrees(std::acos(x[0])); }},
        {"PA.DOX", "Power factor", "tan", {"Power factor"}, [](const QList<double> &x) { return std::tan(std::acos(x[0])); }},
        // POWER- D/C CIRCUITS
        {"DA.DOX", "time constants", "Charged", {"Time"}, [](const QList<double> &x) { return 100 * (1 - std::exp(-x[0])); }},
        {"DA.DOX", "time constants", "Left", {"Time"}, [](const QList<double> &x) { return 100 * std::exp(-x[0]); }},
        {"DA.DOX", "Table 8", "Copper (Ω/km)", {"Copper (Ω/kft)"}, scaled(1 / foot)},
        {"DA.DOX", "Battery banks", "Energy", {"Voltage", "Capacity"}, [](const QList<double> &x) { return x[0] * x[1]; }},
        // PRESSURE: standard atmosphere of ISO 2533 below 11 km; inHg at 32 °F is 3386.38 Pa.
        {"CP.DOX", "against altitude", "Altitude (m)", {"Altitude (ft)"}, scaled(foot)},
        {"CP.DOX", "against altitude", "Pressure (kPa)", {"Altitude (ft)"},
         [](const QList<double> &x) { return 101.325 * std::pow(1 - 2.25577e-5 * x[0] * foot, 5.25588); }},
        {"CP.DOX", "against altitude", "Pressure (psia)", {"Pressure (kPa)"}, scaled(1000 / psiInPa), F::Rounded},
        {"CP.DOX", "against altitude", "Pressure (inHg)", {"Pressure (kPa)"}, scaled(1000 / 3386.38), F::Rounded},
        {"CP.DOX", "Vacuum scales", "Absolute (torr)", {"#"}, scaled(0.001)},
        {"CP.DOX", "Vacuum scales", "Absolute (Pa)", {"#"}, scaled(0.001 * torr)},
        {"CP.DOX", "Vacuum scales", "Absolute (inHg)", {"#"}, scaled(0.001 * torr / 3386.38)},
        {"CP.DOX", "Vacuum scales", "Vacuum gauge", {"#"}, [](const QList<double> &x) { return (101325 - x[0] * 0.001 * torr) / 3386.38; }},
        // PUMP MOTORS: NEC gives 208 V and 200 V currents as 110 % and 115 % of the 230 V ones, 460 V
        // as half of them and 575 V as 80 % of 460 V (the 40 hp value is 41 A, not 41.6).
        {"PM.DOX", "430.250", "200 V", {"230 V"}, scaled(1.15)},
        {"PM.DOX", "430.250", "208 V", {"230 V"}, scaled(1.10)},
        {"PM.DOX", "430.250", "460 V", {"230 V"}, scaled(0.5)},
        {"PM.DOX", "430.250", "575 V", {"460 V"}, scaled(0.8), F::Given, 0.15},
        {"PM.DOX", "430.248", "230 V", {"115 V"}, scaled(0.5)},
        {"PM.DOX", "430.248", "200 V", {"230 V"}, scaled(1.15)},
        {"PM.DOX", "430.248", "208 V", {"230 V"}, scaled(1.10)},
        {"PM.DOX", "Induction motor speeds", "Synchronous at 60 Hz", {"Poles"}, divided(120 * 60)},
        {"PM.DOX", "Induction motor speeds", "Synchronous at 50 Hz", {"Poles"}, divided(120 * 50)},
        {"PM.DOX", "Water horsepower", "WHP at 25 ft", {"Flow"}, scaled(25 / 3960.0)},
        {"PM.DOX", "Water horsepower", "WHP at 50 ft", {"Flow"}, scaled(50 / 3960.0)},
        {"PM.DOX", "Water horsepower", "WHP at 100 ft", {"Flow"}, scaled(100 / 3960.0)},
        {"PM.DOX", "Water horsepower", "WHP at 200 ft", {"Flow"}, scaled(200 / 3960.0)},
        // RESISTOR COLOR CODES: E12 and E6 are every other E12 or E24 value; E48 and E96 are
        // 10^(k/96) to three figures (IEC 60063), EIA-96 codes number the E96 values from 01.
        {"RCC.DOX", "E24, E12", "E12", {"E24"}, scaled(1)},
        {"RCC.DOX", "E24, E12", "E6", {"E12"}, scaled(1)},
        {"RCC.DOX", "EIA-96", "E48 and E96", {"#"}, [](const QList<double> &x) { return 100 * std::pow(10.0, 2 * x[0] / 96); }},
        {"RCC.DOX", "EIA-96", "E96 value between", {"#"}, [](const QList<double> &x) { return 100 * std::pow(10.0, (2 * x[0] + 1) / 96); }},
        {"RCC.DOX", "EIA-96", "EIA-96 code", {"#"}, [](const QList<double> &x) { return 2 * x[0] + 1; }},
        {"RCC.DOX", "EIA-96", "Code of the value between", {"#"}, [](const QList<double> &x) { return 2 * x[0] + 2; }},
        // SAE TAP & DRILL CHART: number sizes are 0.060 + 0.013 N in; percent of thread per
        // Machinery's Handbook, n (D − d) / 0.01299.
        {"SDC.DOX", "Machine-screw", "Major diameter", {"#"}, [](const QList<double> &x) { return 0.060 + 0.013 * x[0]; }},
        {"SDC.DOX", "Machine-screw", "Drill (mm)", {"Drill (in)"}, scaled(25.4)},
        {"SDC.DOX", "Machine-screw", "Thread (%)", {"Threads per inch", "Major diameter", "Drill (in)"},
         [](const QList<double> &x) { return x[0] * (x[1] - x[2]) / 0.01299; }},
        {"SDC.DOX", "Fractional sizes", "Major diameter", {"Size (in)"}, scaled(1)},
        {"SDC.DOX", "Fractional sizes", "Drill (mm)", {"Drill (in)"}, scaled(25.4)},
        {"SDC.DOX", "Fractional sizes", "Thread (%)", {"Threads per inch", "Major diameter", "Drill (in)"},
         [](const QList<double> &x) { return x[0] * (x[1] - x[2]) / 0.01299; }},
        // SOUND TRAVEL: dry air, c = 331.3 √(1 + T/273.15) m/s.
        {"SND.DOX", "dry air", "Temperature (°F)", {"Temperature (°C)"}, affine(1.8, 32)},
        {"SND.DOX", "dry air", "Speed (m/s)", {"Temperature (°C)"}, [](const QList<double> &x) { return 331.3 * std::sqrt(1 + x[0] / 273.15); }},
        {"SND.DOX", "dry air", "Speed (ft/s)", {"Temperature (°C)"},
         [](const QList<double> &x) { return 331.3 * std::sqrt(1 + x[0] / 273.15) / foot; }},
        {"SND.DOX", "gases, liquids", "Speed (ft/s)", {"Speed (m/s)"}, scaled(1 / foot)},
        {"SND.DOX", "Adding two", "Add", {"Difference"}, [](const QList<double> &x) { return 10 * std::log10(1 + std::pow(10.0, -x[0] / 10)); }},
        {"SND.DOX", "exposure", "OSHA", {"Sound level"}, [](const QList<double> &x) { return 8 / std::pow(2.0, (x[0] - 90) / 5); }},
        {"SND.DOX", "exposure", "NIOSH", {"Sound level"}, [](const QList<double> &x) { return 8 / std::pow(2.0, (x[0] - 85) / 3); }},
        // SPEED
        {"SA.DOX", "Rotational", "Angular", {"Speed (rpm)"}, scaled(2 * pi / 60)},
        {"SA.DOX", "Rotational", "Frequency", {"Speed (rpm)"}, scaled(1 / 60.0)},
        {"SA.DOX", "cutting speeds", "HSS (m/min)", {"HSS (SFM)"}, scaled(foot)},
        {"SA.DOX", "cutting speeds", "Carbide (m/min)", {"Carbide (SFM)"}, scaled(foot)},
        {"SA.DOX", "Spindle speed", "Diameter, decimal", {"#"}, scaled(1)},
        {"SA.DOX", "Spindle speed", "rpm at 50 SFM", {"#"}, divided(12 * 50 / pi)},
        {"SA.DOX", "Spindle speed", "rpm at 80 SFM", {"#"}, divided(12 * 80 / pi)},
        {"SA.DOX", "Spindle speed", "rpm at 100 SFM", {"#"}, divided(12 * 100 / pi)},
        {"SA.DOX", "Spindle speed", "rpm at 300 SFM", {"#"}, divided(12 * 300 / pi)},
        // TEMPERATURE
        {"CT.DOX", "reference points", "Fahrenheit", {"Celsius"}, affine(1.8, 32)},
        {"CT.DOX", "reference points", "Kelvin", {"Celsius"}, affine(1, 273.15)},
        {"CT.DOX", "reference points", "Rankine", {"Kelvin"}, scaled(1.8)},
        {"CT.DOX", "Celsius to Fahrenheit", "Fahrenheit", {"Celsius"}, affine(1.8, 32)},
        {"CT.DOX", "Celsius to Fahrenheit", "Kelvin", {"Celsius"}, affine(1, 273.15)},
        {"CT.DOX", "Celsius to Fahrenheit", "Rankine", {"Fahrenheit"}, affine(1, 459.67)},
        {"CT.DOX", "Fahrenheit to Celsius", "Celsius", {"Fahrenheit"}, [](const QList<double> &x) { return (x[0] - 32) / 1.8; }},
        {"CT.DOX", "Fahrenheit to Celsius", "Kelvin", {"Fahrenheit"}, [](const QList<double> &x) { return (x[0] - 32) / 1.8 + 273.15; }},
        {"CT.DOX", "Pt100", "Temperature (°F)", {"Temperature (°C)"}, affine(1.8, 32)},
        {"CT.DOX", "Pt100", "Pt100 resistance", {"Temperature (°C)"}, [](const QList<double> &x) { return pt100(x[0]); }},
        {"CT.DOX", "Melting points", "Melting point (°F)", {"Melting point (°C)"}, affine(1.8, 32)},
        // TIME
        {"TC.DOX", "Lengths of the year", "Hours", {"Days"}, scaled(24)},
        {"TC.DOX", "Lengths of the year", "Seconds", {"Days"}, scaled(86400)},
        {"TC.DOX", "Decimal hours", "Minutes", {"Decimal hours"}, scaled(60)},
        {"TC.DOX", "Period against", "Period", {"Frequency"}, divided(1000)},
        // TORQUE: stress areas of ASME B1.1 and ISO 898-1, clamp load 75 % of proof, T = K D F.
        {"TP.DOX", "Inch bolts", "Stress area", {"#", "Threads per inch"},
         [](const QList<double> &x) { return 0.7854 * std::pow(x[0] - 0.9743 / x[1], 2); }},
        {"TP.DOX", "Inch bolts", "Grade 2 clamp", {"#", "Stress area"}, clampLoad(grade2, 1)},
        {"TP.DOX", "Inch bolts", "Grade 2 torque dry", {"#", "Stress area"}, boltTorque(grade2, 0.20, 1 / 12.0)},
        {"TP.DOX", "Inch bolts", "Grade 5 clamp", {"#", "Stress area"}, clampLoad(grade5, 1)},
        {"TP.DOX", "Inch bolts", "Grade 5 torque dry", {"#", "Stress area"}, boltTorque(grade5, 0.20, 1 / 12.0)},
        {"TP.DOX", "Inch bolts", "Grade 5 torque lubricated", {"#", "Stress area"}, boltTorque(grade5, 0.15, 1 / 12.0)},
        {"TP.DOX", "Inch bolts", "Grade 8 clamp", {"#", "Stress area"}, clampLoad(grade8, 1)},
        {"TP.DOX", "Inch bolts", "Grade 8 torque dry", {"#", "Stress area"}, boltTorque(grade8, 0.20, 1 / 12.0)},
        {"TP.DOX", "Inch bolts", "Grade 8 torque lubricated", {"#", "Stress area"}, boltTorque(grade8, 0.15, 1 / 12.0)},
        {"TP.DOX", "Metric bolts", "Stress area", {"#", "Pitch"},
         [](const QList<double> &x) { return pi / 4 * std::pow(x[0] - 0.9382 * x[1], 2); }},
        {"TP.DOX", "Metric bolts", "Class 8.8 clamp", {"#", "Stress area"}, clampLoad(class88, 0.001)},
        {"TP.DOX", "Metric bolts", "Class 8.8 torque dry", {"#", "Stress area"}, boltTorque(class88, 0.20, 0.001)},
        {"TP.DOX", "Metric bolts", "Class 8.8 torque lubricated", {"#", "Stress area"}, boltTorque(class88, 0.15, 0.001)},
        {"TP.DOX", "Metric bolts", "Class 10.9 clamp", {"#", "Stress area"}, clampLoad(class109, 0.001)},
        {"TP.DOX", "Metric bolts", "Class 10.9 torque dry", {"#", "Stress area"}, boltTorque(class109, 0.20, 0.001)},
        {"TP.DOX", "Metric bolts", "Class 10.9 torque lubricated", {"#", "Stress area"}, boltTorque(class109, 0.15, 0.001)},
        // TORX BITS
        {"TX.DOX", "Internal hexalobular", "Driver tip A (in)", {"Driver tip A (mm)"}, scaled(1 / 25.4)},
        // TRIGONOMETRY FUNCTIONS
        {"AG.DOX", "Sine, cosine", "Angle (rad)", {"#"}, [](const QList<double> &x) { return radians(x[0]); }},
        {"AG.DOX", "Sine, cosine", "sin", {"#"}, [](const QList<double> &x) { return std::sin(radians(x[0])); }},
        {"AG.DOX", "Sine, cosine", "cos", {"#"}, [](const QList<double> &x) { return std::cos(radians(x[0])); }},
        {"AG.DOX", "Sine, cosine", "tan", {"#"}, [](const QList<double> &x) { return std::tan(radians(x[0])); }},
        {"AG.DOX", "Bolt circles", "Angle between", {"#"}, divided(360)},
        {"AG.DOX", "Bolt circles", "Chord", {"#"}, [](const QList<double> &x) { return std::sin(pi / x[0]); }},
        {"AG.DOX", "Conduit offsets", "Multiplier", {"#"}, [](const QList<double> &x) { return 1 / std::sin(radians(x[0])); }},
        {"AG.DOX", "Conduit offsets", "Shrink", {"#"}, [](const QList<double> &x) { return std::tan(radians(x[0]) / 2); }},
        // VISIBLE COLOR SPECTRUM: f = c / λ; 683 lm/W at the photopic peak (SI Brochure).
        {"VCS.DOX", "Colours of the visible", "Frequency", {"Wavelength"}, divided(lightSpeedNmThz)},
        {"VCS.DOX", "Luminous efficiency", "Frequency", {"#"}, divided(lightSpeedNmThz)},
        {"VCS.DOX", "Luminous efficiency", "Luminous efficacy", {"Photopic"}, scaled(683)},
        {"VCS.DOX", "spectral lines", "Frequency", {"Wavelength"}, divided(lightSpeedNmThz)},
        // VOLUME
        {"VT.DOX", "Capacity of pipes", "Inside diameter (mm)", {"#"}, scaled(25.4)},
        {"VT.DOX", "Capacity of pipes", "Capacity (US gal", {"#"}, [](const QList<double> &x) { return pi / 4 * x[0] * x[0] * 12 / 231; }},
        {"VT.DOX", "Capacity of pipes", "Capacity (L", {"#"}, [](const QList<double> &x) { return pi / 4 * std::pow(x[0] * inch, 2) * 1000; }},
        {"VT.DOX", "Horizontal cylindrical", "Volume", {"#"}, [](const QList<double> &x) {
             // Segment area of a circle of radius ½ filled to depth h, over the full area.
             const double h = x[0] / 100;
             const double r = 0.5;
             const double area = r * r * std::acos((r - h) / r) - (r - h) * std::sqrt(std::max(0.0, 2 * r * h - h * h));
             return 100 * area / (pi * r * r);
         }},
        // WORK-ENERGY-HEAT: 1 Btu(IT)/(lb·°F) = 4186.8 J/(kg·K); 1 Btu/lb = 2.326 kJ/kg exactly.
        {"WEH.DOX", "Specific heat", "Specific heat (Btu", {"Specific heat (J"}, scaled(1 / 4186.8)},
        {"WEH.DOX", "Latent heat", "Latent heat (Btu/lb)", {"Latent heat (kJ/kg)"}, scaled(1 / 2.326)},
    };
    return list;
}

const QList<Matrix> &matrices()
{
    static const QList<Matrix> list = {
        {"AP.DOX",
         "Area units in square metres",
         "m²",
         {"Conversion matrix, part 1", "Conversion matrix, part 2", "Area units in square metres"}},
        {"DD.DOX", "unit conversions", "kg/m³", {"unit conversions"}},
        {"LC.DOX", "metric columns", "m", {"metric columns", "mil, inch and foot", "nautical mile columns"}},
        {"MA.DOX",
         "metric columns",
         "kg",
         {"metric columns", "ounce and pound", "slug and ton", "tonne, carat and grain"}},
        {"MU.DOX", "Work and energy", "J", {"Work and energy"}},
        {"MU.DOX", "Force", "N", {"Force"}},
        {"MU.DOX", "Power", "W", {"Power"}},
        {"MU.DOX", "Stress", "Pa", {"Stress"}},
        {"MU.DOX", "Torque", "N·m", {"Torque"}},
        {"CP.DOX", "metric columns", "Pa", {"metric columns", "psi and kgf", "mercury and water"}},
        {"SA.DOX", "Speed conversion", "m/s", {"Speed conversion"}},
        {"TC.DOX", "Time conversion", "s", {"Time conversion"}},
        {"TP.DOX", "Torque conversion", "N·m", {"Torque conversion"}},
        {"VT.DOX", "metric columns", "m³", {"metric columns", "cubic inch, foot", "US liquid", "imperial gallon"}},
        {"WEH.DOX", "joule and kilowatt-hour", "J", {"joule and kilowatt-hour", "heat unit columns", "therm, foot"}},
        {"WEH.DOX", "Power conversion", "W", {"Power conversion"}},
    };
    return list;
}

const QList<Order> &orders()
{
    static const QList<Order> list = {
        {"DN.DOX", "#1 to #80", "Diameter (in)", -1},
        {"DN.DOX", "#81 to #97", "Diameter (in)", -1},
        {"DS.DOX", "A to Z", "Diameter (in)", +1},
        {"DS.DOX", "order of size", "Diameter (in)", +1},
        {"LN.DOX", "Full-stop", "Exact value", +1},
        {"PT.DOX", "118 elements", "Atomic number", +1},
        {"RCC.DOX", "E24, E12", "E24", +1},
        {"RCC.DOX", "EIA-96", "E48 and E96", +1},
        {"TX.DOX", "Internal hexalobular", "Driver tip A (mm)", +1},
        {"AG.DOX", "Sine, cosine", "sin", +1},
        {"CT.DOX", "Celsius to Fahrenheit", "Celsius", +1},
        {"SND.DOX", "dry air", "Speed (m/s)", +1},
        {"SDC.DOX", "Clearance", "Close fit (in)", +1},
        {"SDC.DOX", "Clearance", "Free fit (in)", +1},
    };
    return list;
}

const QList<Duplicate> &duplicates()
{
    static const QList<Duplicate> list = {
        {"DS.DOX", "order of size", "Diameter (in)", "A to Z", "Diameter (in)"},
        // The NEC tables are printed on the fan and the pump motor pages alike.
        {"PM.DOX", "430.250", "200 V", "430.250", "200 V", "FBM.DOX"},
        {"PM.DOX", "430.250", "230 V", "430.250", "230 V", "FBM.DOX"},
        {"PM.DOX", "430.250", "460 V", "430.250", "460 V", "FBM.DOX"},
        {"PM.DOX", "430.250", "575 V", "430.250", "575 V", "FBM.DOX"},
        {"PM.DOX", "430.248", "115 V", "430.248", "115 V", "FBM.DOX"},
        {"PM.DOX", "430.248", "208 V", "430.248", "208 V", "FBM.DOX"},
    };
    return list;
}

const QList<Drill> &drills()
{
    static const QList<Drill> list = {
        {"SDC.DOX", "Machine-screw", "Tap drill", "Drill (in)"},
        {"SDC.DOX", "Fractional sizes", "Tap drill", "Drill (in)"},
        {"SDC.DOX", "Clearance", "Close fit drill", "Close fit (in)"},
        {"SDC.DOX", "Clearance", "Free fit drill", "Free fit (in)"},
        {"SDC.DOX", "Taper pipe", "Drill, tap only", "Tap only (in)"},
        {"SDC.DOX", "Taper pipe", "Drill, ream", "Ream and tap (in)"},
    };
    return list;
}

} // namespace Voruvar::Tests::PageTables
