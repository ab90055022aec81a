// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "host/hostlibrary.h"
#include "host/hostlibraryfailure.h"

#include <QSet>
#include <QStringList>

namespace Voruvar::Testing {

// A host library that records every call as "member(arguments)" and fails the members named in
// `failing` with the Refused detail "<member> refused" (the first `failuresLeft` times, or always
// when it is negative).
class FakeHostLibrary final : public Host::HostLibrary
{
public:
    std::unique_ptr<Host::HostLibraryObject> CreateObject(Core::ErrorDetail &failure) override
    {
        calls.append(QStringLiteral("CreateObject"));
        if (const Host::HostFailure refused = outcome(QStringLiteral("CreateObject"))) {
            failure = *refused;
            return nullptr;
        }
        return std::make_unique<Object>(*this);
    }

    Host::HostFailure outcome(const QString &member)
    {
        if (!failing.contains(member) || failuresLeft == 0)
            return std::nullopt;
        if (failuresLeft > 0)
            --failuresLeft;
        return Core::ErrorDetail{Host::hostLibraryService, int(Host::HostLibraryFailure::Refused),
                                 member + QStringLiteral(" refused")};
    }

    QStringList calls;
    QSet<QString> failing;
    int failuresLeft = -1;

private:
    class Object final : public Host::HostLibraryObject
    {
    public:
        explicit Object(FakeHostLibrary &library) : m_library(library) {}
        Host::HostFailure setDTFormat(const QString &f) override { return record(u"setDTFormat", {f}); }
        Host::HostFailure RuraroPath(const QString &p) override { return record(u"RuraroPath", {p}); }
        Host::HostFailure writeLog(const QString &e, const QString &u) override { return record(u"writeLog", {e, u}); }
        Host::HostFailure DetUser(const QString &a, const QString &b, const QString &c, const QString &d) override
        {
            return record(u"DetUser", {a, b, c, d});
        }
        Host::HostFailure RemCreate(const Host::ReminderArguments &a) override
        {
            return record(u"RemCreate",
                          {a.hostPath5, a.accountName, a.today, a.dueDate, a.fifth, QString::number(a.remArg6),
                           a.addinClass, a.subject, a.accountId, a.hostPath2});
        }
        Host::HostFailure gBrowser(const QString &address, qint16 second, qint16 third) override
        {
            return record(u"gBrowser", {address, QString::number(second), QString::number(third)});
        }
        Host::HostFailure Release() override { return record(u"Release", {}); }

    private:
        Host::HostFailure record(QStringView member, const QStringList &arguments)
        {
            m_library.calls.append(member.toString() + QLatin1Char('(') + arguments.join(QStringLiteral(", ")) +
                                   QLatin1Char(')'));
            return m_library.outcome(member.toString());
        }
        FakeHostLibrary &m_library;
    };
};

} // namespace Voruvar::Testing
