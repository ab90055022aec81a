// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "zoomnavigation.h"

namespace Voruvar::Windows {

ZoomNavigation ZoomNavigation::atOpening(int selected, int count)
{
    return {selected != 0, selected != count - 1};
}

ZoomNavigation ZoomNavigation::afterNext(int selected, int count) const
{
    return {true, next && selected != count - 1};
}

ZoomNavigation ZoomNavigation::afterPrevious(int selected) const
{
    return {previous && selected != 0, true};
}

int ZoomNavigation::stepTarget(int selected, int count, int step)
{
    const int target = selected + step;
    return target >= 0 && target < count ? target : -1;
}

ZoomLayout ZoomLayout::compute(int outerWidth, int outerHeight, int titleAllowance)
{
    ZoomLayout l;
    l.paneWidth = outerWidth - 250;
    l.paneHeight = outerHeight - 700 - titleAllowance;
    l.printLeft = l.paneWidth - 500;
    return l;
}

} // namespace Voruvar::Windows
