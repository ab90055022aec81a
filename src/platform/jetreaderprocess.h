// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "jetdatabase.h"

#include <QString>

#include <optional>

namespace Voruvar::Platform {

// Reads keys from Jet databases with the small reader program voruvar-jetread, started once per
// read with a time limit, so that a file that makes the database library crash or hang costs
// one failed read and nothing else. Before starting it, the file itself is checked here:
// present, readable, not open exclusively by another program, a Jet 3 or Jet 4 header, and the
// password. The reader is handed the file already opened, so it reads exactly the file that was
// checked. The last answer that follows from the file's bytes is kept: an unchanged file (same
// inode, size and change times) is not read again. A time-out or a reader that cannot be
// started is not kept, so the next attempt reads again.
class JetReaderProcess final : public JetDatabase
{
public:
    explicit JetReaderProcess(QString readerProgram, int timeLimitMs = 3000);

    JetKeyRead readKey(const JetKeyQuery &query) override;

    // How often the reader program was started; for tests and measurements.
    int readerRuns() const { return m_readerRuns; }

private:
    struct FileStamp
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        friend bool operator==(const FileStamp &, const FileStamp &) = default;
    };
    struct Answer
    {
        JetKeyQuery query;
        FileStamp stamp;
        JetKeyRead read;
    };

    JetKeyRead runReader(const JetKeyQuery &query, int fd);

    QString m_program;
    int m_timeLimitMs;
    std::optional<Answer> m_last;
    int m_readerRuns = 0;
};

} // namespace Voruvar::Platform
