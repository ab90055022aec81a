// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "csvtable.h"

#include <QRegularExpression>

namespace Voruvar::DocGen {

namespace {

bool applyDirective(const QString &line, CsvTable *table, QString *error)
{
    const QString body = line.mid(1).trimmed();
    const qsizetype colon = body.indexOf(u':');
    const QString key = colon < 0 ? body : body.left(colon).trimmed().toLower();
    const QString value = colon < 0 ? QString() : body.mid(colon + 1).trimmed();
    if (key == u"caption") {
        table->caption = value;
    } else if (key == u"width") {
        table->width = value;
    } else if (key == u"widths") {
        static const QRegularExpression percent(QStringLiteral("^[0-9]{1,2}%$"));
        for (const QString &word : value.split(u' ', Qt::SkipEmptyParts)) {
            if (!percent.match(word).hasMatch()) {
                *error = QStringLiteral("column width '%1' is not a percentage such as 25%").arg(word);
                return false;
            }
            table->widths << word;
        }
    } else if (key == u"class") {
        static const QRegularExpression word(QStringLiteral("^[a-z][a-z0-9-]*$"));
        if (!word.match(value).hasMatch()) {
            *error = QStringLiteral("class '%1' is not one lower-case word").arg(value);
            return false;
        }
        table->styleClass = value;
    } else if (key == u"align") {
        for (const QString &word : value.split(u' ', Qt::SkipEmptyParts)) {
            const QChar c = word.at(0).toLower();
            if (c == u'l')
                table->alignments << QStringLiteral("left");
            else if (c == u'r')
                table->alignments << QStringLiteral("right");
            else if (c == u'c')
                table->alignments << QStringLiteral("center");
            else {
                *error = QStringLiteral("unknown alignment '%1' (use l, r or c)").arg(word);
                return false;
            }
        }
    } else {
        *error = QStringLiteral("unknown directive '# %1' (known: caption, align, width, widths, class)").arg(key);
        return false;
    }
    return true;
}

} // namespace

bool CsvTable::parse(const QString &input, CsvTable *table, QString *error)
{
    *table = CsvTable();
    QString text = input;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    // Leading "# key: value" lines; they may only precede the header record.
    qsizetype pos = 0;
    int line = 1;
    while (pos < text.size() && text.at(pos) == u'#') {
        qsizetype end = text.indexOf(u'\n', pos);
        if (end < 0)
            end = text.size();
        QString directive = text.mid(pos, end - pos);
        if (directive.endsWith(u'\r'))
            directive.chop(1);
        QString why;
        if (!applyDirective(directive, table, &why)) {
            *error = QStringLiteral("line %1: %2").arg(line).arg(why);
            return false;
        }
        pos = end + 1;
        ++line;
    }

    QList<QStringList> records;
    QList<int> recordLines;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    bool afterQuote = false;
    int recordLine = line;
    const auto endField = [&] {
        record << field;
        field.clear();
        fieldStarted = false;
        afterQuote = false;
    };
    const auto endRecord = [&] {
        endField();
        // A line with nothing on it separates nothing; skip it rather than make an empty row.
        if (!(record.size() == 1 && record.first().isEmpty())) {
            records << record;
            recordLines << recordLine;
        }
        record.clear();
    };
    for (; pos < text.size(); ++pos) {
        const QChar c = text.at(pos);
        if (quoted) {
            if (c == u'"') {
                if (pos + 1 < text.size() && text.at(pos + 1) == u'"') {
                    field += u'"';
                    ++pos;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u',') {
            endField();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && pos + 1 < text.size() && text.at(pos + 1) == u'\n')
                ++pos;
            endRecord();
            ++line;
            recordLine = line;
        } else if (c == u'"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (afterQuote) {
            *error = QStringLiteral("line %1: text after a closing quote").arg(line);
            return false;
        } else if (c == u'"') {
            *error = QStringLiteral("line %1: quote inside an unquoted field").arg(line);
            return false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        *error = QStringLiteral("line %1: quoted field never closed").arg(recordLine);
        return false;
    }
    if (fieldStarted || !record.isEmpty())
        endRecord();

    if (records.isEmpty()) {
        *error = QStringLiteral("no header row");
        return false;
    }
    table->header = records.takeFirst();
    recordLines.removeFirst();
    const qsizetype columns = table->header.size();
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (records.at(i).size() != columns) {
            *error = QStringLiteral("line %1 has %2 fields, the header has %3")
                         .arg(recordLines.at(i))
                         .arg(records.at(i).size())
                         .arg(columns);
            return false;
        }
    }
    if (!table->widths.isEmpty() && table->widths.size() != columns) {
        *error =
            QStringLiteral("'# widths' names %1 columns, the header has %2").arg(table->widths.size()).arg(columns);
        return false;
    }
    if (!table->alignments.isEmpty() && table->alignments.size() != columns) {
        *error =
            QStringLiteral("'# align' names %1 columns, the header has %2").arg(table->alignments.size()).arg(columns);
        return false;
    }
    table->rows = records;
    return true;
}

} // namespace Voruvar::DocGen
