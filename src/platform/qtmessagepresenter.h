// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "messagepresenter.h"

namespace Voruvar::Platform {

// Shows message boxes with QMessageBox: one OK button, modal to the application.
class QtMessagePresenter final : public MessagePresenter
{
public:
    void show(const Message &message) override;
};

} // namespace Voruvar::Platform
