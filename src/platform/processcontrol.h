// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

namespace Voruvar::Platform {

// Ends the add-in's process at once: no further window events, nothing saved.
class ProcessControl
{
public:
    virtual ~ProcessControl() = default;
    virtual void endProcess() = 0;
};

} // namespace Voruvar::Platform
