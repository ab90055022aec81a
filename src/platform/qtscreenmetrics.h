// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "screenmetrics.h"

namespace Voruvar::Platform {

// The primary screen as Qt reports it. VORUVAR_SCREEN_DPI overrides the dots per inch
// (for example 120 to try the large-font layout on an ordinary screen).
class QtScreenMetrics final : public ScreenMetrics
{
public:
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
    double twipsPerLogicalPixel() const override;
    int widthTwips() const override;
    int heightTwips() const override;
};

} // namespace Voruvar::Platform
