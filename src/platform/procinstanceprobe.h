// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "instanceprobe.h"

#include <QString>

namespace Voruvar::Platform {

// Looks through /proc for another process whose executable is the same file as ours.
class ProcInstanceProbe final : public InstanceProbe
{
public:
    explicit ProcInstanceProbe(QString procRoot = QStringLiteral("/proc"));
    bool anotherInstanceRunning() const override;

private:
    QString m_procRoot;
};

} // namespace Voruvar::Platform
