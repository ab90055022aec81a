// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

namespace Voruvar::Windows {

// Which of the zoom window's step buttons can be used, and how a step changes that. The
// selection is the main list's current row (-1: none) out of count rows.
struct ZoomNavigation
{
    bool previous = true;
    bool next = true;

    // When the window opens: next off on the last row (also -1 of an empty list), previous off
    // on the first.
    static ZoomNavigation atOpening(int selected, int count);
    // After a step has moved (or, past either end, left) the selection.
    ZoomNavigation afterNext(int selected, int count) const;
    ZoomNavigation afterPrevious(int selected) const;
    // The row a step selects, or -1 when it would leave the list and the selection stays.
    static int stepTarget(int selected, int count, int step);

    friend bool operator==(const ZoomNavigation &, const ZoomNavigation &) = default;
};

// The zoom window's resize rule, in twips, from the window's outer size and the main window's
// title-bar allowance: the pane follows the size, the print button the pane's right edge.
struct ZoomLayout
{
    static constexpr int paneLeft = 60;
    static constexpr int paneTop = 600;

    int paneWidth = 0;
    int paneHeight = 0;
    int printLeft = 0;

    static ZoomLayout compute(int outerWidth, int outerHeight, int titleAllowance);
};

} // namespace Voruvar::Windows
