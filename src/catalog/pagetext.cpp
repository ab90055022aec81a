// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "pagetext.h"

#include "core/windows1252.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

namespace Voruvar::Catalog {

namespace {

enum class Tag { Inline, Block, Cell, Skipped, Head, Pre, Mark };

Tag kindOf(QStringView name)
{
    static const QHash<QString, Tag> kinds = [] {
        QHash<QString, Tag> table;
        for (const char *block :
             {"address", "article", "aside", "blockquote", "body",     "br",         "caption", "center",  "dd",
              "details", "div",     "dl",    "dt",         "fieldset", "figcaption", "figure",  "footer",  "form",
              "h1",      "h2",      "h3",    "h4",         "h5",       "h6",         "header",  "hr",      "html",
              "legend",  "li",      "main",  "nav",        "ol",       "p",          "section", "summary", "table",
              "tbody",   "tfoot",   "thead", "tr",         "ul"})
            table.insert(QLatin1String(block), Tag::Block);
        for (const char *cell : {"td", "th"})
            table.insert(QLatin1String(cell), Tag::Cell);
        for (const char *skipped :
             {"script", "style", "title", "template", "noscript", "svg", "math", "textarea", "select", "object"})
            table.insert(QLatin1String(skipped), Tag::Skipped);
        table.insert(QStringLiteral("head"), Tag::Head);
        table.insert(QStringLiteral("pre"), Tag::Pre);
        // A superscript or subscript glued to a number ("4046.856" and its "exact" mark) is a
        // word of its own.
        table.insert(QStringLiteral("sup"), Tag::Mark);
        table.insert(QStringLiteral("sub"), Tag::Mark);
        return table;
    }();
    return kinds.value(name.toString().toLower(), Tag::Inline);
}

// The named character references hand-written pages use most; others stay as written.
QString namedEntity(QStringView name)
{
    static const QHash<QString, char32_t> entities{
        {QStringLiteral("amp"), U'&'},     {QStringLiteral("lt"), U'<'},       {QStringLiteral("gt"), U'>'},
        {QStringLiteral("quot"), U'"'},    {QStringLiteral("apos"), U'\''},    {QStringLiteral("nbsp"), 0xA0},
        {QStringLiteral("deg"), 0xB0},     {QStringLiteral("plusmn"), 0xB1},   {QStringLiteral("times"), 0xD7},
        {QStringLiteral("divide"), 0xF7},  {QStringLiteral("micro"), 0xB5},    {QStringLiteral("frac12"), 0xBD},
        {QStringLiteral("frac14"), 0xBC},  {QStringLiteral("frac34"), 0xBE},   {QStringLiteral("sup2"), 0xB2},
        {QStringLiteral("sup3"), 0xB3},    {QStringLiteral("middot"), 0xB7},   {QStringLiteral("copy"), 0xA9},
        {QStringLiteral("reg"), 0xAE},     {QStringLiteral("trade"), 0x2122},  {QStringLiteral("ndash"), 0x2013},
        {QStringLiteral("mdash"), 0x2014}, {QStringLiteral("minus"), 0x2212},  {QStringLiteral("hellip"), 0x2026},
        {QStringLiteral("lsquo"), 0x2018}, {QStringLiteral("rsquo"), 0x2019},  {QStringLiteral("ldquo"), 0x201C},
        {QStringLiteral("rdquo"), 0x201D}, {QStringLiteral("laquo"), 0xAB},    {QStringLiteral("raquo"), 0xBB},
        {QStringLiteral("Omega"), 0x3A9},  {QStringLiteral("ohm"), 0x2126},    {QStringLiteral("mu"), 0x3BC},
        {QStringLiteral("pi"), 0x3C0},     {QStringLiteral("le"), 0x2264},     {QStringLiteral("ge"), 0x2265},
        {QStringLiteral("asymp"), 0x2248}, {QStringLiteral("thinsp"), 0x2009}, {QStringLiteral("eacute"), 0xE9},
        {QStringLiteral("egrave"), 0xE8},  {QStringLiteral("agrave"), 0xE0},   {QStringLiteral("auml"), 0xE4},
        {QStringLiteral("ouml"), 0xF6},    {QStringLiteral("uuml"), 0xFC},     {QStringLiteral("szlig"), 0xDF},
        {QStringLiteral("ccedil"), 0xE7},  {QStringLiteral("ntilde"), 0xF1},
    };
    const auto found = entities.constFind(name.toString());
    if (found == entities.constEnd())
        return {};
    const char32_t code = *found;
    return QString::fromUcs4(&code, 1);
}

// The character reference starting at text[at] ('&'), and its length; empty when there is none.
QString characterReference(QStringView text, qsizetype at, qsizetype *length)
{
    const qsizetype end = text.indexOf(u';', at + 1);
    if (end < 0 || end - at > 32)
        return {};
    const QStringView name = text.sliced(at + 1, end - at - 1);
    QString character;
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
            const char32_t c = code;
            character = QString::fromUcs4(&c, 1);
        }
    } else {
        character = namedEntity(name);
    }
    if (!character.isEmpty())
        *length = end - at + 1;
    return character;
}

// Collects the lines: words joined by single spaces, cells by the separator.
class LineWriter
{
public:
    void text(QStringView chunk, bool preformatted)
    {
        for (const QChar c : chunk) {
            if (preformatted && c == u'\n') {
                endLine();
            } else if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f') {
                m_space = !m_line.isEmpty();
            } else {
                if (m_cellPending)
                    m_line += PageText::cellSeparator;
                else if (m_space)
                    m_line += u' ';
                else if (m_breakPending && !m_line.isEmpty())
                    m_line += QChar(0x200B);
                m_space = m_cellPending = m_breakPending = false;
                m_line += c;
            }
        }
    }
    void cell()
    {
        m_cellPending = !m_line.isEmpty();
        m_space = m_breakPending = false;
    }
    // An invisible break before the next character, so that the words on either side stay apart.
    void wordBreak() { m_breakPending = true; }
    void endLine()
    {
        if (!m_line.isEmpty())
            m_lines.append(m_line);
        m_line.clear();
        m_space = m_cellPending = m_breakPending = false;
    }
    QStringList take()
    {
        endLine();
        return std::move(m_lines);
    }

