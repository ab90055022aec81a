// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "host/clsmain.h"
#include "host/dbushostlibrary.h"
#include "host/hostcontext.h"
#include "host/standalonecontext.h"
#include "platform/procinstanceprobe.h"
#include "platform/qtmessagepresenter.h"
#include "platform/qtscreenmetrics.h"
#include "platform/realprocesscontrol.h"
#include "version.h"
#include "windows/addin.h"
#include "windows/frmmain.h"

#include "clsmainadaptor.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusError>
#include <QTimer>

#include <cstdio>

using namespace Voruvar;

namespace {

constexpr char serviceName[] = "Voruvar.clsMain";
constexpr char objectPath[] = "/clsMain";

bool serveAutomation(Host::clsMain &automation)
{
    new Host::clsMainAdaptor(&automation);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "voruvar: cannot reach the session bus: %s\n", qPrintable(bus.lastError().message()));
        return false;
    }
    if (!bus.registerObject(QString::fromLatin1(objectPath), &automation, QDBusConnection::ExportAdaptors) ||
        !bus.registerService(QString::fromLatin1(serviceName))) {
        std::fprintf(stderr, "voruvar: cannot serve %s on the session bus: %s\n", serviceName,
                     qPrintable(bus.lastError().message()));
        return false;
    }
    return true;
}

// Saves a picture of the main window once a start has shown it, then ends the process.
void screenshotAfterStart(Windows::Addin &addin, const QString &path)
{
    QObject::connect(&addin, &Windows::Addin::startFinished, &addin, [&addin, path] {
        QTimer::singleShot(700, &addin, [&addin, path] {
            const bool saved = addin.mainWindow().grab().save(path, "PNG");
            std::fprintf(saved ? stdout : stderr, saved ? "voruvar: screenshot written to %s\n"
                                                        : "voruvar: cannot write the screenshot %s\n",
                         qPrintable(path));
            addin.endProcess();
        });
    });
}

// An unattended run (the screenshot) has no one to close a box: each is printed instead.
class PrintedMessages final : public Platform::MessagePresenter
{
public:
    void show(const Platform::Message &message) override
    {
        std::fprintf(stderr, "voruvar: [%s] %s\n", qPrintable(message.title),
                     qPrintable(QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // No Qt::AA_ShareOpenGLContexts here: it makes every start create an OpenGL context. The
    // details pane creates the shared context itself when it first loads the web renderer.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("voruvar"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::text));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/voruvar-32.png")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Voruvar: quick reference tables, formulas and documents for maintenance technicians.\n"
        "Started without --automation it runs on its own for the signed-in user."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption automation(QStringLiteral("automation"),
                                        QStringLiteral("Serve Voruvar.clsMain on the session bus for a host console."));
    const QCommandLineOption alert(QStringLiteral("alert"), QStringLiteral("Open the category <title>."),
                                   QStringLiteral("title"));
    const QCommandLineOption accessLevel(QStringLiteral("access-level"),
                                         QStringLiteral("0 read-only, 1 regular (default), 2 administrator."),
                                         QStringLiteral("level"), QStringLiteral("1"));
    // Without a host console the console database is looked for beside the program, where an
    // installation can put one; without it the start reports TB101 and goes on.
    const QCommandLineOption dataPath(
        QStringLiteral("data-path"),
        QStringLiteral("Folder of the console database z_udez.mdb (default: the program's folder)."),
        QStringLiteral("folder"), QCoreApplication::applicationDirPath());
    const QCommandLineOption sitePath(QStringLiteral("site-path"), QStringLiteral("The site's path."),
                                      QStringLiteral("path"));
    const QCommandLineOption siteName(QStringLiteral("site-name"),
                                      QStringLiteral("The site's name, shown in the window title."),
                                      QStringLiteral("name"));
    const QCommandLineOption singleInstance(QStringLiteral("single-instance"),
                                            QStringLiteral("Refuse to run while another copy is running."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the main window once it is shown, then end."),
                                        QStringLiteral("file"));
    parser.addOptions({automation, alert, accessLevel, dataPath, sitePath, siteName, singleInstance, screenshot});
    parser.process(app);

    Platform::QtMessagePresenter boxes;
    PrintedMessages printed;
    Platform::MessagePresenter &messages =
        parser.isSet(screenshot) ? static_cast<Platform::MessagePresenter &>(printed) : boxes;
    Platform::ProcInstanceProbe instances;
    Platform::QtScreenMetrics screen;
    Platform::RealProcessControl process;
    Host::DBusHostLibrary hostLibrary;
    Windows::Addin addin({messages, instances, screen, process, &hostLibrary}, QCoreApplication::applicationDirPath());
    Host::clsMain automationObject(addin.context(), addin);

    if (parser.isSet(screenshot))
        screenshotAfterStart(addin, parser.value(screenshot));

    if (parser.isSet(automation)) {
        if (!serveAutomation(automationObject))
            return 1;
    } else {
        const Host::StandaloneCollections collections = Host::standaloneCollections(
            {parser.value(accessLevel), parser.value(dataPath), parser.value(sitePath), parser.value(siteName),
             parser.isSet(singleInstance)});
        addin.context().storePaths(collections.paths);
        addin.context().storeUser(collections.user);
        addin.context().storeFlags(collections.flags);
        automationObject.M_ExecAlert(parser.value(alert));
    }
    return app.exec();
}
