// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

namespace Voruvar::Platform {

// Tells whether another process of this same program is running.
class InstanceProbe
{
public:
    virtual ~InstanceProbe() = default;
    virtual bool anotherInstanceRunning() const = 0;
};

} // namespace Voruvar::Platform
