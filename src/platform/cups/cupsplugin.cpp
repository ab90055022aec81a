// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "cupsplugin.h"

#include "cupsprintspool.h"

namespace Voruvar::Platform {

std::unique_ptr<PrintSpool> CupsPlugin::create()
{
    return std::make_unique<CupsPrintSpool>();
}

} // namespace Voruvar::Platform
