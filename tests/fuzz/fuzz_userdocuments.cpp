// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The installation's document list, USER.ADD, as whatever bytes the file holds.
#include "catalog/userdocuments.h"
#include "fuzzsupport.h"

using namespace Voruvar;
using Catalog::UserDocuments;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzzing::quietQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    UserDocuments documents;
    const QStringList listed = documents.parse(Fuzzing::bytesOf(data, size), QStringLiteral("USER.ADD"));

    // Both arrays grow together, slot 0 stays empty, and the 16-bit line counter is never passed.
    FUZZ_CHECK(documents.strUserTitles().size() == documents.strUserLocations().size());
    FUZZ_CHECK(documents.highestIndex() <= UserDocuments::maxLines);
    FUZZ_CHECK(listed.size() <= documents.highestIndex());
    FUZZ_CHECK(documents.strUserTitles().first().isEmpty() && documents.strUserLocations().first().isEmpty());
    // Every title listed is in its slot, in file order.
    for (qsizetype i = 0; i < listed.size(); ++i)
        FUZZ_CHECK(documents.strUserTitles().at(i + 1) == listed.at(i));
    // No title or location holds a line end that ended its line.
    for (const QString &location : documents.strUserLocations())
        FUZZ_CHECK(!location.contains(u'\r'));
    return 0;
}
