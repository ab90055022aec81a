// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "jetdatabase.h"

#include <QByteArray>
#include <QString>

namespace Voruvar::Platform {

// What the reader program voruvar-jetread printed, read as the outcome of one lookup. Its last
// line counts: "ROW NULL", "ROW NUMBER <value>", "ROW TEXT <UTF-8 as hex>", "NOROW" or
// "FAIL <number> <description>"; anything else is a garbled answer. file names the database
// in the failure's description.
JetKeyRead readerAnswer(const QByteArray &output, const QString &file);

} // namespace Voruvar::Platform
