// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace Voruvar::Platform {

// The first page of a Jet database file: its format and its database password. The password
// sits in a part of the header masked with a fixed RC4 key (and, in Jet 4, with the creation
// date); the database reader does not check it, so this class does.
class JetHeader
{
public:
    enum class Format { Jet3, Jet4, Later };

    // Bytes needed to read format and password.
    static constexpr qsizetype minimumSize = 0x98;

    // The header read from the start of a file; nullopt when the bytes are not a Jet or ACE
    // database header (too short, wrong page type or signature).
    static std::optional<JetHeader> parse(QByteArrayView bytes);

    Format format() const { return m_format; }
    // The database password; empty when the file has none. Only Jet 3 and Jet 4 store it this way.
    QString password() const { return m_password; }
    // Whether a database opened with this password is let in: a file without a password
    // accepts any; otherwise the password must match exactly (case-sensitive).
    bool accepts(const QString &password) const { return m_password.isEmpty() || m_password == password; }

private:
    Format m_format = Format::Jet4;
    QString m_password;
};

} // namespace Voruvar::Platform
