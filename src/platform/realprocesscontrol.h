// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "processcontrol.h"

namespace Voruvar::Platform {

class RealProcessControl final : public ProcessControl
{
public:
    [[noreturn]] void endProcess() override;
};

} // namespace Voruvar::Platform
