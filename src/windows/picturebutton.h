// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QColor>
#include <QString>

class QToolButton;
class QWidget;

namespace Voruvar::Windows {

// A button that shows a picture and no caption, as every window's command buttons do.
// The accessible name says what it does; the tooltip doubles as its accessible description.
QToolButton *makePictureButton(QWidget *parent, const QString &objectName, const QString &picture,
                               const QString &accessibleName, const QString &toolTip,
                               const QColor &background = Qt::white);

} // namespace Voruvar::Windows
