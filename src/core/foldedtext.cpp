// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "foldedtext.h"

#include <QHash>

namespace Voruvar::Core {

namespace {

// The folded form of one character outside ASCII. Decomposing and case-folding a character
// allocates, so each thread keeps what it has folded: a page uses a few dozen such characters.
const QString &foldedCharacter(char32_t code)
{
    thread_local QHash<char32_t, QString> known;
    if (const auto found = known.constFind(code); found != known.constEnd())
        return *found;
    QString folded;
    switch (code) {
    case 0x00A0: // no-break space
    case 0x2007: // figure space
    case 0x2009: // thin space (thousands in printed tables)
    case 0x202F: // narrow no-break space
    case 0x200B: // zero-width space (a word break the page marks without a gap)
        folded = QStringLiteral(" ");
        break;
    case 0x00AD: // soft hyphen: not part of the word
        break;
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2013:
    case 0x2014:
    case 0x2015: // hyphens, dashes
    case 0x2212: // minus sign
    case 0xFE63:
    case 0xFF0D:
        folded = QStringLiteral("-");
        break;
    case 0x2044: // fraction slash
    case 0x2215: // division slash
        folded = QStringLiteral("/");
        break;
    case 0x2018:
    case 0x2019: // typographic apostrophes
        folded = QStringLiteral("'");
        break;
    default: {
        const QString decomposed = QString::fromUcs4(&code, 1).normalized(QString::NormalizationForm_D);
        for (const QChar c : decomposed) {
            if (c.category() != QChar::Mark_NonSpacing)
                folded.append(c);
        }
        folded = folded.toCaseFolded();
        break;
    }
    }
    return *known.insert(code, folded);
}

template <typename Emit> void foldEach(QStringView original, Emit emit)
{
    const qsizetype size = original.size();
    for (qsizetype i = 0; i < size;) {
        const char16_t unit = original[i].unicode();
        if (unit < 0x80) {
            emit((unit >= u'A' && unit <= u'Z') ? QChar(char16_t(unit + 32)) : QChar(unit), i);
            ++i;
            continue;
        }
        char32_t code = unit;
        qsizetype length = 1;
        if (QChar::isHighSurrogate(unit) && i + 1 < size && original[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(unit, original[i + 1].unicode());
            length = 2;
        }
        for (const QChar c : foldedCharacter(code))
            emit(c, i);
        i += length;
    }
}

} // namespace

FoldedText FoldedText::fold(QStringView original)
{
    FoldedText result;
    result.text.reserve(original.size());
    result.origin.reserve(original.size() + 1);
    foldEach(original, [&result](QChar c, qsizetype from) {
        result.text.append(c);
        result.origin.append(int(from));
    });
    result.origin.append(int(original.size()));
    return result;
}

QString FoldedText::foldedString(QStringView original)
{
    QString text;
    text.reserve(original.size());
    foldEach(original, [&text](QChar c, qsizetype) { text.append(c); });
    return text;
}

} // namespace Voruvar::Core
