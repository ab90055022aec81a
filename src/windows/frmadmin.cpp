// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "frmadmin.h"

#include "controls.h"
#include "picturebutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

namespace Voruvar::Windows {

namespace {

const QColor panelGrey(0xE0, 0xE0, 0xE0);
const QColor navy(0, 0, 128);

} // namespace

frmAdmin::frmAdmin(Platform::Twips twips, bool largeFonts, const QPixmap &shade, const QPixmap &hostLogo,
                   QWidget *parent)
    : QDialog(parent), m_twips(twips)
{
    setUpFixedDialog(this, QStringLiteral("frmAdmin"), QStringLiteral("Voruvar Administration"), twips,
                     designClientWidth, designClientHeight, Qt::white);

    QWidget *panel = makeShape(this, QStringLiteral("Shape1"), panelGrey);
    place(twips, panel, -240, 990, 11895, 6975);
    QLabel *logo = makePicture(this, QStringLiteral("Picture2"), hostLogo);
    logo->setAccessibleName(tr("Ruraro console logo"));
    place(twips, logo, 0, 0, 1275, 930);
    QLabel *banner = makePicture(this, QStringLiteral("Picture4"), QPixmap(QStringLiteral(":/images/banner.png")));
    banner->setAccessibleName(tr("Voruvar"));
    const int bannerWidth = twips.toTwips(banner->pixmap().width());
    place(twips, banner, 3010, 120, 4110, 735);
    if (largeFonts)
        place(twips, banner, designClientWidth + 90 - bannerWidth - 200, 120 + 50, 4110, 735);
    QLabel *strip = makePicture(this, QStringLiteral("picShade"), shade);
    place(twips, strip, -360, 990, 19665, 105);
    QWidget *rule = makeShape(this, QStringLiteral("Line1"), Qt::black);
    place(twips, rule, -1035, 5220, 8370, 15);

    struct Instruction
    {
        const char *name;
        int left, top, width, height;
        const char *text;
    };
    const Instruction instructions[] = {
        {"Label1", 120, 1120, 6975, 615,
         "You can add your own HTML, FLASH, URL's, and TEXT documents to be rererenced within VORUVAR."},
        {"Label2", 120, 1680, 5565, 240, "To add your own documents, simply perform the following steps:"},
        {"Label3", 480, 2160, 6015, 555,
         "1. Create a TEXT file called USER.ADD in the same directory in which your Voruvar' executable resides."},
        {"Label4", 480, 2760, 6135, 735,
         "2. Within the text file, create a new entry that contains the CATEGORY TITLE and the LOCATION of the "
         "document, separated by two pipe characters ('||')."},
        {"Label5", 480, 3600, 5895, 315, "For example: MATH FORMULAS||F:\\DOCUMENTS\\MF.HTML"},
        {"Label6", 480, 3960, 6135, 555,
         "3. Save the TEXT file and then refresh your category listing. You should now see your entry appear within "
         "the category listing."},
        {"Label7", 480, 4560, 6405, 600,
         "You can add as many documents as you would like simply by adding additional entries to your USER.ADD "
         "file."},
    };
    for (const Instruction &i : instructions) {
        const bool example = qstrcmp(i.name, "Label5") == 0;
        QFont font = example ? QFont(QStringLiteral("Courier New"), 9) : arialFont(9.75);
        font.setUnderline(qstrcmp(i.name, "Label2") == 0);
        QLabel *label = makeText(this, QString::fromLatin1(i.name), QString::fromUtf8(i.text), font,
                                 example ? QColor(0, 0, 192) : QColor(Qt::black));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(twips, label, i.left, i.top, i.width, i.height);
    }

    struct Switch
    {
        const char *name;
        int top;
        const char *caption;
        const char *toolTip;
    };
    const Switch switches[] = {
        {"Check1", 5310, "&Maximize to full screen on startup.", "Enable to start up in full-screen mode."},
        {"Check2", 5580, "Display Printer Dialog menu when printing.",
         "Enable to display the printer dialog when printing."},
        {"Check3", 5850, "Bypass built-in references.", "Enable to bypass built-in references."},
    };
    for (int i = 0; i < 3; ++i) {
        auto *box = new QCheckBox(QString::fromLatin1(switches[i].caption), this);
        box->setObjectName(QString::fromLatin1(switches[i].name));
        box->setFont(arialFont(8.25, true));
        box->setStyleSheet(QStringLiteral("QCheckBox { color: %1; background: %2; }").arg(navy.name(), panelGrey.name()));
        box->setToolTip(QString::fromLatin1(switches[i].toolTip));
        box->setAccessibleDescription(box->toolTip());
        place(twips, box, 135, switches[i].top, 4695, 285);
        m_checks[i] = box;
    }

    QToolButton *save = makePictureButton(this, QStringLiteral("Command26"), QStringLiteral(":/images/button-save.png"),
                                          tr("Save"), QStringLiteral("Click to SAVE administrative options."));
    place(twips, save, 90, 6280, 580, 485);
    QToolButton *close = makePictureButton(this, QStringLiteral("Command1"), QStringLiteral(":/images/button-exit.png"),
                                           tr("Close"), QStringLiteral("Click to close administration window."));
    place(twips, close, 6525, 6280, 580, 480);
    connect(save, &QToolButton::clicked, this, [this] { Q_EMIT saveRequested(choices()); });
    // The close button is the cancel button: Escape presses it too (QDialog's reject).
    connect(close, &QToolButton::clicked, this, &QDialog::reject);

    setTabOrder(close, m_checks[0]);
    setTabOrder(m_checks[0], m_checks[1]);
    setTabOrder(m_checks[1], m_checks[2]);
    setTabOrder(m_checks[2], save);
    close->setFocus();
    centreOnScreen(this);
}

frmAdmin::~frmAdmin() = default;

void frmAdmin::setChoices(const Startup::AdminChoices &choices)
{
    m_checks[0]->setChecked(choices.maximize);
    m_checks[1]->setChecked(choices.printerDialog);
    m_checks[2]->setChecked(choices.bypassBuiltIns);
}

Startup::AdminChoices frmAdmin::choices() const
{
    return {m_checks[0]->isChecked(), m_checks[1]->isChecked(), m_checks[2]->isChecked()};
}

} // namespace Voruvar::Windows
