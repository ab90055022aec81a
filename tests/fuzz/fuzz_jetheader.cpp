// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The first page of a database file, and the password check on it. Bytes past the page are
// the password a caller offers.
#include "fuzzsupport.h"
#include "platform/jetheader.h"

using namespace Voruvar;
using Platform::JetHeader;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = Fuzzing::bytesOf(data, size);
    const std::optional<JetHeader> header = JetHeader::parse(bytes);
    if (bytes.size() < JetHeader::minimumSize) {
        FUZZ_CHECK(!header);
        return 0;
    }
    FUZZ_CHECK(JetHeader::parse(bytes.first(JetHeader::minimumSize)).has_value() == header.has_value());
    if (!header)
        return 0;

    const QString password = header->password();
    if (header->format() == JetHeader::Format::Later)
        FUZZ_CHECK(password.isEmpty());
    FUZZ_CHECK(password.size() <= 20);
    FUZZ_CHECK(!password.contains(QChar(0)));
    FUZZ_CHECK(header->accepts(password));

    const QString offered = QString::fromUtf8(bytes.sliced(JetHeader::minimumSize));
    FUZZ_CHECK(header->accepts(offered) == (password.isEmpty() || offered == password));
    return 0;
}
