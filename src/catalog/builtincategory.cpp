// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "builtincategory.h"

#include "documentaddress.h"

#include <array>

namespace Voruvar::Catalog {

namespace {

constexpr std::array<BuiltInCategory, BuiltInCategory::count> table{{
    {u"AREA", u"\\AP.DOX"},
    {u"CONTINENTS", u"\\Cn.DOX"},
    {u"DENSITY", u"\\DD.DOX"},
    {u"DIMENSIONS", u"\\DP.DOX"},
    {u"DRILL SIZES (LETTERED)", u"\\DS.DOX"},
    {u"DRILL SIZES (NUMBERED)", u"\\DN.DOX"},
    {u"DRY MATERIAL WEIGHT", u"\\DT.DOX"},
    {u"ELECTRICAL SYMBOLS", u"\\ESYM.DOX"},
    {u"ELECTROMAGNETIC SPECTRUM", u"\\EMS.DOX"},
    {u"FAN & BLOWER MOTORS", u"\\FBM.DOX"},
    {u"LASER SAFETY CLASSES", u"\\LS.DOX"},
    {u"LENGTH", u"\\LC.DOX"},
    {u"LENSES", u"\\LN.DOX"},
    {u"MASS", u"\\MA.DOX"},
    {u"MEASUREMENTS GLOSSARY", u"\\GLOSS.DOX"},
    {u"MECHANICAL CONSTANTS", u"\\MC.DOX"},
    {u"MECHANICAL UNITS", u"\\MU.DOX"},
    {u"METRIC BOLTS, NUTS, & WASHERS", u"\\MB.DOX"},
    {u"METRIC UNITS", u"\\MT.DOX"},
    {u"MORSE CODES", u"\\MCS.DOX"},
    {u"NEWTON'S LAWS OF MOTION", u"\\NL.DOX"},
    {u"NUMBERS", u"\\NM.DOX"},
    {u"OHMS LAW", u"\\OH.DOX"},
    {u"POLYGONS", u"\\PL.DOX"},
    {u"POWER- A/C CIRCUITS", u"\\PA.DOX"},
    {u"POWER- D/C CIRCUITS", u"\\DA.DOX"},
    {u"PRESSURE", u"\\CP.DOX"},
    {u"PUMP MOTORS", u"\\PM.DOX"},
    {u"RESISTOR COLOR CODES", u"\\RCC.DOX"},
    {u"SAE TAP & DRILL CHART", u"\\SDC.DOX"},
    {u"SIMPLE MACHINES", u"\\ST.DOX"},
    {u"SOUND TRAVEL", u"\\SND.DOX"},
    {u"SPEED", u"\\SA.DOX"},
    {u"TABLE OF ELEMENTS", u"\\PT.DOX"},
    {u"TEMPERATURE", u"\\CT.DOX"},
    {u"TIME", u"\\TC.DOX"},
    {u"TORQUE", u"\\TP.DOX"},
    {u"TORX BITS", u"\\TX.DOX"},
    {u"TRIGONOMETRY FUNCTIONS", u"\\AG.DOX"},
    {u"VISIBLE COLOR SPECTRUM", u"\\VCS.DOX"},
    {u"VOLUME", u"\\VT.DOX"},
    {u"WORK-ENERGY-HEAT", u"\\WEH.DOX"},
}};

} // namespace

std::span<const BuiltInCategory> BuiltInCategory::all()
{
    return table;
}

const BuiltInCategory *BuiltInCategory::findByTitle(QStringView title)
{
    for (const BuiltInCategory &row : table) {
        if (row.title == title)
            return &row;
    }
    return nullptr;
}

QString BuiltInCategory::documentPath(const QString &directory) const
{
    return DocumentAddress::joinToDirectory(directory, document);
}

} // namespace Voruvar::Catalog
