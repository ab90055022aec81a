// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "frmhelp.h"

#include "controls.h"
#include "mainlayout.h"
#include "picturebutton.h"

#include <QLabel>
#include <QToolButton>

namespace Voruvar::Windows {

frmHelp::frmHelp(Platform::Twips twips, bool largeFonts, const QPixmap &shade, QWidget *parent) : QDialog(parent)
{
    setUpFixedDialog(this, QStringLiteral("frmHelp"), QStringLiteral("Voruvar Help"), twips, designClientWidth,
                     designClientHeight, Qt::white);

    QWidget *panel = makeShape(this, QStringLiteral("Shape1"), QColor(0xE0, 0xE0, 0xE0));
    place(twips, panel, -240, 945, 11895, 7755);
    QLabel *logo = makePicture(this, QStringLiteral("Picture2"), QPixmap(QStringLiteral(":/images/host-logo.png")));
    logo->setAccessibleName(tr("Ruraro console logo"));
    place(twips, logo, 0, 0, 1275, 930);
    QLabel *banner = makePicture(this, QStringLiteral("Picture4"), QPixmap(QStringLiteral(":/images/banner.png")));
    banner->setAccessibleName(tr("Voruvar"));
    place(twips, banner, 6700, 120, 4110, 735);
    QLabel *strip = makePicture(this, QStringLiteral("picShade"), shade);
    place(twips, strip, -480, 950, 19665, 105);

    // The picture box is sized to its picture and a one-pixel border on each side.
    const QPixmap help(QStringLiteral(":/images/help-interface.png"));
    QLabel *picture = makePicture(this, QStringLiteral("Picture1"), help);
    picture->setFrameShape(QFrame::Box);
    picture->setLineWidth(1);
    picture->setAccessibleName(tr("The interface"));
    picture->setAccessibleDescription(tr("The main window with its parts named: Reminder Creation, Category Listing, "
                                         "Refresh Listing, Expand Window, Calculator, Print and Item details."));
    picture->move(twips.toPixels(90), twips.toPixels(1140));
    picture->resize(help.size() + QSize(2, 2));

    QLabel *hint = makeText(this, QStringLiteral("Label3"),
                            QStringLiteral("Select a category from the category listing to display the details."),
                            arialFont(9.75));
    place(twips, hint, 120, 7740, 7335, 315);
    QToolButton *close = makePictureButton(this, QStringLiteral("Command1"), QStringLiteral(":/images/button-exit.png"),
                                           tr("Close"), QStringLiteral("Click to close help window."));
    place(twips, close, 10200, 7550, 580, 480);
    // The close button is the cancel button: Escape presses it too (QDialog's reject).
    connect(close, &QToolButton::clicked, this, &QDialog::reject);

    if (largeFonts) {
        // At 120 dots per inch the window shrinks to 8830 x 7250 outer twips and the rest follows.
        const int width = 8830;
        setFixedSize(twips.toPixels(width - MainLayout::designFrameWidth),
                     twips.toPixels(7250 - MainLayout::designFrameWidth));
        banner->move(twips.toPixels(width - twips.toTwips(banner->pixmap().width()) - 200),
                     twips.toPixels(120 + 100));
        const int hintTop = twips.toTwips(picture->geometry().bottom() + 1) + 100;
        hint->move(hint->x(), twips.toPixels(hintTop));
        close->move(twips.toPixels(width - 770), twips.toPixels(hintTop));
    }
    close->setFocus();
    centreOnScreen(this);
}

frmHelp::~frmHelp() = default;

} // namespace Voruvar::Windows
