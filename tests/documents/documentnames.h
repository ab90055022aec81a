// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QList>
#include <QString>

namespace Voruvar::Tests {

// Every built-in document: its file name beside the executable and the title it is listed
// under, which must be the page's heading. written marks the pages that must exist now;
// the others are checked when present and skipped by name while they are still missing.
struct DocumentName
{
    const char *file;
    const char *title;
    bool written;
};

inline const QList<DocumentName> &documentNames()
{
    static const QList<DocumentName> names = {
        {"AP.DOX", "AREA", true},
        {"Cn.DOX", "CONTINENTS", true},
        {"DD.DOX", "DENSITY", true},
        {"DP.DOX", "DIMENSIONS", true},
        {"DS.DOX", "DRILL SIZES (LETTERED)", true},
        {"DN.DOX", "DRILL SIZES (NUMBERED)", true},
        {"DT.DOX", "DRY MATERIAL WEIGHT", true},
        {"ESYM.DOX", "ELECTRICAL SYMBOLS", true},
        {"EMS.DOX", "ELECTROMAGNETIC SPECTRUM", true},
        {"FBM.DOX", "FAN & BLOWER MOTORS", true},
        {"LS.DOX", "LASER SAFETY CLASSES", true},
        {"LC.DOX", "LENGTH", true},
        {"LN.DOX", "LENSES", true},
        {"MA.DOX", "MASS", true},
        {"GLOSS.DOX", "MEASUREMENTS GLOSSARY", true},
        {"MC.DOX", "MECHANICAL CONSTANTS", true},
        {"MU.DOX", "MECHANICAL UNITS", true},
        {"MB.DOX", "METRIC BOLTS, NUTS, & WASHERS", true},
        {"MT.DOX", "METRIC UNITS", true},
        {"MCS.DOX", "MORSE CODES", true},
        {"NL.DOX", "NEWTON'S LAWS OF MOTION", true},
        {"NM.DOX", "NUMBERS", false},
        {"OH.DOX", "OHMS LAW", false},
        {"PL.DOX", "POLYGONS", false},
        {"PA.DOX", "POWER- A/C CIRCUITS", false},
        {"DA.DOX", "POWER- D/C CIRCUITS", false},
        {"CP.DOX", "PRESSURE", false},
        {"PM.DOX", "PUMP MOTORS", false},
        {"RCC.DOX", "RESISTOR COLOR CODES", false},
        {"SDC.DOX", "SAE TAP & DRILL CHART", false},
        {"ST.DOX", "SIMPLE MACHINES", false},
        {"SND.DOX", "SOUND TRAVEL", false},
        {"SA.DOX", "SPEED", false},
        {"PT.DOX", "TABLE OF ELEMENTS", false},
        {"CT.DOX", "TEMPERATURE", false},
        {"TC.DOX", "TIME", false},
        {"TP.DOX", "TORQUE", false},
        {"TX.DOX", "TORX BITS", false},
        {"AG.DOX", "TRIGONOMETRY FUNCTIONS", false},
        {"VCS.DOX", "VISIBLE COLOR SPECTRUM", false},
        {"VT.DOX", "VOLUME", false},
        {"WEH.DOX", "WORK-ENERGY-HEAT", false},
    };
    return names;
}

// The first 21 documents, which the first set of pages delivers; the build must install
// every one of them once all their pages are merged.
inline constexpr int firstDeliveryCount = 21;

} // namespace Voruvar::Tests
