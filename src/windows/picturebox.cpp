// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "picturebox.h"

#include <QPaintEvent>
#include <QPainter>

namespace Voruvar::Windows {

PictureBox::PictureBox(const QPixmap &picture, const QColor &background, QWidget *parent)
    : QWidget(parent), m_picture(picture), m_background(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_background);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace Voruvar::Windows
