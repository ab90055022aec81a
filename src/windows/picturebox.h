// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QPixmap>
#include <QWidget>

namespace Voruvar::Windows {

// A container with a background colour and a picture drawn from its top-left corner, clipped
// to the box.
class PictureBox final : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QPixmap &picture, const QColor &background, QWidget *parent = nullptr);
    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    QColor m_background;
};

} // namespace Voruvar::Windows
