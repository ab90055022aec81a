// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QRect>
#include <QtMath>

namespace Voruvar::Platform {

// The one conversion between twips (1/1440 inch, the unit of every design value) and pixels.
class Twips
{
public:
    explicit constexpr Twips(double twipsPerPixel = 15.0) : m_perPixel(twipsPerPixel > 0 ? twipsPerPixel : 15.0) {}

    constexpr double perPixel() const { return m_perPixel; }
    int toPixels(int twips) const { return qRound(twips / m_perPixel); }
    int toTwips(int pixels) const { return qRound(pixels * m_perPixel); }
    QRect rect(int left, int top, int width, int height) const
    {
        return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
    }

private:
    double m_perPixel;
};

} // namespace Voruvar::Platform
