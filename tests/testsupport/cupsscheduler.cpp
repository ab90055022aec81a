// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "cupsscheduler.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <unistd.h>

namespace Voruvar::Testing {

namespace {

bool writeFile(const QString &path, const QByteArray &content, QFileDevice::Permissions permissions)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size() &&
           file.setPermissions(permissions);
}

// The CUPS programs, found on PATH or where Debian puts the administrators' ones (/usr/sbin is not
// on an ordinary user's PATH).
QString program(const QString &name)
{
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty()
               ? QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})
               : found;
}

constexpr QFileDevice::Permissions readable =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions executable =
    readable | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

} // namespace

CupsScheduler::CupsScheduler()
{
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
}

CupsScheduler::~CupsScheduler()
{
    stop();
}

bool CupsScheduler::writeConfiguration()
{
    const QDir dir(m_dir.path());
    for (const char *sub : {"spool", "tmp", "log", "cache", "state", "out"})
        if (!dir.mkpath(QString::fromLatin1(sub)))
            return false;
    // The scheduler runs its filters as an unprivileged user: when it runs as root (cupsd refuses
    // "User root") that is lp, which must reach the filter and the folders below. The temporary
    // folder is made for its owner alone, so it is opened for reading here; cupsd gives the
    // spool and cache folders to group lp itself.
    if (!QFile::setPermissions(m_dir.path(), executable | QFileDevice::WriteOwner))
        return false;
    // FileDevice lets printers write to a file: device URI, as the test printers do.
    QByteArray files = R"(ServerRoot @ROOT@
RequestRoot @ROOT@/spool
TempDir @ROOT@/tmp
CacheDir @ROOT@/cache
StateDir @ROOT@/state
AccessLog @ROOT@/log/access_log
ErrorLog @ROOT@/log/error_log
PageLog @ROOT@/log/page_log
Printcap @ROOT@/printcap
FileDevice Yes
)";
    if (::geteuid() == 0)
        files += "User lp\nGroup lp\n";
    QByteArray scheduler = R"(Listen @ROOT@/cups.sock
LogLevel debug
Browsing No
DefaultAuthType None
WebInterface No
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)";
    // A raw queue would hand a PDF job to no program at all, and the scheduler writes a file:
    // device's output only from the last program of the job: so the printers have a PPD whose
    // one filter passes the PDF through unchanged.
    const QByteArray filter = R"(#!/bin/sh
# The job's file is argument 6; without it, standard input.
if [ -n "$6" ]; then exec cat "$6"; else exec cat; fi
)";
    QByteArray ppd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "TESTPDF.PPD"
*Manufacturer: "Test"
*Product: "(Test)"
*ModelName: "Test PDF Printer"
*ShortNickName: "Test PDF Printer"
*NickName: "Test PDF Printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*cupsVersion: 2.4
*cupsFilter: "application/pdf 0 @ROOT@/passthrough"
*OpenUI *PageSize: PickOne
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: Letter
*ImageableArea Letter: "0 0 612 792"
*ImageableArea A4: "0 0 595 842"
*DefaultPaperDimension: Letter
*PaperDimension Letter: "612 792"
*PaperDimension A4: "595 842"
)ppd";
    const QByteArray root = QFile::encodeName(m_dir.path());
    for (QByteArray *text : {&files, &scheduler, &ppd})
        text->replace("@ROOT@", root);
    return writeFile(dir.filePath(QStringLiteral("cups-files.conf")), files, readable) &&
           writeFile(dir.filePath(QStringLiteral("cupsd.conf")), scheduler, readable) &&
           writeFile(dir.filePath(QStringLiteral("passthrough")), filter, executable) &&
           writeFile(dir.filePath(QStringLiteral("test.ppd")), ppd, readable);
}

bool CupsScheduler::start()
{
    if (!m_dir.isValid() || !writeConfiguration()) {
        m_error = QStringLiteral("Cannot write the scheduler's configuration in %1").arg(m_dir.path());
        return false;
    }
    m_cupsd.start(program(QStringLiteral("cupsd")),
                  {QStringLiteral("-f"), QStringLiteral("-c"), m_dir.filePath(QStringLiteral("cupsd.conf")),
                   QStringLiteral("-s"), m_dir.filePath(QStringLiteral("cups-files.conf"))});
    const bool answers = QTest::qWaitFor(
        [this] {
            if (!isRunning())
                return true;
            QLocalSocket probe;
            probe.connectToServer(socketPath());
            return probe.waitForConnected(200);
        },
        20000);
    if (!answers || !isRunning()) {
        m_error = QStringLiteral("cupsd did not start: %1\n%2")
                      .arg(QString::fromLocal8Bit(m_cupsd.readAll()), m_cupsd.errorString());
        QFile log(m_dir.filePath(QStringLiteral("log/error_log")));
        if (log.open(QIODevice::ReadOnly))
            m_error += QString::fromLocal8Bit(log.readAll().right(4000));
        stop();
        return false;
    }
    return true;
}

void CupsScheduler::stop()
{
    if (!isRunning())
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

void CupsScheduler::makeCurrent() const
{
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath()));
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
}

bool CupsScheduler::runTool(const QString &name, const QStringList &arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program(name), QStringList{QStringLiteral("-h"), socketPath()} + arguments);
    if (tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0)
        return true;
    m_error =
        QStringLiteral("%1 %2 failed: %3%4")
            .arg(name, arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(tool.readAll()), tool.errorString());
    return false;
}

bool CupsScheduler::addPrinter(const QString &name, bool asDefault)
{
    const QString device = QUrl::fromLocalFile(outputPath(name)).toString();
    if (!runTool(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                                             device, QStringLiteral("-P"), m_dir.filePath(QStringLiteral("test.ppd"))}))
        return false;
    return !asDefault || runTool(QStringLiteral("lpadmin"), {QStringLiteral("-d"), name});
}

bool CupsScheduler::setDefaultMedia(const QString &name, const QString &media)
{
    return runTool(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), name, QStringLiteral("-o"), QStringLiteral("media-default=") + media});
}

bool CupsScheduler::rejectJobs(const QString &name, const QString &reason)
{
    return runTool(QStringLiteral("cupsreject"), {QStringLiteral("-r"), reason, name});
}

bool CupsScheduler::stopPrinter(const QString &name, const QString &reason)
{
    return runTool(QStringLiteral("cupsdisable"), {QStringLiteral("-r"), reason, name});
}

QString CupsScheduler::outputPath(const QString &name) const
{
    return m_dir.filePath(QStringLiteral("out/") + name + QStringLiteral(".pdf"));
}

bool CupsScheduler::hasOutput(const QString &name) const
{
    QFile file(outputPath(name));
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).trimmed().endsWith("%%EOF");
}

QString CupsScheduler::pdfText(const QString &pdfPath)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace Voruvar::Testing
