// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/jetdatabase.h"

namespace Voruvar::Startup {

// The console database of a start without a console and without a database named on the
// command line: it holds no keys, so every read finds no row and the start takes the defaults
// (a retry count of 50) without a report. Nothing is opened.
class NoConsoleDatabase final : public Platform::JetDatabase
{
public:
    Platform::JetKeyRead readKey(const Platform::JetKeyQuery &) override { return Platform::JetKeyRead::noRow(); }
};

} // namespace Voruvar::Startup
