// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "hostlibrary.h"

#include <QDBusConnection>
#include <QElapsedTimer>

#include <chrono>

class QDBusMessage;

namespace Voruvar::Host {

// The host library over D-Bus: CreateObject on dovavirev.clsRuraro at /clsRuraro, then plain
// method calls (and one Properties.Set for setDTFormat) on the object it returns, each one
// message and its reply, never an introspection. Every call waits at most the call timeout;
// after a call the host let time out, the host is left alone for the quiet time and calls fail
// at once, so a hung host cannot hold the add-in for a timeout per call of a retry loop.
class DBusHostLibrary final : public HostLibrary
{
public:
    static constexpr std::chrono::milliseconds defaultCallTimeout{3000};
    static constexpr std::chrono::milliseconds defaultQuietTime{10000};

    explicit DBusHostLibrary(QDBusConnection bus = QDBusConnection::sessionBus(),
                             std::chrono::milliseconds callTimeout = defaultCallTimeout,
                             std::chrono::milliseconds quietTime = defaultQuietTime);

    std::unique_ptr<HostLibraryObject> CreateObject(Core::ErrorDetail &failure) override;
    bool present() const override;

    // Sends one call and waits for its reply; the failure, if any, as the error detail.
    HostFailure call(const QDBusMessage &message, QDBusMessage *reply = nullptr);

private:
    QDBusConnection m_bus;
    int m_callTimeoutMs;
    std::chrono::milliseconds m_quietTime;
    QElapsedTimer m_sinceSilence; // valid after the host left a call unanswered
};

} // namespace Voruvar::Host
