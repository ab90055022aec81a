// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "frmxpand.h"

#include "mainlayout.h"
#include "picturebutton.h"

#include "platform/browserpane.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace Voruvar::Windows {

frmXpand::frmXpand(Platform::Twips twips, const QString &pluginDirectory, QWidget *parent)
    : QDialog(parent, Qt::Window), m_twips(twips)
{
    setObjectName(QStringLiteral("frmXpand"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(background);
    resize(m_twips.toPixels(designClientWidth), m_twips.toPixels(designClientHeight));

    m_pane = new Platform::BrowserPane(pluginDirectory, this);
    m_pane->setObjectName(QStringLiteral("WB1"));
    m_pane->setAccessibleName(tr("Details"));
    m_pane->setGeometry(m_twips.rect(ZoomLayout::paneLeft, ZoomLayout::paneTop, 8600, 6905));

    m_previous = makePictureButton(this, QStringLiteral("cmdPrev"), QStringLiteral(":/images/button-previous.png"),
                                   tr("Previous category"), QStringLiteral("Move to previous category."));
    m_previous->setGeometry(m_twips.rect(60, 60, 615, 480));
    m_next = makePictureButton(this, QStringLiteral("cmdNext"), QStringLiteral(":/images/button-next.png"),
                               tr("Next category"), QStringLiteral("Move to next category."));
    m_next->setGeometry(m_twips.rect(780, 60, 615, 480));

    m_item = new QLabel(this);
    m_item->setObjectName(QStringLiteral("lblItem"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    font.setBold(true);
    m_item->setFont(font);
    m_item->setStyleSheet(QStringLiteral("color: #000080; background: transparent;"));
    m_item->move(m_twips.toPixels(1620), m_twips.toPixels(180));

    m_print = makePictureButton(this, QStringLiteral("Command4"), QStringLiteral(":/images/button-print.png"),
                                tr("Print"), QStringLiteral("Click to print information."));
    m_print->setGeometry(m_twips.rect(8100, 60, 580, 480));

    // Never seen above the client area; the window's cancel button, pressed by Escape.
    m_close = new QPushButton(QStringLiteral("Command1"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    m_close->setAutoDefault(false);
    m_close->setGeometry(m_twips.rect(4140, -500, 375, 315));
    m_close->setFocusPolicy(Qt::NoFocus);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_previous, &QToolButton::clicked, this, &frmXpand::previousRequested);
    connect(m_next, &QToolButton::clicked, this, &frmXpand::nextRequested);
    connect(m_print, &QToolButton::clicked, this, &frmXpand::printRequested);
    for (const auto &[key, button] : {std::pair{Qt::ALT | Qt::Key_Left, m_previous}, {Qt::ALT | Qt::Key_Right, m_next}})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this, b = button] { step(b); });

    // The pane first, then previous, next and print.
    QWidget *focusTarget = m_pane->focusProxy() ? m_pane->focusProxy() : m_pane;
    setTabOrder(focusTarget, m_previous);
    setTabOrder(m_previous, m_next);
    setTabOrder(m_next, m_print);
}

frmXpand::~frmXpand() = default;

void frmXpand::setItem(const QString &title)
{
    m_item->setText(title);
    m_item->adjustSize();
}

void frmXpand::setNavigation(const ZoomNavigation &navigation)
{
    m_previous->setEnabled(navigation.previous);
    m_next->setEnabled(navigation.next);
}

ZoomNavigation frmXpand::navigation() const
{
    return {m_previous->isEnabled(), m_next->isEnabled()};
}

void frmXpand::relayout()
{
    // The rule counts in the outer size; as for the main window, that is the client size plus the
    // design frame, and the title allowance is the main window's, which comes out as nothing.
    const ZoomLayout l = ZoomLayout::compute(m_twips.toTwips(width()) + MainLayout::designFrameWidth,
                                             m_twips.toTwips(height()) + MainLayout::designFrameWidth, 0);
    // Negative sizes (a minimized window) are not set: the controls keep their previous place.
    if (l.paneWidth >= 0 && l.paneHeight >= 0)
        m_pane->resize(m_twips.toPixels(l.paneWidth), m_twips.toPixels(l.paneHeight));
    if (l.paneWidth >= 0)
        m_print->move(m_twips.toPixels(l.printLeft), m_print->y());
}

void frmXpand::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    relayout();
}

void frmXpand::keyPressEvent(QKeyEvent *event)
{
    // Page keys the pane did not take (the focus is elsewhere) step through the categories.
    if (event->modifiers() == Qt::NoModifier && (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)) {
        step(event->key() == Qt::Key_PageUp ? m_previous : m_next);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmXpand::step(QToolButton *button)
{
    if (button->isEnabled())
        button->click();
}

} // namespace Voruvar::Windows
