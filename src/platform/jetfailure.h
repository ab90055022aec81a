// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/errordetail.h"

#include <QString>

namespace Voruvar::Platform {

// Every way reading a key from a Jet database can fail, with the number that goes into the
// error detail ("component: number: description"). The numbers are fixed: they appear in
// users' reports and the host's log, so a kind never changes its number.
//
// | number | kind            | when                                                              |
// |--------|-----------------|-------------------------------------------------------------------|
// | 3101   | FileMissing     | no file at the path (or the path is a folder)                     |
// | 3102   | FileUnreadable  | the file exists but cannot be opened or read (permissions, I/O)   |
// | 3103   | NotJet          | the header is not that of a Jet database (too short, other data)  |
// | 3104   | Unsupported     | a Jet header of a format not read here (Access 2007 and later)    |
// | 3105   | WrongPassword   | the database password is not the one expected                     |
// | 3106   | Locked          | another program has the file open exclusively (whole-file lock)   |
// | 3107   | Damaged         | the reader cannot open the file or its catalog                    |
// | 3108   | TableMissing    | no table of that name                                             |
// | 3109   | ColumnMissing   | the table lacks the key or the value column                       |
// | 3110   | KeyNotText      | the key column is not a text column, so no key can match          |
// | 3111   | ValueType       | the value's column type is neither text nor a number              |
// | 3112   | ValueNull       | the value is null                                                 |
// | 3113   | ValueNotNumber  | the value is text that is not a number                            |
// | 3114   | ValueOutOfRange | the value, rounded, lies outside -32768..32767                    |
// | 3115   | ReaderCrashed   | the reader process ended abnormally (signal or unexpected exit)   |
// | 3116   | ReaderTimedOut  | the reader process did not finish within its time limit           |
// | 3117   | ReaderMissing   | the reader program could not be started                           |
// | 3118   | ReaderGarbled   | the reader process answered something that is not an answer       |
enum class JetFailure {
    FileMissing = 3101,
    FileUnreadable = 3102,
    NotJet = 3103,
    Unsupported = 3104,
    WrongPassword = 3105,
    Locked = 3106,
    Damaged = 3107,
    TableMissing = 3108,
    ColumnMissing = 3109,
    KeyNotText = 3110,
    ValueType = 3111,
    ValueNull = 3112,
    ValueNotNumber = 3113,
    ValueOutOfRange = 3114,
    ReaderCrashed = 3115,
    ReaderTimedOut = 3116,
    ReaderMissing = 3117,
    ReaderGarbled = 3118,
};

// The component named in every database failure: the program that reads the file.
inline const QString jetReaderName = QStringLiteral("voruvar-jetread");

inline Core::ErrorDetail jetFailure(JetFailure kind, const QString &description)
{
    return {jetReaderName, static_cast<int>(kind), description};
}

} // namespace Voruvar::Platform
