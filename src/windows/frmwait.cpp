// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "frmwait.h"

#include "controls.h"

#include "picturebox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace Voruvar::Windows {

namespace {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QString &colour, double points)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
    return label;
}

} // namespace

frmWait::frmWait(Platform::Twips twips, bool largeFonts, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_twips(twips)
{
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QString());
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The single border of the window, drawn around the picture box.
    setAutoFillBackground(true);
    QPalette border = palette();
    border.setColor(QPalette::Window, QColor(64, 64, 64));
    setPalette(border);

    int width = 4365;
    int height = 525;
    int label1Top = 40;
    int label2Top = 240;
    if (largeFonts) {
        width = 4380;
        height = 455;
        label1Top -= 20;
        label2Top -= 10;
    }
    setFixedSize(m_twips.toPixels(width), m_twips.toPixels(height));

    m_picture = new PictureBox(QPixmap(QStringLiteral(":/images/wait-background.png")), QColor(24, 20, 72), this);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setGeometry(m_twips.rect(10, 10, 4335, 495));

    m_label1 = makeLabel(m_picture, QStringLiteral("Label1"), QStringLiteral("Voruvar loading..."),
                         QStringLiteral("white"), 9.75);
    m_label1->setGeometry(m_twips.rect(600, label1Top, 3675, 255));
    m_label2 = makeLabel(m_picture, QStringLiteral("Label2"), QStringLiteral("Please wait."),
                         QStringLiteral("yellow"), 8.25);
    m_label2->setGeometry(m_twips.rect(600, label2Top, 3675, 255));

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        move(available.center() - rect().center());
    }
}

QRect frmWait::twipsGeometry(const QWidget *control) const
{
    return Windows::twipsGeometry(m_twips, control);
}

} // namespace Voruvar::Windows
