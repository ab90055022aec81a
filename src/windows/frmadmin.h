// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/twips.h"
#include "startup/adminsettingssave.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QToolButton;

namespace Voruvar::Windows {

// The administrator's options: how to list the installation's own documents, and the three
// switches with a save and a close button. It only lays out and relays; the save is the
// application's.
class frmAdmin final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAdmin)

public:
    static constexpr int designClientWidth = 7230;
    static constexpr int designClientHeight = 6855;

    // The strip and the host logo are the main window's pictures; largeFonts: 12 twips a pixel.
    frmAdmin(Platform::Twips twips, bool largeFonts, const QPixmap &shade, const QPixmap &hostLogo,
             QWidget *parent = nullptr);
    ~frmAdmin() override;

    QCheckBox *Check1() const { return m_checks[0]; }
    QCheckBox *Check2() const { return m_checks[1]; }
    QCheckBox *Check3() const { return m_checks[2]; }

    void setChoices(const Startup::AdminChoices &choices);
    Startup::AdminChoices choices() const;


Q_SIGNALS:
    void saveRequested(const Startup::AdminChoices &choices);

private:
    Platform::Twips m_twips;
    QCheckBox *m_checks[3] = {};
};

} // namespace Voruvar::Windows
