// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Host {

// What the automation object asks of the rest of the add-in. The application implements it,
// so the automation object never touches a window itself.
class AutomationHost
{
public:
    virtual ~AutomationHost() = default;
    // Loads the main window hidden if it is not loaded and arms its start timer.
    virtual void requestStart() = 0;
    // Ends the process at once, with every window.
    virtual void endProcess() = 0;
    // Puts the add-in's logo on the clipboard through the hidden logo window.
    virtual void putLogoOnClipboard() = 0;
    // The directory of the running executable, as the platform reports it.
    virtual QString executableDirectory() const = 0;
};

} // namespace Voruvar::Host
