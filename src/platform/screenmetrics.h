// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

namespace Voruvar::Platform {

// The screen as the layout rules see it: its size in twips and its twips per pixel.
class ScreenMetrics
{
public:
    virtual ~ScreenMetrics() = default;
    // 1440 / (logical dots per inch x device pixel ratio): 15 at 96 dpi, 12 at 120 dpi.
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    // Twips per pixel of widget geometry (device-independent pixels): 1440 / logical dpi.
    virtual double twipsPerLogicalPixel() const = 0;
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
};

} // namespace Voruvar::Platform
