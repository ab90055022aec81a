// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "shell.h"

#include <QStringList>

namespace Voruvar::Platform {

// Starts the first calculator found on PATH: the one named by VORUVAR_CALCULATOR, if set,
// then the usual desktops' calculators. It is started on its own, not as a child that ends with
// the add-in.
class DesktopShell final : public Shell
{
public:
    static constexpr char calculatorVariable[] = "VORUVAR_CALCULATOR";
    static QStringList calculators();

    int openCalculator() override;
    bool openAddress(const QString &address) override;

    // The results given back, as the other platform's shell gives them.
    static constexpr int fileNotFound = 2;
    static constexpr int couldNotStart = 31;
    static constexpr int started = 42;
};

} // namespace Voruvar::Platform
