// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QProcess>
#include <QStringList>
#include <QTest>

namespace Voruvar::Testing {

// Values a careless or hostile peer sets where a collection (an array of variants) belongs,
// written as gdbus reads them: every array type a binding infers from its contents, nested and
// empty arrays, maps, and single values of every basic type.
struct WrongCollection
{
    const char *signature;
    const char *text;
};

inline const QList<WrongCollection> &wrongCollections()
{
    static const QList<WrongCollection> values = {
        {"ai", "<[1, 2]>"},
        {"ab", "<[true, false]>"},
        {"ad", "<[1.5, 2.0]>"},
        {"ax", "<[int64 1, 2]>"},
        {"an", "<[int16 1, 2]>"},
        {"aq", "<[uint16 1]>"},
        {"au", "<[uint32 1]>"},
        {"at", "<[uint64 1]>"},
        {"ay", "<[byte 1, 2]>"},
        {"as", "<['a', 'b']>"},
        {"ao", "<[objectpath '/a']>"},
        {"ag", "<[signature 's']>"},
        {"a(d)", "<[(1.0,)]>"},
        {"aai", "<[[1], [2]]>"},
        {"aav", "<[[<'a'>]]>"},
        {"a{sv}", "<{'a': <1>}>"},
        {"a{is}", "<{1: 'a'}>"},
        {"empty ai", "<@ai []>"},
        {"empty aai", "<@aai []>"},
        {"empty a{sv}", "<@a{sv} {}>"},
        {"s", "<'x'>"},
        {"b", "<true>"},
        {"y", "<byte 1>"},
        {"n", "<int16 1>"},
        {"q", "<uint16 1>"},
        {"i", "<1>"},
        {"u", "<uint32 1>"},
        {"x", "<int64 1>"},
        {"t", "<uint64 1>"},
        {"d", "<1.5>"},
        {"o", "<objectpath '/a'>"},
        {"g", "<signature 's'>"},
        {"v", "<<'x'>>"},
        {"(d)", "<(1.0,)>"},
        {"(av)", "<([<'x'>],)>"},
    };
    return values;
}

// Sets a property of Voruvar.clsMain with gdbus, from a process of its own, while this thread's
// event loop keeps running (it may be the one serving the call). Returns gdbus's exit code: 0
// when the call was answered with success.
inline int setPropertyWithGdbus(const QString &property, const QString &value)
{
    QProcess gdbus;
    gdbus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    gdbus.start(QStringLiteral("gdbus"),
                {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"),
                 QStringLiteral("Voruvar.clsMain"), QStringLiteral("--object-path"), QStringLiteral("/clsMain"),
                 QStringLiteral("--timeout"), QStringLiteral("5"), QStringLiteral("--method"),
                 QStringLiteral("org.freedesktop.DBus.Properties.Set"), QStringLiteral("Voruvar.clsMain"), property,
                 value});
    if (!gdbus.waitForStarted())
        return -1;
    if (!QTest::qWaitFor([&gdbus] { return gdbus.state() == QProcess::NotRunning; }, 10000))
        return -1;
    return gdbus.exitStatus() == QProcess::NormalExit ? gdbus.exitCode() : -1;
}

} // namespace Voruvar::Testing
