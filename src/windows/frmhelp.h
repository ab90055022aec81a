// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/twips.h"

#include <QDialog>

namespace Voruvar::Windows {

// The help window: one annotated picture of the main window, a hint line and a close button.
class frmHelp final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHelp)

public:
    static constexpr int designClientWidth = 10890;
    static constexpr int designClientHeight = 8115;

    // The strip is the main window's picture; largeFonts: 12 twips a pixel.
    frmHelp(Platform::Twips twips, bool largeFonts, const QPixmap &shade, QWidget *parent = nullptr);
    ~frmHelp() override;
};

} // namespace Voruvar::Windows
