// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "frmabout.h"

#include "controls.h"
#include "picturebutton.h"

#include "core/numbertext.h"
#include "host/hostcontext.h"
#include "host/productinfo.h"
#include "version.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTextLayout>
#include <QToolButton>

#include <algorithm>

namespace Voruvar::Windows {

namespace {

const QColor navy(0, 0, 128);

} // namespace

frmAbout::frmAbout(Platform::Twips twips, bool largeFonts, const QPixmap &shade, QWidget *parent) : QDialog(parent)
{
    setUpFixedDialog(this, QStringLiteral("frmAbout"), QStringLiteral("About Ruraro Voruvar"), twips,
                     designClientWidth, designClientHeight, QColor(0xE0, 0xE0, 0xE0));

    place(twips, makeShape(this, QStringLiteral("Shape3"), Qt::white), -120, -120, 12495, 1095);
    QLabel *hostLogo = makePicture(this, QStringLiteral("Picture6"), QPixmap());
    hostLogo->setAccessibleName(tr("Ruraro console logo"));
    place(twips, hostLogo, 0, 0, 1275, 930);
    QLabel *about = makePicture(this, QStringLiteral("Picture1"), QPixmap(QStringLiteral(":/images/about-word.png")));
    about->setAccessibleName(tr("About"));
    place(twips, about, 5400, 330, 1050, 315);
    place(twips, makePicture(this, QStringLiteral("picShade"), shade), -300, 960, 19665, 105);

    QWidget *panel = makeShape(this, QStringLiteral("Picture3"), QColor(0xC0, 0xC0, 0xC0));
    place(twips, panel, 120, 1080, 6255, 4095);
    place(twips, makeShape(panel, QStringLiteral("Shape1"), Qt::white), 0, -120, 6255, 1335);
    place(twips, makeShape(panel, QStringLiteral("Shape2"), Qt::white), 0, 2640, 6255, 1695);
    QLabel *logo = makePicture(panel, QStringLiteral("Picture2"), QPixmap(QStringLiteral(":/images/addin-logo.png")));
    logo->setToolTip(QStringLiteral("Voruvar logo."));
    logo->setAccessibleName(tr("Voruvar logo"));
    place(twips, logo, largeFonts ? 160 : 60, largeFonts ? 400 : 300, 2985, 525);
    QLabel *title = makeText(panel, QStringLiteral("Label2"), QString(), arialFont(9.75, true));
    title->move(twips.toPixels(3200), twips.toPixels(120));
    QLabel *version = makeText(panel, QStringLiteral("Label4"), QStringLiteral("v.X.X.X"), arialFont(9.75, true));
    version->move(twips.toPixels(3200), twips.toPixels(360));
    version->adjustSize();
    for (const auto &[name, top] : {std::pair{"Line1", 1200}, {"Line2", 2640}})
        place(twips, makeShape(panel, QLatin1String(name), QColor(0x80, 0x80, 0x80)), 0, top, 6255, 15);

    struct Row
    {
        const char *caption;
        int captionLeft;
        int captionWidth;
        const char *captionText;
        const char *value;
        int top;
        const char *toolTip;
    };
    const Row rows[] = {
        {"Label7", 960, 855, "Name:", "Label9", 1320, "Your Account Name."},
        {"Label11", 120, 1695, "Account Name / No.:", "Label13", 1560, "Your Account Name / Number."},
        {"Label12", 960, 855, "Title:", "Label14", 1800, "Your Account Title."},
        {"Label8", 960, 855, "Access:", "Label10", 2040, "Your Role (Access Level)."},
    };
    for (const Row &row : rows) {
        QLabel *caption =
            makeText(panel, QLatin1String(row.caption), QLatin1String(row.captionText), arialFont(8.25), navy);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        place(twips, caption, row.captionLeft, row.top, row.captionWidth, 255);
        QLabel *value = makeText(panel, QLatin1String(row.value), QStringLiteral("----"), arialFont(8.25, true));
        value->setToolTip(QLatin1String(row.toolTip));
        value->setAccessibleName(caption->text());
        value->setAccessibleDescription(value->toolTip());
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setFocusPolicy(Qt::TabFocus);
        caption->setBuddy(value);
        place(twips, value, 2040, row.top, 4000, 255);
    }

    QLabel *invitation =
        makeText(panel, QStringLiteral("Label6"),
                 QStringLiteral("For more information about this add-in, or to learn more about additional add-in's "
                                "for your RURARO console, visit us at"),
                 arialFont(8.25));
    invitation->setWordWrap(true);
    invitation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(twips, invitation, 120, 2760, 6015, 615);

    m_link = makeText(panel, QStringLiteral("Label15"), Host::ProductInfo::webSite(), arialFont(8.25, true, false, true),
                      QColor(0, 0, 192));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setToolTip(QStringLiteral("Click to visit the Zederiro Systems web site."));
    m_link->setAccessibleName(tr("Maker's web site"));
    m_link->setAccessibleDescription(m_link->toolTip());
    // Reached with Tab and opened with Enter or Space as well as with the mouse.
    m_link->setFocusPolicy(Qt::StrongFocus);
    m_link->installEventFilter(this);
    m_link->move(twips.toPixels(largeFonts ? 3400 : 2400), twips.toPixels(2970));
    m_link->adjustSize();
    keepLinkClearOf(invitation);

    QLabel *maker = makePicture(this, QStringLiteral("picLogo"), QPixmap(QStringLiteral(":/images/maker-logo.png")));
    maker->setAccessibleName(tr("Zederiro Systems"));
    place(twips, maker, 160, 4400, 2820, 705);

    QToolButton *close = makePictureButton(this, QStringLiteral("Command1"), QStringLiteral(":/images/button-exit.png"),
                                           tr("Close"), QStringLiteral("Click to close the About screen."));
    place(twips, close, 5800, 5350, 580, 480);
    // The close button is the cancel button: Escape presses it too (QDialog's reject).
    connect(close, &QToolButton::clicked, this, &QDialog::reject);
    close->setFocus();
    centreOnScreen(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::keepLinkClearOf(const QLabel *text)
{
    // Where the invitation's words wrap further than the design expected, the link would stand
    // on them: it moves to the end of their last line, or below it when it does not fit there.
    QTextLayout layout(text->text(), text->font());
    layout.beginLayout();
    QList<QRect> lines;
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(text->width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        lines.append(QRectF(text->pos() + line.position(), QSizeF(line.naturalTextWidth(), line.height()))
                         .toAlignedRect());
    }
    layout.endLayout();
    if (lines.isEmpty() || std::none_of(lines.begin(), lines.end(), [this](const QRect &line) {
            return line.intersects(m_link->geometry());
        }))
        return;
    const QRect last = lines.last();
    const int gap = QFontMetrics(text->font()).horizontalAdvance(u' ');
    QPoint place(last.right() + gap, last.top());
    if (place.x() + m_link->width() > m_link->parentWidget()->width())
        place = QPoint(text->x(), last.bottom() + 1);
    m_link->move(place);
}

QString frmAbout::accessLevelName(const QString &strAccessLevel)
{
    const std::optional<double> level = Core::textAsNumber(strAccessLevel);
    if (!level)
        return QStringLiteral("READ-ONLY");
    if (*level == 0)
        return QStringLiteral("READ-ONLY");
    if (*level == 1)
        return QStringLiteral("REGULAR");
    if (*level == 2)
        return QStringLiteral("SYSTEM ADMINISTRATOR");
    return QStringLiteral("UNKNOWN");
}

QString frmAbout::versionText()
{
    return QStringLiteral("Version %1.%2 - B%3").arg(Version::major).arg(Version::minor).arg(Version::revision);
}

void frmAbout::fill(const Host::HostContext &context, const QPixmap &hostLogo)
{
    const auto set = [this](const char *name, const QString &text) { label(name)->setText(text); };
    label("Label2")->setText(Host::ProductInfo::title());
    label("Label2")->adjustSize();
    set("Label9", context.strAccountName.toUpper());
    set("Label14", context.strAccountTitle.toUpper());
    set("Label13", context.strAccountId.toUpper());
    label("Picture6")->setPixmap(hostLogo);
    set("Label10", accessLevelName(context.strAccessLevel));
    label("Label4")->setText(versionText());
    label("Label4")->adjustSize();
}

QLabel *frmAbout::label(const char *objectName) const
{
    return findChild<QLabel *>(QLatin1String(objectName));
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link) {
        const bool clicked = event->type() == QEvent::MouseButtonRelease &&
                             static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        const bool pressed = event->type() == QEvent::KeyPress &&
                             (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return ||
                              static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter ||
                              static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space);
        if (clicked || pressed) {
            Q_EMIT linkActivated(m_link->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Voruvar::Windows
