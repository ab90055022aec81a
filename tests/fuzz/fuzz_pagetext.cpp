// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// A local document the search reads, as whatever bytes the file holds: the first byte picks an
// HTML page or a text file, the rest is the file. The text is decoded, split into lines and
// folded as the search index keeps it.
#include "catalog/pagetext.h"
#include "core/foldedtext.h"
#include "fuzzsupport.h"

using namespace Voruvar;
using Catalog::PageText;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzzing::quietQtMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool html = (data[0] & 1) != 0;
    const QString characters = PageText::decode(Fuzzing::bytesOf(data + 1, size - 1), html);
    const QStringList lines = html ? PageText::fromHtml(characters) : PageText::fromPlainText(characters);

    // A line is one line of the page and never empty. An HTML line has no collapsed white space
    // at either end (a no-break space is text, as in a browser); a text line is never blank.
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.isEmpty() && !line.contains(u'\n'));
        if (html)
            FUZZ_CHECK(!line.startsWith(u' ') && !line.endsWith(u' '));
        else
            FUZZ_CHECK(!line.trimmed().isEmpty());
    }

    // Every folded character comes from a place in the original, in order, so a match found in
    // the folded text is a range of the page.
    const QString text = lines.join(u'\n');
    const Core::FoldedText folded = Core::FoldedText::fold(text);
    FUZZ_CHECK(folded.origin.size() == folded.text.size() + 1);
    FUZZ_CHECK(folded.origin.last() == text.size());
    for (qsizetype i = 0; i < folded.text.size(); ++i)
        FUZZ_CHECK(folded.origin[i] >= 0 && folded.origin[i] <= folded.origin[i + 1] && folded.origin[i] < text.size());
    FUZZ_CHECK(Core::FoldedText::foldedString(text) == folded.text);
    // Folding what is folded changes nothing: a query is folded the same way as the page.
    FUZZ_CHECK(Core::FoldedText::foldedString(folded.text) == folded.text);
    return 0;
}
