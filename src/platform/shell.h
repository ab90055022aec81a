// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Platform {

// Starts the desktop's programs for the add-in, answering as the shell of the other platform
// does: a result from 0 to 32 means the program did not start; anything else, negative
// numbers included, means it did.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual int openCalculator() = 0;
    // Opens a web address in the desktop's default browser; false when none could be asked.
    virtual bool openAddress(const QString &address) = 0;

    static bool failed(int result) { return result >= 0 && result <= 32; }
};

} // namespace Voruvar::Platform
