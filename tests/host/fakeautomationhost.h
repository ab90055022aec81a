// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "host/automationhost.h"

namespace Voruvar::Testing {

class FakeAutomationHost final : public Host::AutomationHost
{
public:
    void requestStart() override { ++starts; }
    void endProcess() override { ++ends; }
    void putLogoOnClipboard() override { ++logos; }
    QString executableDirectory() const override { return directory; }

    int starts = 0;
    int ends = 0;
    int logos = 0;
    QString directory = QStringLiteral("/opt/voruvar");
};

} // namespace Voruvar::Testing
