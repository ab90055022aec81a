// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// voruvar-pictures help DOCUMENT-FOLDER OUTPUT.png
// voruvar-pictures windows DOCUMENT-FOLDER OUTPUT-FOLDER
//
// Pictures made from the program's own windows, so they stay true when the windows change.
// help: the help window's picture THE INTERFACE, from the real main window with the built-in
// categories and a reference page, its parts named with call-outs drawn to where the controls
// really are (kept in resources/images; drawn offscreen, no display needed). windows:
// screenshots of the zoom, about, administrator options and help windows for the
// documentation (kept in docs/; run on an X server, Xvfb will do).
#include "platform/browserpane.h"
#include "platform/desktopshell.h"
#include "platform/procinstanceprobe.h"
#include "platform/qtmessagepresenter.h"
#include "platform/qtscreenmetrics.h"
#include "platform/realprocesscontrol.h"
#include "windows/addin.h"
#include "windows/frmabout.h"
#include "windows/frmadmin.h"
#include "windows/frmhelp.h"
#include "windows/frmmain.h"
#include "windows/frmxpand.h"
#include "windows/maincommands.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QSignalSpy>

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
    QPoint label;       // the left end of the text's baseline
    bool lineFromRight; // the line leaves the text's right end, else its left end
};

int fail(const char *what)
{
    std::fprintf(stderr, "voruvar-pictures: %s\n", what);
    return 1;
}

bool waitPainted(Platform::BrowserPane *pane, QSignalSpy &painted)
{
    return !painted.isEmpty() || painted.wait(10000) || pane->showingWebRenderer();
}

int drawHelpPicture(Windows::frmMain &window, const QString &output)
{
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
        if (!control || !control->isVisible())
            return fail("a part of the main window to name is missing");
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
    return picture.save(output, "PNG") ? 0 : fail("cannot write the picture");
}

int photographWindows(Windows::Addin &addin, const QDir &output)
{
    Windows::MainCommands &commands = addin.commands();
    const auto save = [&](QWidget *window, const char *name) {
        QCoreApplication::processEvents();
        return window && window->grab().save(output.filePath(QLatin1String(name)), "PNG");
    };
    Platform::BrowserPane *zoomPane = nullptr;
    commands.expand();
    if (commands.zoomWindow())
        zoomPane = commands.zoomWindow()->WB1();
    if (!zoomPane)
        return fail("the zoom window did not open");
    QSignalSpy zoomPainted(zoomPane, &Platform::BrowserPane::documentPainted);
    if (!waitPainted(zoomPane, zoomPainted) || !save(commands.zoomWindow(), "zoom-window.png"))
        return fail("cannot photograph the zoom window");
    commands.zoomWindow()->close();

    commands.about();
    if (!save(commands.aboutWindow(), "about-window.png"))
        return fail("cannot photograph the about window");
    commands.aboutWindow()->close();
    commands.administratorOptions();
    if (!save(commands.adminWindow(), "admin-window.png"))
        return fail("cannot photograph the administrator options");
    commands.adminWindow()->close();
    commands.help();
    if (!save(commands.helpWindow(), "help-window.png"))
        return fail("cannot photograph the help window");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray mode = argc == 4 ? QByteArray(argv[1]) : QByteArray();
    if (mode != "help" && mode != "windows") {
        std::fprintf(stderr, "usage: voruvar-pictures help|windows DOCUMENT-FOLDER OUTPUT\n");
        return 2;
    }
    if (mode == "help")
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString documents = QString::fromLocal8Bit(argv[2]);
    const QString output = QString::fromLocal8Bit(argv[3]);

    // The real windows on the real platform services, on their own (no host console).
    Platform::QtMessagePresenter messages;
    Platform::ProcInstanceProbe instances;
    Platform::QtScreenMetrics screen;
    Platform::RealProcessControl process;
    Platform::DesktopShell shell;
    Windows::Addin addin({messages, instances, screen, process, shell, nullptr, false}, documents);
    Host::HostContext &context = addin.context();
    context.strAccountId = QStringLiteral("DADMIN");
    context.strAccountName = QStringLiteral("Dana Admin");
    context.strAccountTitle = QStringLiteral("Maintenance Supervisor");
    context.strAccessLevel = QStringLiteral("2");

    Windows::frmMain &window = addin.mainWindow();
    addin.buildCategoryList();
    addin.setAdminButtonVisible(mode == "windows");
    QSignalSpy painted(&addin.detailsPane(), &Platform::BrowserPane::documentPainted);
    window.List1()->setCurrentRow(addin.listEntries().indexOf(QStringLiteral("DRILL SIZES (LETTERED)")));
    addin.showMainWindow();
    if (!waitPainted(&addin.detailsPane(), painted))
        return fail("the page was not painted");
    return mode == "help" ? drawHelpPicture(window, output) : photographWindows(addin, QDir(output));
}
