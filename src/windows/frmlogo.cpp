// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "frmlogo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

namespace Voruvar::Windows {

frmLogo::frmLogo(Platform::Twips twips, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_twips(twips)
{
    setObjectName(QStringLiteral("frmLogo"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(m_twips.toPixels(3060), m_twips.toPixels(945));
    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("picLogo"));
    m_logo->setPixmap(QPixmap(QStringLiteral(":/images/maker-logo.png")));
    m_logo->setGeometry(m_twips.rect(120, 120, 2820, 705));
}

void frmLogo::copyLogoToClipboard()
{
    move(x(), m_twips.toPixels(-4000));
    show();
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setPixmap(m_logo->pixmap());
    hide();
}

} // namespace Voruvar::Windows
