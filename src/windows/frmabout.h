// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/twips.h"

#include <QDialog>

class QLabel;

namespace Voruvar::Host {
struct HostContext;
}

namespace Voruvar::Windows {

// The about window: who is signed in, the add-in's title and version, and a link to the
// maker's web site. It only shows and relays; the link's opening is the application's.
class frmAbout final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    static constexpr int designClientWidth = 6495;
    static constexpr int designClientHeight = 5955;

    // The strip is the main window's picture; largeFonts: 12 twips a pixel.
    frmAbout(Platform::Twips twips, bool largeFonts, const QPixmap &shade, QWidget *parent = nullptr);
    ~frmAbout() override;

    // Fills the values from the signed-in user and shows the host logo.
    void fill(const Host::HostContext &context, const QPixmap &hostLogo);

    // The name an access level is shown under.
    static QString accessLevelName(const QString &strAccessLevel);
    static QString versionText();

    QLabel *label(const char *objectName) const;

Q_SIGNALS:
    void linkActivated(const QString &address);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keepLinkClearOf(const QLabel *text);

    QLabel *m_link = nullptr;
};

} // namespace Voruvar::Windows
