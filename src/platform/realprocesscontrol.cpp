// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "realprocesscontrol.h"

#include <cstdio>
#include <unistd.h>

namespace Voruvar::Platform {

void RealProcessControl::endProcess()
{
    // No event loop, no destructors: every window goes with the process, as the user asked.
    std::fflush(nullptr);
    ::_exit(0);
}

} // namespace Voruvar::Platform
