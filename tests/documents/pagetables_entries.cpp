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

constexpr double inch = 0.0254;                  // m
constexpr double foot = 0.3048;                  // m
constexpr double pound = 0.45359237;             // kg
constexpr double gallon = 231 * inch * inch * inch; // m³
constexpr double poundForce = pound * 9.80665;   // N
// Derived densities: 1 g/cm³ in lb/ft³, lb/in³ and lb/gal.
constexpr double gPerCm3InLbPerFt3 = 1000 * foot * foot * foot / pound;
constexpr double gPerCm3InLbPerIn3 = 1000 * inch * inch * inch / pound;
constexpr double gPerCm3InLbPerGal = 1000 * gallon / pound;
constexpr double kgPerM3InLbPerFt3 = gPerCm3InLbPerFt3 / 1000;
constexpr double psiInPa = poundForce / (inch * inch);

double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
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
    };
    return list;
}

const QList<Matrix> &matrices()
{
    static const QList<Matrix> list = {
        {"AP.DOX", "Area units in square metres", "m²",
         {"Conversion matrix, part 1", "Conversion matrix, part 2", "Area units in square metres"}},
        {"DD.DOX", "unit conversions", "kg/m³", {"unit conversions"}},
        {"LC.DOX", "metric columns", "m", {"metric columns", "mil, inch and foot", "nautical mile columns"}},
        {"MA.DOX", "metric columns", "kg",
         {"metric columns", "ounce and pound", "slug and ton", "tonne, carat and grain"}},
        {"MU.DOX", "Work and energy", "J", {"Work and energy"}},
        {"MU.DOX", "Force", "N", {"Force"}},
        {"MU.DOX", "Power", "W", {"Power"}},
        {"MU.DOX", "Stress", "Pa", {"Stress"}},
        {"MU.DOX", "Torque", "N·m", {"Torque"}},
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
    };
    return list;
}

const QList<Duplicate> &duplicates()
{
    static const QList<Duplicate> list = {
        {"DS.DOX", "order of size", "Diameter (in)", "A to Z", "Diameter (in)"},
    };
    return list;
}

} // namespace Voruvar::Tests::PageTables
