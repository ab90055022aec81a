// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Host {

// The bus name of the host's automation library; every failure of a host-library call names it
// as the failing component.
inline const QString hostLibraryService = QStringLiteral("dovavirev.clsRuraro");

// The number a failed host-library call reports, one per kind of failure. These are the numbers
// users read in "(dovavirev.clsRuraro: <number>: <message>)"; keep them stable.
enum class HostLibraryFailure : int {
    NoBus = 1,          // no session bus to reach the host on
    ServiceMissing = 2, // nothing serves dovavirev.clsRuraro and the bus cannot start it
    ObjectMissing = 3,  // the object is gone: released, or made by a host that has ended
    MemberMissing = 4,  // the object lacks the member, or the member takes other arguments
    NoReply = 5,        // no answer within the call timeout, or the host ended without answering;
                        // also every call while the host is being left alone after such a silence
    Refused = 6,        // the host answered the call with an error of its own
    BadReply = 7,       // CreateObject answered with something that is not an object path
};

} // namespace Voruvar::Host
