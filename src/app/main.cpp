// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "commandline.h"
#include "host/buslimits.h"
#include "host/clsmain.h"
#include "host/dbushostlibrary.h"
#include "host/hostcontext.h"
#include "host/standalonecontext.h"
#include "platform/pluginprintspool.h"
#include "platform/desktopshell.h"
#include "platform/procinstanceprobe.h"
#include "platform/qtmessagepresenter.h"
#include "platform/qtscreenmetrics.h"
#include "platform/realprocesscontrol.h"
#include "startup/noconsoledatabase.h"
#include "version.h"
#include "windows/addin.h"
#include "windows/frmmain.h"

#include "clsmainadaptor.h"

#include <QApplication>
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
    // A client that sends a huge message must not leave the add-in deaf to the others.
    Host::keepReadingLargeMessages(bus);
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
            std::fprintf(saved ? stdout : stderr,
                         saved ? "voruvar: screenshot written to %s\n" : "voruvar: cannot write the screenshot %s\n",
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
    // The command line is read before any application object exists: --help, --version and a
    // wrong option are answered without a display or a session bus.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const App::CommandLine options = App::CommandLine::parse(arguments);
    switch (options.action) {
    case App::CommandLine::Action::Help:
        std::fputs(qPrintable(App::helpText()), stdout);
        return 0;
    case App::CommandLine::Action::Version:
        std::fputs(qPrintable(App::versionText()), stdout);
        return 0;
    case App::CommandLine::Action::Error:
        std::fprintf(stderr, "voruvar: %s\n%s", qPrintable(options.error), qPrintable(App::usageText()));
        return App::exitUsage;
    case App::CommandLine::Action::Run:
        break;
    }

    // No Qt::AA_ShareOpenGLContexts here: it makes every start create an OpenGL context. The
    // details pane creates the shared context itself when it first loads the web renderer.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("voruvar"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::text));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/voruvar-32.png")));
    // The installed desktop entry, voruvar.desktop: desktops match windows to it for their icon.
    QApplication::setDesktopFileName(QStringLiteral("voruvar"));

    Platform::QtMessagePresenter boxes;
    PrintedMessages printed;
    Platform::MessagePresenter &messages =
        options.screenshot ? static_cast<Platform::MessagePresenter &>(printed) : boxes;
    Platform::ProcInstanceProbe instances;
    Platform::QtScreenMetrics screen;
    Platform::RealProcessControl process;
    Host::DBusHostLibrary hostLibrary;
    Platform::DesktopShell shell;
    Platform::PluginPrintSpool spool(QCoreApplication::applicationDirPath());
    Windows::Addin addin({messages, instances, screen, process, shell, &hostLibrary, options.automation, &spool},
                         QCoreApplication::applicationDirPath());
    Host::clsMain automationObject(addin.context(), addin);

    if (options.screenshot)
        screenshotAfterStart(addin, *options.screenshot);

    if (options.automation) {
        if (!serveAutomation(automationObject))
            return 1;
    } else {
        // Without a console there is no console database unless one is named: the start then
        // takes the retry count a database without the key gives, and reports nothing.
        if (!options.dataPath)
            addin.setDatabase(std::make_unique<Startup::NoConsoleDatabase>());
        const Host::StandaloneCollections collections =
            Host::standaloneCollections({options.accessLevel, options.dataPath.value_or(QString()), options.sitePath,
                                         options.siteName, options.singleInstance});
        addin.context().storePaths(collections.paths);
        addin.context().storeUser(collections.user);
        addin.context().storeFlags(collections.flags);
        automationObject.M_ExecAlert(options.alert);
    }
    return app.exec();
}
