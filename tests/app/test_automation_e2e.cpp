// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// Drives the real `voruvar --automation` over the session bus, as a host console does, and
// looks at its windows on the X server.
#include <QClipboard>
#include <QDir>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "standinstore.h"

#include <algorithm>

namespace {

const QString service = QStringLiteral("Voruvar.clsMain");
const QString path = QStringLiteral("/clsMain");

QString program()
{
    return qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar");
}

QVariant item(const QVariant &value)
{
    return QVariant::fromValue(QDBusVariant(value));
}

QVariant dateItem(double days)
{
    QDBusArgument argument;
    argument.beginStructure();
    argument << days;
    argument.endStructure();
    return item(QVariant::fromValue(argument));
}

QDBusMessage callMethod(const QString &name, const QVariantList &arguments = {}, int timeout = 5000)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, name);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, timeout);
}

QDBusMessage setCollection(const QString &property, const QVariantList &items)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Set"));
    message << service << property << QVariant::fromValue(QDBusVariant(QVariant::fromValue(items)));
    return QDBusConnection::sessionBus().call(message);
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

struct Window
{
    QString id;
    QString title;
    QSize size;
};

// The visible top-level windows of a process, as the X server has them.
QList<Window> visibleWindows(qint64 pid)
{
    QList<Window> windows;
    const QStringList ids = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                          QStringLiteral("--pid"), QString::number(pid)})
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &id : ids) {
        Window window{id, run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id}), {}};
        const QString geometry = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), id});
        const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)")).match(geometry);
        if (size.hasMatch())
            window.size = QSize(size.captured(1).toInt(), size.captured(2).toInt());
        windows.append(window);
    }
    return windows;
}

// The main window opens at its design client size, 13785 x 8940 twips.
bool mainWindowVisible(qint64 pid, int *count = nullptr)
{
    int found = 0;
    for (const Window &window : visibleWindows(pid))
        found += window.size == QSize(919, 596) ? 1 : 0;
    if (count)
        *count = found;
    return found == 1;
}

// The id of the process's visible window with this title; empty when there is none.
QString windowNamed(qint64 pid, const QString &title)
{
    for (const Window &window : visibleWindows(pid))
        if (window.title == title)
            return window.id;
    return {};
}

// Presses Return in the visible window of the process with this title (a message box's OK).
bool pressReturnIn(qint64 pid, const QString &title)
{
    for (const Window &window : visibleWindows(pid)) {
        if (window.title == title) {
            run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window.id,
                                            QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                                            QStringLiteral("Return")});
            return true;
        }
    }
    return false;
}

QString unwrapText(const QVariant &value)
{
    return value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant().toString() : value.toString();
}

} // namespace

class TestAutomationEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(program()), qPrintable(program()));
        m_addin.setProgram(program());
        m_addin.setArguments({QStringLiteral("--automation")});
        m_addin.setProcessChannelMode(QProcess::ForwardedChannels);
        m_addin.start();
        QVERIFY(m_addin.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(service), 10000);
        // The host's data folder given below holds no database: every start reports TB101. Close
        // those boxes as a user would, so the starts go on.
        // Only while it runs: a process id of 0 would match the windows of every process.
        connect(&m_retrievalBoxCloser, &QTimer::timeout, this, [this] {
            if (m_addin.state() == QProcess::Running)
                pressReturnIn(m_addin.processId(), QStringLiteral("TB101 : Retrieval Error"));
        });
        m_retrievalBoxCloser.start(150);
    }

    void membersBeforeAnyProperty_answer()
    {
        QCOMPARE(callMethod(QStringLiteral("Identify")).arguments().value(0).toString().right(7), QStringLiteral("Voruvar"));
        QCOMPARE(callMethod(QStringLiteral("CLOC")).arguments().value(0).toString(), qEnvironmentVariable("VORUVAR_BIN_DIR"));
    }

    void properties_everyKindOfValue_neverAnError()
    {
        const QVariantList paths{item(QStringLiteral("p1")), item(QStringLiteral("p2")), item(42), item(2.5),
                                 item(true), item(QStringLiteral("/nonexistent")), dateItem(46000.5),
                                 item(QStringLiteral("  "))};
        QVariantList user;
        for (int i = 1; i <= 13; ++i)
            user << item(QStringLiteral("user %1").arg(i));
        user << item(2) << dateItem(45000.0) << item(QVariantList()) << item(QStringLiteral("1"));
        user << item(QStringLiteral("an 18th item is ignored"));
        const QVariantList flags{item(QStringList{QStringLiteral("nested")}), item(QVariantList()),
                                 item(QVariant::fromValue(quint8(3))), item(qlonglong(1) << 40),
                                 item(300), item(true), item(QStringLiteral("1")), item(QStringLiteral("7")),
                                 item(QString(2 * 1024 * 1024, QLatin1Char('x'))), item(QStringLiteral("MM/dd/yyyy")),
                                 item(QStringLiteral("North Plant"))};
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(setCollection(QStringLiteral("R_FLAG"), flags).type(), QDBusMessage::ReplyMessage);
            QCOMPARE(setCollection(QStringLiteral("R_USER"), user).type(), QDBusMessage::ReplyMessage);
            QCOMPARE(setCollection(QStringLiteral("R_PATH"), paths).type(), QDBusMessage::ReplyMessage);
        }
        QCOMPARE(setCollection(QStringLiteral("R_PATH"), {}).type(), QDBusMessage::ReplyMessage);
    }

    void textMembers()
    {
        const QString identify = callMethod(QStringLiteral("Identify")).arguments().value(0).toString();
        QCOMPARE(identify.size(), 11);
        QVERIFY(callMethod(QStringLiteral("Ping")).arguments().value(0).toString().startsWith(u"Voruvar v.3.7.1\r\n"));
        const QVariantList author = qdbus_cast<QVariantList>(callMethod(QStringLiteral("Author")).arguments().value(0));
        QCOMPARE(author.size(), 3);
        QCOMPARE(unwrapText(author[0]), QStringLiteral("Zederiro Systems"));
        const QVariantList description =
            qdbus_cast<QVariantList>(callMethod(QStringLiteral("Register")).arguments().value(0));
        QCOMPARE(description.size(), 6);
        QCOMPARE(unwrapText(description[1]), QStringLiteral("Version 3.7"));
        for (const char *name : {"CLOC", "DLOC", "ELOC"})
            QCOMPARE(callMethod(QString::fromLatin1(name)).arguments().value(0).toString(),
                     qEnvironmentVariable("VORUVAR_BIN_DIR"));
        QCOMPARE(callMethod(QStringLiteral("SetOverride"), {QStringLiteral("x"), QStringLiteral("wrong")}).type(),
                 QDBusMessage::ReplyMessage);
    }

    void coLogPic_putsTheLogoOnTheClipboard()
    {
        QGuiApplication::clipboard()->clear();
        const QDBusMessage reply = callMethod(QStringLiteral("coLogPic"));
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(reply.arguments().value(0).toString(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->image().size(), QSize(188, 47), 5000);
    }

    void execAlert_opensTheMainWindow()
    {
        // How soon the call returns is measured by bench_start.
        const QDBusMessage reply = callMethod(QStringLiteral("M_ExecAlert"), {QStringLiteral(" torx bits ")});
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        // Until the category list is built there is no "TORX BITS" to select: close the box.
        bool pressed = false;
        QTRY_VERIFY_WITH_TIMEOUT(pressed || mainWindowVisible(m_addin.processId()) ||
                                     (pressed = pressReturnIn(m_addin.processId(), QStringLiteral("Invalid Reference"))),
                                 10000);
        QTRY_VERIFY_WITH_TIMEOUT(mainWindowVisible(m_addin.processId()), 10000);
    }

    void burstOfExecutes_keepsOneWindow()
    {
        for (int i = 0; i < 50; ++i) {
            QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("M_Execute"));
            QDBusConnection::sessionBus().send(message);
        }
        QCOMPARE(callMethod(QStringLiteral("Ping")).type(), QDBusMessage::ReplyMessage);
        int mainWindows = 0;
        QTRY_VERIFY_WITH_TIMEOUT(mainWindowVisible(m_addin.processId(), &mainWindows), 10000);
        QCOMPARE(mainWindows, 1);
        QCOMPARE(m_addin.state(), QProcess::Running);
    }

    void secondCopyForbidden_showsTheBoxAndEnds()
    {
        QProcess second;
        second.setProgram(program());
        second.setArguments({QStringLiteral("--single-instance")});
        second.start();
        QVERIFY(second.waitForStarted());
        bool pressed = false;
        QTRY_VERIFY_WITH_TIMEOUT(
            pressed || (pressed = pressReturnIn(second.processId(), QStringLiteral("Multiple Instances Prohibited"))),
            10000);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!mainWindowVisible(second.processId()));
    }

    void drop_endsTheProcess()
    {
        const QDBusMessage reply = callMethod(QStringLiteral("Drop"), {}, 5000);
        QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
        QVERIFY(m_addin.waitForFinished(5000));
        QCOMPARE(m_addin.exitStatus(), QProcess::NormalExit);
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(service));
    }

    // The stand-in host executes the add-in from a profile, as the console does, and keeps what
    // the add-in writes to the console's log; it ends when the add-in ends.
    void standinHost_executesTheAddinFromAProfile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("data")));
        const QString profile = dir.filePath(QStringLiteral("admin.ini"));
        QFile file(profile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[R_PATH]\n4=/opt/ruraro\n6=${PROFILE_DIR}/data\n8=NORTH\n"
                   "[R_USER]\n1=DADMIN\n2=Dana Admin\n3=Supervisor\n14=2\n17=1\n"
                   "[R_FLAG]\n10=MM/dd/yyyy\n11=North Plant\n");
        file.close();
        const QString host = qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar-standin-host");
        const QString store = dir.filePath(QStringLiteral("store.sqlite"));

        QProcess console;
        console.setProcessChannelMode(QProcess::ForwardedChannels);
        console.start(host, {QStringLiteral("--store"), store, QStringLiteral("--profile"), profile,
                             QStringLiteral("--addin"), program(), QStringLiteral("--browser"), QStringLiteral("true")});
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(service), 10000);
        const qint64 pid = QDBusConnection::sessionBus().interface()->servicePid(service).value();
        QVERIFY(pid > 0);

        // A first start without the console's database reports TB101 once the database is read.
        bool pressed = false; // the macro tests its condition once more after it held
        QTRY_VERIFY_WITH_TIMEOUT(pressed || (pressed = pressReturnIn(pid, QStringLiteral("TB101 : Retrieval Error"))),
                                 15000);
        QTRY_VERIFY_WITH_TIMEOUT(mainWindowVisible(pid), 15000);
        QCOMPARE(console.state(), QProcess::Running);

        callMethod(QStringLiteral("Drop"));
        QVERIFY(console.waitForFinished(10000));
        QCOMPARE(console.exitCode(), 0);

        Voruvar::Standin::StandinStore records;
        QString error;
        QVERIFY2(records.open(store, &error), qPrintable(error));
        const QList<Voruvar::Standin::LogEntry> entries = records.logEntries();
        QVERIFY(!entries.isEmpty());
        for (const Voruvar::Standin::LogEntry &entry : entries) {
            QVERIFY2(entry.entry.endsWith(u" (Voruvar)"), qPrintable(entry.entry));
            QCOMPARE(entry.user, QStringLiteral("Dana Admin"));
            QCOMPARE(entry.hostPath, QStringLiteral("/opt/ruraro"));
            QCOMPARE(entry.dateFormat, QStringLiteral("MM/dd/yyyy"));
        }
        QVERIFY(std::any_of(entries.begin(), entries.end(), [](const Voruvar::Standin::LogEntry &entry) {
                return entry.entry == u"ERROR: TB101 : Retrieval Error (Voruvar)";
            }));

        QProcess print;
        print.start(host, {QStringLiteral("--store"), store, QStringLiteral("--print")});
        QVERIFY(print.waitForFinished(10000));
        QCOMPARE(print.exitCode(), 0);
        const QByteArray heading = "Log entries: " + QByteArray::number(entries.size());
        QVERIFY(print.readAllStandardOutput().startsWith(heading));
    }