private:
    QStringList m_lines;
    QString m_line;
    bool m_space = false;
    bool m_cellPending = false;
    bool m_breakPending = false;
};

} // namespace

QStringList PageText::fromHtml(QStringView html)
{
    LineWriter writer;
    int skippedDepth = 0;
    bool inHead = false;
    int preDepth = 0;
    QString chunk;
    const auto flush = [&] {
        if (!chunk.isEmpty() && skippedDepth == 0 && !inHead)
            writer.text(chunk, preDepth > 0);
        chunk.clear();
    };
    QStringView skippedName;
    const qsizetype size = html.size();
    for (qsizetype i = 0; i < size;) {
        const QChar c = html[i];
        if (c == u'&') {
            qsizetype length = 0;
            const QString character = characterReference(html, i, &length);
            if (!character.isEmpty()) {
                chunk += character;
                i += length;
                continue;
            }
            chunk += c;
            ++i;
            continue;
        }
        const bool tagStart =
            c == u'<' && i + 1 < size &&
            (html[i + 1].isLetter() || html[i + 1] == u'/' || html[i + 1] == u'!' || html[i + 1] == u'?');
        if (!tagStart) {
            chunk += c;
            ++i;
            continue;
        }
        flush();
        if (html.sliced(i).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            i = end < 0 ? size : end + 3;
            continue;
        }
        // The tag's end: the first '>' outside a quoted attribute value.
        qsizetype end = i + 1;
        QChar quote;
        for (; end < size; ++end) {
            const QChar d = html[end];
            if (!quote.isNull()) {
                if (d == quote)
                    quote = QChar();
            } else if (d == u'"' || d == u'\'') {
                quote = d;
            } else if (d == u'>') {
                break;
            }
        }
        const bool closing = html[i + 1] == u'/';
        qsizetype nameEnd = i + (closing ? 2 : 1);
        const qsizetype nameBegin = nameEnd;
        while (nameEnd < end && (html[nameEnd].isLetterOrNumber() || html[nameEnd] == u'-'))
            ++nameEnd;
        const QStringView name = html.sliced(nameBegin, nameEnd - nameBegin);
        const bool selfClosing = end > i && end < size && html[end - 1] == u'/';
        i = end < size ? end + 1 : size;
        if (html[nameBegin - 1] == u'!' || html[nameBegin - 1] == u'?' || name.isEmpty())
            continue; // a doctype or processing instruction

        if (skippedDepth > 0) {
            // Inside a skipped element only its own end tag counts (nested ones alike).
            if (name.compare(skippedName, Qt::CaseInsensitive) == 0)
                skippedDepth += closing ? -1 : (selfClosing ? 0 : 1);
            continue;
        }
        switch (kindOf(name)) {
        case Tag::Skipped:
            if (!closing && !selfClosing) {
                skippedName = name;
                skippedDepth = 1;
            }
            break;
        case Tag::Head:
            inHead = !closing && !selfClosing;
            break;
        case Tag::Block:
            // A body ends the head even when the head was never closed.
            if (name.compare(u"body", Qt::CaseInsensitive) == 0)
                inHead = false;
            writer.endLine();
            break;
        case Tag::Pre:
            writer.endLine();
            preDepth = std::max(0, preDepth + (closing ? -1 : (selfClosing ? 0 : 1)));
            break;
        case Tag::Cell:
            if (!closing)
                writer.cell();
            break;
        case Tag::Mark:
            writer.wordBreak();
            break;
        case Tag::Inline:
            break;
        }
    }
    flush();
    return writer.take();
}

QStringList PageText::fromPlainText(QStringView text)
{
    QStringList lines;
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        QString kept = line.toString();
        kept.replace(u'\t', u' ');
        if (!kept.trimmed().isEmpty())
            lines.append(kept);
    }
    return lines;
}

QString PageText::decode(QByteArrayView bytes, bool html)
{
    std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
    if (!encoding && html) {
        static const QRegularExpression charset(QStringLiteral("<meta[^>]+charset\\s*=\\s*[\"']?([A-Za-z0-9_.:-]+)"),
                                                QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch declared =
            charset.match(QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 2048))));
        if (declared.hasMatch()) {
            const QString name = declared.captured(1).toLower();
            if (name == u"utf-8" || name == u"utf8")
                encoding = QStringConverter::Utf8;
            else if (name.startsWith(u"utf-16"))
                encoding = name.endsWith(u"be") ? QStringConverter::Utf16BE : QStringConverter::Utf16LE;
            else if (name == u"windows-1252" || name == u"iso-8859-1" || name == u"latin1" || name == u"us-ascii" ||
                     name == u"ascii")
                // Browsers read Latin-1 and ASCII declarations as Windows-1252 too.
                return Core::Windows1252::decode(bytes);
            else if (QStringDecoder other(name.toLatin1().constData(), QStringDecoder::Flag::Stateless);
                     other.isValid())
                return other.decode(bytes);
        }
    }
    if (encoding) {
        QStringDecoder decoder(*encoding, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(bytes);
        if (!text.isEmpty() && text.front() == QChar::ByteOrderMark)
            text.remove(0, 1);
        return text;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? Core::Windows1252::decode(bytes) : text;
}

} // namespace Voruvar::Catalog
