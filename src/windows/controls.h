// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/twips.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

namespace Voruvar::Windows {

// The pieces the windows are built of, each made the one way.

QFont arialFont(double points, bool bold = false, bool italic = false, bool underline = false);

// A picture box showing its picture from the top-left corner, clipped to the box.
QLabel *makePicture(QWidget *parent, const QString &objectName, const QPixmap &picture);

// A label in the given font and colour, on a transparent background.
QLabel *makeText(QWidget *parent, const QString &objectName, const QString &text, const QFont &font,
                 const QColor &colour = Qt::black);

// A filled rectangle without border.
QWidget *makeShape(QWidget *parent, const QString &objectName, const QColor &fill);

// A fixed dialog whose title bar shows only its caption: it closes through its own close button
// or Escape. Sized to its design client area and filled with its background.
void setUpFixedDialog(QDialog *dialog, const QString &objectName, const QString &caption, Platform::Twips twips,
                      int clientWidth, int clientHeight, const QColor &background);

// Places a dialog centred on its screen.
void centreOnScreen(QWidget *window);

// A control's position and size in twips, as the conversion gives them back.
QRect twipsGeometry(Platform::Twips twips, const QWidget *control);

// Sets a control's geometry from design twips.
void place(Platform::Twips twips, QWidget *control, int left, int top, int width, int height);

} // namespace Voruvar::Windows
