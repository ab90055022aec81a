// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "zoomnavigation.h"

#include "platform/twips.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;

namespace Voruvar::Platform {
class BrowserPane;
}

namespace Voruvar::Windows {

// The zoom window: the selected category's document filling the screen, with previous, next,
// print and a close button that Escape presses. It only lays out and relays its controls; the
// main window's commands step the list and print.
class frmXpand final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmXpand)

public:
    static constexpr int designClientWidth = 8760;
    static constexpr int designClientHeight = 7515;

    frmXpand(Platform::Twips twips, const QString &pluginDirectory, QWidget *parent = nullptr);
    ~frmXpand() override;

    QToolButton *cmdPrev() const { return m_previous; }
    QToolButton *cmdNext() const { return m_next; }
    QToolButton *Command4() const { return m_print; }
    QLabel *lblItem() const { return m_item; }
    QPushButton *cmdClose() const { return m_close; }
    Platform::BrowserPane *WB1() const { return m_pane; }

    // The category's title, the label sized to it.
    void setItem(const QString &title);
    void setNavigation(const ZoomNavigation &navigation);
    ZoomNavigation navigation() const;

    // The resize rule against the window's current size.
    void relayout();

Q_SIGNALS:
    void previousRequested();
    void nextRequested();
    void printRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // A step by the keyboard follows the buttons' enabled states.
    void step(QToolButton *button);

    Platform::Twips m_twips;
    QToolButton *m_previous = nullptr;
    QToolButton *m_next = nullptr;
    QLabel *m_item = nullptr;
    QToolButton *m_print = nullptr;
    Platform::BrowserPane *m_pane = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace Voruvar::Windows
