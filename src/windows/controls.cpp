// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "controls.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace Voruvar::Windows {

QFont arialFont(double points, bool bold, bool italic, bool underline)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QLabel *makePicture(QWidget *parent, const QString &objectName, const QPixmap &picture)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(picture);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel *makeText(QWidget *parent, const QString &objectName, const QString &text, const QFont &font,
                 const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    return label;
}

QWidget *makeShape(QWidget *parent, const QString &objectName, const QColor &fill)
{
    auto *shape = new QWidget(parent);
    shape->setObjectName(objectName);
    shape->setAutoFillBackground(true);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, fill);
    shape->setPalette(palette);
    return shape;
}

void setUpFixedDialog(QDialog *dialog, const QString &objectName, const QString &caption, Platform::Twips twips,
                      int clientWidth, int clientHeight, const QColor &background)
{
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setModal(true);
    dialog->setAutoFillBackground(true);
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, background);
    dialog->setPalette(palette);
    dialog->setFixedSize(twips.toPixels(clientWidth), twips.toPixels(clientHeight));
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QRect twipsGeometry(Platform::Twips twips, const QWidget *control)
{
    const QRect g = control->isWindow() ? QRect(QPoint(), control->size()) : control->geometry();
    return {twips.toTwips(g.x()), twips.toTwips(g.y()), twips.toTwips(g.width()), twips.toTwips(g.height())};
}

void place(Platform::Twips twips, QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twips.rect(left, top, width, height));
}

} // namespace Voruvar::Windows
