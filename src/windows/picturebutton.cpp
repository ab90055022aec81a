// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "picturebutton.h"

#include <QPixmap>
#include <QToolButton>

namespace Voruvar::Windows {

QToolButton *makePictureButton(QWidget *parent, const QString &objectName, const QString &picture,
                               const QString &accessibleName, const QString &toolTip, const QColor &background)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(objectName);
    const QPixmap pixmap(picture);
    button->setIcon(QIcon(pixmap));
    if (!pixmap.isNull())
        button->setIconSize(pixmap.size());
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setToolTip(toolTip);
    button->setAccessibleName(accessibleName);
    button->setAccessibleDescription(toolTip);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QToolButton { background-color: %1; border: 1px solid #8c8c8c; border-radius: 2px; }"
                                         "QToolButton:hover { border-color: #202060; }"
                                         "QToolButton:pressed { background-color: #d0d0e0; }"
                                         "QToolButton:focus { border: 2px solid #1c3c8c; }")
                              .arg(background.name()));
    return button;
}

} // namespace Voruvar::Windows
