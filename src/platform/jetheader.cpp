// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "jetheader.h"

#include <array>
#include <cmath>
#include <cstring>

namespace Voruvar::Platform {

namespace {

constexpr qsizetype signatureOffset = 0x04;
constexpr qsizetype versionOffset = 0x14;
constexpr qsizetype windowOffset = 0x18;
constexpr qsizetype jet4WindowSize = 128;
constexpr qsizetype jet3WindowSize = 126;
constexpr qsizetype passwordOffset = 0x42;
constexpr qsizetype jet4PasswordSize = 40;
constexpr qsizetype jet3PasswordSize = 20;
constexpr qsizetype creationDateOffset = 0x72;

// Every Jet 3 and Jet 4 header hides the same window with the same fixed key.
constexpr std::array<quint8, 4> windowKey{0xC7, 0xDA, 0x39, 0x6B};

// RC4 keystream applied to the bytes (XOR, so masking and unmasking are the same operation).
void rc4(quint8 *data, qsizetype size)
{
    std::array<quint8, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[i] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + windowKey[i % windowKey.size()]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (qsizetype n = 0, i = 0, j = 0; n < size; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

// The creation date's whole day count, as the 4 bytes that mask a Jet 4 password.
std::array<quint8, 4> dateMask(const quint8 *window)
{
    double date = 0.0;
    std::memcpy(&date, window + (creationDateOffset - windowOffset), sizeof date);
    qint32 days = 0;
    if (std::isfinite(date) && date > -2147483648.0 && date < 2147483648.0)
        days = static_cast<qint32>(std::trunc(date));
    const quint32 bits = static_cast<quint32>(days);
    return {quint8(bits), quint8(bits >> 8), quint8(bits >> 16), quint8(bits >> 24)};
}

} // namespace

std::optional<JetHeader> JetHeader::parse(QByteArrayView bytes)
{
    if (bytes.size() < minimumSize || bytes[0] != 0)
        return std::nullopt;
    const QByteArrayView signature = bytes.sliced(signatureOffset, 16);
    const bool jet = signature == QByteArrayView("Standard Jet DB\0", 16);
    const bool ace = signature == QByteArrayView("Standard ACE DB\0", 16);
    if (!jet && !ace)
        return std::nullopt;

    JetHeader header;
    const quint8 version = quint8(bytes[versionOffset]);
    if (ace || version >= 2) {
        header.m_format = Format::Later;
        return header;
    }
    header.m_format = version == 0 ? Format::Jet3 : Format::Jet4;

    std::array<quint8, jet4WindowSize> window{};
    const qsizetype windowSize = header.m_format == Format::Jet4 ? jet4WindowSize : jet3WindowSize;
    std::memcpy(window.data(), bytes.data() + windowOffset, windowSize);
    rc4(window.data(), windowSize);
    const quint8 *field = window.data() + (passwordOffset - windowOffset);

    if (header.m_format == Format::Jet4) {
        // UCS-2, also masked with the creation date's day count.
        const std::array<quint8, 4> mask = dateMask(window.data());
        QString password;
        for (qsizetype i = 0; i + 1 < jet4PasswordSize; i += 2) {
            const char16_t unit = char16_t((field[i] ^ mask[i % 4]) | ((field[i + 1] ^ mask[(i + 1) % 4]) << 8));
            if (unit == 0)
                break;
            password.append(QChar(unit));
        }
        header.m_password = password;
    } else {
        // Single-byte characters in the database's code page.
        qsizetype length = 0;
        while (length < jet3PasswordSize && field[length] != 0)
            ++length;
        header.m_password = QString::fromLatin1(reinterpret_cast<const char *>(field), length);
    }
    return header;
}

} // namespace Voruvar::Platform
