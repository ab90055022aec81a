// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// voruvar-helppicture DOCUMENT-FOLDER OUTPUT.png
//
// Draws the help window's picture THE INTERFACE from the real main window: the window is built
// with the built-in categories and a reference page, photographed, and its parts named with
// call-outs drawn to where the controls really are. Run by the help-picture target (no display
// needed: the offscreen platform); the picture is kept in resources/images.
#include "catalog/categorylist.h"
#include "catalog/userdocuments.h"
#include "platform/browserpane.h"
#include "windows/frmmain.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QSignalSpy>
#include <QToolButton>

#include <cstdio>

using namespace Voruvar;

namespace {

constexpr QSize pictureSize(711, 416);
constexpr QPoint shotOrigin(142, 40);
constexpr int shotWidth = 455;
const QColor ink(0x28, 0x20, 0x60);
const QColor pointer(0xb3, 0x14, 0x1c);

struct CallOut
{
    const char *text;
    const char *control;
    QPoint label;      // the left end of the text's baseline
    bool lineFromRight; // the line leaves the text's right end, else its left end
};

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: voruvar-helppicture DOCUMENT-FOLDER OUTPUT.png\n");
        return 2;
    }
    const QString documents = QString::fromLocal8Bit(argv[1]);

    Windows::frmMain window{Platform::Twips(15.0)};
    auto *pane = new Platform::BrowserPane(documents);
    window.setDetailsPane(pane);
    Catalog::UserDocuments none;
    const Catalog::CategoryList listing = Catalog::CategoryList::build({QString(), QString(), 0, QString()}, none);
    window.setWindowTitle(listing.caption);
    window.showCategories(listing.entries, listing.countText);
    window.List1()->setCurrentRow(int(listing.entries.indexOf(QStringLiteral("DRILL SIZES (LETTERED)"))));
    QSignalSpy painted(pane, &Platform::BrowserPane::documentPainted);
    pane->navigate(documents + QStringLiteral("/DS.DOX"));
    window.show();
    if (painted.isEmpty() && !painted.wait(10000)) {
        std::fprintf(stderr, "voruvar-helppicture: the page was not painted\n");
        return 1;
    }
    const QPixmap shot = window.grab();
    const double scale = double(shotWidth) / shot.width();

    QPixmap picture(pictureSize);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect shotArea(shotOrigin, (QSizeF(shot.size()) * scale).toSize());
    painter.drawPixmap(shotArea, shot);
    painter.setPen(QPen(ink, 1));
    painter.drawRect(shotArea.adjusted(0, 0, -1, -1));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(18);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(ink);
    painter.drawText(QPoint(12, 26), QStringLiteral("THE INTERFACE"));

    const int below = shotArea.bottom() + 24;
    const CallOut callOuts[] = {
        {"Reminder Creation", "Command8", {10, shotOrigin.y() + 40}, true},
        {"Category Listing", "List1", {10, shotOrigin.y() + 150}, true},
        {"Refresh Listing", "Command5", {10, below}, true},
        {"Expand Window", "Command3", {10, below + 20}, true},
        {"Calculator", "Command6", {10, below + 40}, true},
        {"Item details", "WB1", {shotArea.right() + 14, shotOrigin.y() + 150}, false},
        {"Print", "Command4", {shotArea.right() - 60, below + 20}, false},
    };
    QFont label(QStringLiteral("DejaVu Sans"));
    label.setPixelSize(12);
    label.setBold(true);
    painter.setFont(label);
    const QFontMetrics metrics(label);
    for (const CallOut &callOut : callOuts) {
        const auto *control = window.findChild<QWidget *>(QString::fromLatin1(callOut.control));
        if (!control || !control->isVisible()) {
            std::fprintf(stderr, "voruvar-helppicture: no %s on the main window\n", callOut.control);
            return 1;
        }
        const QPoint centre = control->mapTo(&window, control->rect().center());
        const QPoint target = shotArea.topLeft() + (QPointF(centre) * scale).toPoint();
        const QString text = QString::fromLatin1(callOut.text);
        const int width = metrics.horizontalAdvance(text);
        const QPoint from = callOut.label + QPoint(callOut.lineFromRight ? width + 4 : -4, -metrics.ascent() / 2 + 1);
        painter.setPen(ink);
        painter.drawText(callOut.label, text);
        painter.setPen(QPen(pointer, 1.5));
        painter.drawLine(from, target);
        painter.setBrush(pointer);
        painter.drawEllipse(QPointF(target), 3, 3);
    }
    painter.end();
    if (!picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "voruvar-helppicture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
