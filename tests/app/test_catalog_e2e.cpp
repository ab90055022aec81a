// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The real `voruvar --automation`, copied with its web renderer plugin into a folder of its own
// beside the documents and USER.ADD, driven over the session bus: the alert's category is shown
// in the details pane, and WebEngine is loaded only for a document that needs it.
#include "jetfixturewriter.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString service = QStringLiteral("Voruvar.clsMain");
const QString path = QStringLiteral("/clsMain");

QDBusMessage callMethod(const QString &name, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, name);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, 5000);
}

QDBusMessage setCollection(const QString &property, const QStringList &texts)
{
    QVariantList items;
    for (const QString &text : texts)
        items << QVariant::fromValue(QDBusVariant(text));
    QDBusMessage message = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    message << service << property << QVariant::fromValue(QDBusVariant(QVariant::fromValue(items)));
    return QDBusConnection::sessionBus().call(message);
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The titles of the process's visible windows, as the X server has them.
QString windowTitles(qint64 pid)
{
    QString titles;
    const QString ids = run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                        QStringLiteral("--pid"), QString::number(pid)});
    for (const QString &id : ids.split(u'\n', Qt::SkipEmptyParts))
        titles += run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id});
    return titles;
}

bool webEngineMapped(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace

class TestCatalogEndToEnd : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_addin;
    QByteArray m_output;

    // R_PATH up to its sixth item, the folder of the host's database.
    QStringList dataPath() const { return QStringList(5, QString()) << m_dir.path(); }

    QString fileUrl(const QString &name) const { return QUrl::fromLocalFile(m_dir.filePath(name)).toString(); }

    void startAddin(const QString &locale = QString())
    {
        m_output.clear();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!locale.isEmpty())
            environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                           QStringLiteral("voruvar.platform.browserpane.info=true"));
        m_addin.setProcessEnvironment(environment);
        m_addin.setProgram(m_dir.filePath(QStringLiteral("voruvar")));
        m_addin.setArguments({QStringLiteral("--automation")});
        m_addin.setProcessChannelMode(QProcess::MergedChannels);
        connect(&m_addin, &QProcess::readyRead, this, [this] { m_output += m_addin.readAll(); });
        m_addin.start();
        QVERIFY(m_addin.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(service), 10000);
    }

    void dropAddin()
    {
        callMethod(QStringLiteral("Drop"));
        QVERIFY(m_addin.waitForFinished(5000));
        disconnect(&m_addin, nullptr, this, nullptr);
    }

    bool shown(const QString &url) const
    {
        return m_output.contains(QByteArray(QByteArray("Shown \"") + url.toUtf8() + '"'));
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString bin = qEnvironmentVariable("VORUVAR_BIN_DIR");
        for (const char *name : {"voruvar", "voruvar-jetread", "libvoruvar_webengine.so"})
            QVERIFY(QFile::copy(bin + u'/' + QLatin1String(name), m_dir.filePath(QLatin1String(name))));
        for (const char *name : {"voruvar", "voruvar-jetread"})
            QVERIFY(QFile::setPermissions(m_dir.filePath(QLatin1String(name)),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // The host's database, so the start reads its retry count without a retrieval error box.
        QVERIFY(Voruvar::Testing::JetFixtureWriter::keys(QStringLiteral("tundra"), Voruvar::Testing::JetType::Text,
                                                {{QStringLiteral("Retry_Count"), QStringLiteral("3")}})
                    .save(m_dir.filePath(QStringLiteral("z_udez.mdb"))));
        const QDir fixtures(qEnvironmentVariable("VORUVAR_SOURCE_DIR") + QStringLiteral("/tests/catalog/fixtures"));
        for (const QString &name : fixtures.entryList(QDir::Files))
            QVERIFY(QFile::copy(fixtures.filePath(name), m_dir.filePath(name)));
        QFile user(m_dir.filePath(QStringLiteral("USER.ADD")));
        QVERIFY(user.open(QIODevice::WriteOnly));
        user.write("Mine Shaft||mine.html\r\nzebra||nowhere.htm\r\n");
    }

    void init()
    {
        if (m_addin.state() != QProcess::NotRunning) {
            m_addin.kill();
            m_addin.waitForFinished();
        }
    }

    void alertNamingABuiltIn_showsItWithoutWebEngine()
    {
        startAddin();
        QCOMPARE(
            setCollection(QStringLiteral("R_FLAG"), QStringList(10, QString()) << QStringLiteral("North Plant")).type(),
            QDBusMessage::ReplyMessage);
        QCOMPARE(
            setCollection(QStringLiteral("R_PATH"), dataPath() << QString() << QStringLiteral("/sites/north")).type(),
            QDBusMessage::ReplyMessage);
        QCOMPARE(callMethod(QStringLiteral("M_ExecAlert"), {QStringLiteral("torx bits")}).type(),
                 QDBusMessage::ReplyMessage);
        QTRY_VERIFY2_WITH_TIMEOUT(shown(fileUrl(QStringLiteral("TX.DOX"))), m_output.constData(), 15000);
        QTRY_VERIFY2_WITH_TIMEOUT(windowTitles(m_addin.processId()).contains(u"RURARO™ Voruvar - North Plant"),
                                  qPrintable(windowTitles(m_addin.processId())), 10000);
        // Painted, and still no web renderer in the process.
        QTRY_VERIFY2_WITH_TIMEOUT(m_output.contains(QByteArray(QByteArray("Painted \"") + fileUrl(QStringLiteral("TX.DOX")).toUtf8() + '"')),
                                  m_output.constData(), 10000);
        QVERIFY(!webEngineMapped(m_addin.processId()));
        dropAddin();
    }

    void alertNamingAUserEntry_showsItsDocument()
    {
        startAddin();
        QCOMPARE(setCollection(QStringLiteral("R_PATH"), dataPath()).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(callMethod(QStringLiteral("M_ExecAlert"), {QStringLiteral(" mine shaft ")}).type(),
                 QDBusMessage::ReplyMessage);
        const QByteArray expected =
            QByteArray("Shown \"") + fileUrl(QStringLiteral("mine.html")).toUtf8() + "\" \"Mine shaft formulas\"";
        QTRY_VERIFY2_WITH_TIMEOUT(m_output.contains(expected), m_output.constData(), 60000);
        QVERIFY(webEngineMapped(m_addin.processId()));
        QVERIFY(!m_output.contains("Invalid Reference"));
        dropAddin();
    }

    // With a comma as the locale's decimal separator, the settings line "1.5" still reads as
    // one and a half, not as 1: the built-in categories stay listed.
    void settingsUnderACommaLocale_readWithThePoint()
    {
        const QString settings = m_dir.filePath(QStringLiteral("DARUD.DCT"));
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0\r\n0\r\n1.5\r\n");
        file.close();
        startAddin(QStringLiteral("de_DE.UTF-8"));
        QCOMPARE(setCollection(QStringLiteral("R_PATH"), dataPath()).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(callMethod(QStringLiteral("M_ExecAlert"), {QStringLiteral("TORX BITS")}).type(),
                 QDBusMessage::ReplyMessage);
        QTRY_VERIFY2_WITH_TIMEOUT(shown(fileUrl(QStringLiteral("TX.DOX"))), m_output.constData(), 15000);
        QFile::remove(settings);
        dropAddin();
    }

    void cleanupTestCase()
    {
        if (m_addin.state() != QProcess::NotRunning) {
            m_addin.kill();
            m_addin.waitForFinished();
        }
    }
};

QTEST_GUILESS_MAIN(TestCatalogEndToEnd)
#include "test_catalog_e2e.moc"
