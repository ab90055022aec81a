// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "buslimits.h"

#include <QDBusConnection>

#include <dbus/dbus.h>

namespace Voruvar::Host {

namespace {
// Four messages of the largest size the D-Bus library accepts (128 MiB each).
constexpr long receivedLimit = 4L * DBUS_MAXIMUM_MESSAGE_LENGTH;
} // namespace

void keepReadingLargeMessages(const QDBusConnection &bus)
{
    if (auto *connection = static_cast<DBusConnection *>(bus.internalPointer()))
        dbus_connection_set_max_received_size(connection, receivedLimit);
}

} // namespace Voruvar::Host
