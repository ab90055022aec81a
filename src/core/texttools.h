// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>
#include <QStringView>

namespace Voruvar::Core {

// Removes space characters (U+0020 only) at both ends; tabs and other white space stay.
inline QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin).toString();
}

} // namespace Voruvar::Core
