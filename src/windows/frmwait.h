// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/twips.h"

#include <QWidget>

class QLabel;

namespace Voruvar::Windows {

class PictureBox;

// The small loading window shown while the start runs: no title bar, a single fixed border,
// centred on the screen.
class frmWait final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmWait)

public:
    // largeFonts: the screen has exactly 12 twips per pixel (120 dpi); the window is then a
    // little smaller and its labels sit higher.
    frmWait(Platform::Twips twips, bool largeFonts, QWidget *parent = nullptr);

    QLabel *Label1() const { return m_label1; }
    QLabel *Label2() const { return m_label2; }
    QRect twipsGeometry(const QWidget *control) const;

private:
    Platform::Twips m_twips;
    PictureBox *m_picture = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
};

} // namespace Voruvar::Windows
