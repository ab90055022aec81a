// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The administrator's settings file, DARUD.DCT, as whatever bytes the file holds.
#include "fuzzsupport.h"
#include "startup/adminsettings.h"

using namespace Voruvar;
using Startup::AdminSettings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const AdminSettings settings = AdminSettings::parse(Fuzzing::bytesOf(data, size));
    FUZZ_CHECK(settings.bytPrinterDialog <= 1 && settings.bytBypassBuiltIns <= 1);
    FUZZ_CHECK(!settings.strMaximize.contains(u'\r') && !settings.strMaximize.contains(u'\n'));

    // What a save writes reads back as the same three switches.
    const QByteArray written = settings.fileContent();
    FUZZ_CHECK(written.size() == 9);
    const AdminSettings back = AdminSettings::parse(written);
    FUZZ_CHECK(back.opensMaximized() == settings.opensMaximized());
    FUZZ_CHECK(back.bytPrinterDialog == settings.bytPrinterDialog);
    FUZZ_CHECK(back.bytBypassBuiltIns == settings.bytBypassBuiltIns);
    FUZZ_CHECK(back.fileContent() == written);
    return 0;
}