private:
    // The stand-in console with the example administrator's profile (which opens TORX BITS),
    // its database folder empty: the start's TB101 box is closed and the main window waited for.
    struct Console
    {
        QTemporaryDir dir;
        QProcess process;
        QString store;
        qint64 pid = 0;
        QString mainWindow;
    };

    void startConsole(Console &console, const QString &browser)
    {
        QVERIFY(QDir(console.dir.path()).mkdir(QStringLiteral("data")));
        const QString profile = console.dir.filePath(QStringLiteral("admin.ini"));
        QFile source(qEnvironmentVariable("VORUVAR_SOURCE_DIR") +
                     QStringLiteral("/tools/standin-host/profiles/administrator.ini"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QByteArray text = source.readAll();
        text.replace("; Alert=TORX BITS", "Alert=TORX BITS");
        QFile file(profile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        console.store = console.dir.filePath(QStringLiteral("store.sqlite"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")); // dates with "/"
        console.process.setProcessEnvironment(environment);
        console.process.setProcessChannelMode(QProcess::ForwardedChannels);
        console.process.start(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar-standin-host"),
                              {QStringLiteral("--store"), console.store, QStringLiteral("--profile"), profile,
                               QStringLiteral("--addin"), program(), QStringLiteral("--browser"), browser});
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(service), 10000);
        console.pid = QDBusConnection::sessionBus().interface()->servicePid(service).value();
        bool pressed = false; // the macro tests its condition once more after it held
        QTRY_VERIFY_WITH_TIMEOUT(
            pressed || (pressed = pressReturnIn(console.pid, QStringLiteral("TB101 : Retrieval Error"))), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(mainWindowVisible(console.pid), 15000);
        for (const Window &window : visibleWindows(console.pid))
            if (window.size == QSize(919, 596))
                console.mainWindow = window.id;
    }

    // Clicks at a point of a window, in its own coordinates.
    static void clickIn(const QString &window, int x, int y)
    {
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                                        QString::number(x), QString::number(y), QStringLiteral("click"),
                                        QStringLiteral("1")});
    }

    void stopConsole(Console &console)
    {
        callMethod(QStringLiteral("Drop"));
        QVERIFY(console.process.waitForFinished(10000));
    }

private Q_SLOTS:
    // The administrator's profile opens TORX BITS; the reminder button sends it to the console,
    // which keeps it with the ten values in their order (the sixth a byte, or no call matches).
    void standinHost_reminderForTorxBits_reachesTheConsole()
    {
        Console console;
        startConsole(console, QStringLiteral("true"));
        clickIn(console.mainWindow, 18, 84); // the reminder button, in the content frame's corner
        const QString store = console.store;
        Voruvar::Standin::StandinStore records;
        QString error;
        QVERIFY2(records.open(store, &error), qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(records.reminders().size(), 1, 10000);
        const QDate today = QDate::currentDate();
        const auto us = [](const QDate &date) { return date.toString(QStringLiteral("MM/dd/yyyy")); };
        const Voruvar::Standin::ReminderRecord reminder = records.reminders().first();
        QCOMPARE(reminder.user, (QStringList{QStringLiteral("Dana Admin"), QStringLiteral("MAINT"),
                                             QStringLiteral("Maintenance Supervisor"), QStringLiteral("DADMIN")}));
        QCOMPARE(reminder.arguments,
                 (QStringList{QStringLiteral("/opt/ruraro/tasks"), QStringLiteral("Dana Admin"), us(today),
                              us(today.addDays(7)), QString(), QStringLiteral("1"), QStringLiteral("VORUVAR.CLSMAIN"),
                              QStringLiteral("TORX BITS"), QStringLiteral("DADMIN"),
                              QStringLiteral("/opt/ruraro/reminders")}));
        QCOMPARE(reminder.dateFormat, QStringLiteral("MM/dd/yyyy"));
        stopConsole(console);
    }

    // The banner opens the about window; its link asks the console to open the maker's site.
    // A console that cannot (its browser is missing) gets the one TB700 entry after the attempts.
    void standinHost_aboutLink_data()
    {
        QTest::addColumn<QString>("browser");
        QTest::addColumn<bool>("opened");
        QTest::newRow("console opens it") << "true" << true;
        QTest::newRow("console fails every time") << "/nonexistent/browser" << false;
    }

    void standinHost_aboutLink()
    {
        QFETCH(QString, browser);
        QFETCH(bool, opened);
        Console console;
        startConsole(console, browser);
        clickIn(console.mainWindow, 771, 32); // the banner
        QString about;
        QTRY_VERIFY_WITH_TIMEOUT(!(about = windowNamed(console.pid, QStringLiteral("About Ruraro Voruvar"))).isEmpty(),
                                 10000);
        clickIn(about, 300, 279); // the link, after the invitation's last words
        Voruvar::Standin::StandinStore records;
        QString error;
        QVERIFY2(records.open(console.store, &error), qPrintable(error));
        const QString site = QStringLiteral("https://www.zederiro.example/voruvar");
        if (opened) {
            QTRY_COMPARE_WITH_TIMEOUT(records.addresses().size(), 1, 10000);
            QCOMPARE(records.addresses().first().address, site);
            QVERIFY(records.addresses().first().opened);
        } else {
            bool pressed = false;
            QTRY_VERIFY_WITH_TIMEOUT(
                pressed || (pressed = pressReturnIn(console.pid, QStringLiteral("TB700 : DLL Call Failure"))), 10000);
            const auto tb700 = [&records] {
                int count = 0;
                for (const Voruvar::Standin::LogEntry &entry : records.logEntries())
                    count += entry.entry == u"ERROR: TB700 : DLL Call Failure (Voruvar)" ? 1 : 0;
                return count;
            };
            QTRY_COMPARE_WITH_TIMEOUT(tb700(), 1, 10000);
            QVERIFY(!records.addresses().isEmpty()); // each attempt reached the console
            QVERIFY(!records.addresses().first().opened);
        }
        stopConsole(console);
    }

    void standinHost_badProfile_endsWithItsReason()
    {
        QTemporaryDir dir;
        const QString profile = dir.filePath(QStringLiteral("bad.ini"));
        QFile file(profile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[R_USER]\n2=Dana\nzero=1\n");
        file.close();
        QProcess console;
        console.start(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar-standin-host"),
                      {QStringLiteral("--store"), dir.filePath(QStringLiteral("s.sqlite")), QStringLiteral("--profile"),
                       profile});
        QVERIFY(console.waitForFinished(10000));
        QCOMPARE(console.exitCode(), 1);
        QVERIFY(console.readAllStandardError().contains("bad.ini, line 3: item number 'zero'"));
        QVERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(service));
    }

    void cleanupTestCase()
    {
        if (m_addin.state() != QProcess::NotRunning) {
            m_addin.kill();
            m_addin.waitForFinished();
        }
    }

private:
    QProcess m_addin;
    QTimer m_retrievalBoxCloser;
};

QTEST_MAIN(TestAutomationEndToEnd)
#include "test_automation_e2e.moc"
