// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "hostlibraryobject.h"

#include <memory>

namespace Voruvar::Host {

// The host's automation library, "dovavirev.clsRuraro": makes a fresh object for every use.
class HostLibrary
{
public:
    virtual ~HostLibrary() = default;
    // A new object, or null with `failure` saying why none could be made. The library must
    // outlive the objects it makes.
    virtual std::unique_ptr<HostLibraryObject> CreateObject(Core::ErrorDetail &failure) = 0;
    // Whether the library is there to be asked at all (its service on the bus).
    virtual bool present() const { return true; }
};

} // namespace Voruvar::Host
