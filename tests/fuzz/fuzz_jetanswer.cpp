// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// What the database reader program prints, read as the outcome of a lookup.
#include "fuzzsupport.h"
#include "platform/jetanswer.h"
#include "platform/jetfailure.h"

#include <cmath>
#include <cstdio>

using namespace Voruvar;
using Platform::JetKeyRead;
using Platform::JetValue;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString file = QStringLiteral("/srv/ruraro/z_udez.mdb");
    const QByteArray output(reinterpret_cast<const char *>(data), qsizetype(size));
    const JetKeyRead read = Platform::readerAnswer(output, file);

    switch (read.outcome) {
    case JetKeyRead::Outcome::Failed:
        // Every failure names the reader and the file.
        FUZZ_CHECK(read.failure.component == Platform::jetReaderName);
        FUZZ_CHECK(read.failure.description.contains(file));
        break;
    case JetKeyRead::Outcome::NoRow:
        break;
    case JetKeyRead::Outcome::Found:
        // The reader's own way of writing a value reads back as the same value.
        if (read.value.type == JetValue::Type::Text) {
            const JetKeyRead again = Platform::readerAnswer("ROW TEXT " + read.value.text.toUtf8().toHex(), file);
            FUZZ_CHECK(again.outcome == JetKeyRead::Outcome::Found && again.value == read.value);
        } else if (read.value.type == JetValue::Type::Number && std::isfinite(read.value.number)) {
            char printed[64];
            std::snprintf(printed, sizeof printed, "ROW NUMBER %.17g\n", read.value.number);
            const JetKeyRead again = Platform::readerAnswer(printed, file);
            FUZZ_CHECK(again.outcome == JetKeyRead::Outcome::Found && again.value == read.value);
        }
        break;
    }
    return 0;
}
