// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "mainlayout.h"

namespace Voruvar::Windows {

MainLayout MainLayout::compute(int outerWidth, int outerHeight, int clientWidth, int clientHeight)
{
    const int W = outerWidth;
    const int H = outerHeight;
    MainLayout l;
    l.titleAllowance = (H - clientHeight) - (W - clientWidth);
    l.bannerLeft = W - bannerWidth - 255;
    l.headerWidth = W + 200;
    l.buttonTop = H - 685 - l.titleAllowance;
    l.helpLeft = W - 825;
    l.printLeft = l.helpLeft - 675;
    l.contentHeight = l.buttonTop - 1210;
    l.contentWidth = W - 340;
    l.detailsHeight = l.contentHeight - 660;
    l.paneHeight = l.detailsHeight;
    l.detailsWidth = W - detailsFrameLeft - 555;
    l.paneWidth = l.detailsWidth + 10;
    l.countTop = l.contentHeight - 380;
    l.categoriesLeft = listLeft;
    l.categoriesWidth = listWidth;
    l.detailsCaptionLeft = detailsFrameLeft;
    l.detailsCaptionWidth = l.detailsWidth;
    l.listHeight = l.countTop - listTop - 100;
    return l;
}

} // namespace Voruvar::Windows
