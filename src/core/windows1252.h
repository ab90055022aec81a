// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QByteArrayView>
#include <QString>

namespace Voruvar::Core {

// The Western single-byte code page of the add-in's own text files. Every byte decodes to one
// character; the five bytes the code page leaves unassigned decode to the control character of
// the same number, as Windows does.
class Windows1252 final
{
public:
    Windows1252() = delete;
    static QString decode(QByteArrayView bytes);
};

} // namespace Voruvar::Core
