// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QRect>

namespace Voruvar::Windows {

// The main window's resize rule, in twips. It derives every moving edge from the window's outer
// and client size and the few design values that never change; sizes that come out negative
// (a minimized window) are marked so the window keeps the control's previous size.
struct MainLayout
{
    // Design values the rule reads and never changes.
    static constexpr int bannerWidth = 4110;
    static constexpr int detailsFrameLeft = 3360;
    static constexpr int listLeft = 120;
    static constexpr int listTop = 480;
    static constexpr int listWidth = 3135;
    // The outer width exceeds the client width by this much at design (45 twips each side).
    static constexpr int designFrameWidth = 90;

    int titleAllowance = 0;
    int bannerLeft = 0;       // Picture4
    int headerWidth = 0;      // Shape1
    int buttonTop = 0;        // the bottom row
    int helpLeft = 0;         // Command2
    int printLeft = 0;        // Command4
    int contentWidth = 0;     // Picture1
    int contentHeight = 0;
    int detailsWidth = 0;     // Picture3
    int detailsHeight = 0;
    int paneWidth = 0;        // WB1
    int paneHeight = 0;
    int countTop = 0;         // Label3
    int categoriesLeft = 0;   // Label2
    int categoriesWidth = 0;
    int detailsCaptionLeft = 0; // Label1
    int detailsCaptionWidth = 0;
    int listHeight = 0;       // List1

    // outerWidth/outerHeight include the frame and title bar; client sizes do not.
    static MainLayout compute(int outerWidth, int outerHeight, int clientWidth, int clientHeight);
};

} // namespace Voruvar::Windows
