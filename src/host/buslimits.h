// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

class QDBusConnection;

namespace Voruvar::Host {

// Keeps a bus connection reading whatever its peers send. The D-Bus library stops reading from
// its socket while the messages it has read and not yet freed pass a limit (63 MiB by default)
// and starts again when they are freed; Qt 6.4 starts it again only when that happens on its
// own D-Bus thread, so a peer that sends a message of 64 MiB or more (which the session bus
// carries) would otherwise leave the connection deaf for good: no call answered, no answer
// received. The limit is raised past several of the largest messages the bus can carry.
void keepReadingLargeMessages(const QDBusConnection &bus);

} // namespace Voruvar::Host
