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
// at once, so a hung host cannot hold the add-in for a timeout per call of a retry loop. Likewise,
// once the bus has said that no library is there, calls fail at once for a short while without
// asking again, so a retry loop of thousands of attempts does not keep the bus busy.
class DBusHostLibrary final : public HostLibrary
{
public:
    static constexpr std::chrono::milliseconds defaultCallTimeout{3000};
    static constexpr std::chrono::milliseconds defaultQuietTime{10000};
    static constexpr std::chrono::milliseconds missingHold{2000};

    explicit DBusHostLibrary(QDBusConnection bus = QDBusConnection::sessionBus(),
                             std::chrono::milliseconds callTimeout = defaultCallTimeout,
                             std::chrono::milliseconds quietTime = defaultQuietTime);

    std::unique_ptr<HostLibraryObject> CreateObject(Core::ErrorDetail &failure) override;
    bool present() const override;

    // Sends one call and waits for its reply; the failure, if any, as the error detail.
    HostFailure call(const QDBusMessage &message, QDBusMessage *reply = nullptr);

    // How many calls went out on the bus; for tests and measurements.
    int callsSent() const { return m_callsSent; }

private:
    QDBusConnection m_bus;
    int m_callTimeoutMs;
    std::chrono::milliseconds m_quietTime;
    QElapsedTimer m_sinceSilence; // valid after the host left a call unanswered
    QElapsedTimer m_sinceMissing; // valid after the bus said no library is there
    Core::ErrorDetail m_missing;
    int m_callsSent = 0;
};

} // namespace Voruvar::Host
