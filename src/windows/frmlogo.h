// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/twips.h"

#include <QWidget>

class QLabel;

namespace Voruvar::Windows {

// A hidden borderless window that only holds the add-in's logo, which the host can ask for on
// the clipboard.
class frmLogo final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLogo)

public:
    explicit frmLogo(Platform::Twips twips, QWidget *parent = nullptr);

    QLabel *picLogo() const { return m_logo; }
    // Moves the window above the visible screen, shows it, puts the logo on the clipboard in
    // its own format and hides the window again (it stays loaded).
    void copyLogoToClipboard();

private:
    Platform::Twips m_twips;
    QLabel *m_logo = nullptr;
};

} // namespace Voruvar::Windows
