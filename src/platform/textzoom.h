// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QObject>

#include <algorithm>

namespace Voruvar::Platform {

// The text size the details panes show their pages at, one for the session, shared by every
// pane: larger or smaller by a tenth a step, from half to three times the page's own size.
class TextZoom final : public QObject
{
    Q_OBJECT

public:
    static constexpr double smallest = 0.5;
    static constexpr double largest = 3.0;
    static constexpr double step = 1.1;

    using QObject::QObject;

    double factor() const { return m_factor; }
    void setFactor(double factor)
    {
        factor = std::clamp(factor, smallest, largest);
        // Back to exactly 1 when a step lands next to it, so the page's own size is reached again.
        if (std::abs(factor - 1.0) < 0.01)
            factor = 1.0;
        if (factor == m_factor)
            return;
        m_factor = factor;
        Q_EMIT changed(m_factor);
    }
    void larger() { setFactor(m_factor * step); }
    void smaller() { setFactor(m_factor / step); }
    void reset() { setFactor(1.0); }

Q_SIGNALS:
    void changed(double factor);

private:
    double m_factor = 1.0;
};

} // namespace Voruvar::Platform
