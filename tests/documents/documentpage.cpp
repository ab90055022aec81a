// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "documentpage.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>
#include <limits>

namespace Voruvar::Tests {

bool DocumentPage::load(const QString &path, QString *error)
{
    *this = DocumentPage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open '%1': %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    m_html = QString::fromUtf8(bytes);
    if (m_html.toUtf8() != bytes) {
        *error = QStringLiteral("'%1' is not valid UTF-8").arg(path);
        return false;
    }

    QXmlStreamReader xml(m_html);
    QStringList open; // element names from the root down
    QString heading;
    bool inHeading = false;
    bool inTitle = false;
    bool inCaption = false;
    QString caption; // text of the table's caption row
    Table table;
    QList<Cell> row;
    Cell cell;
    bool inCell = false;
    bool inHeaderRow = false;
    bool inExactMark = false;
    int supDepth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString name = xml.name().toString();
            open << name;
            m_elements << name;
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString className = attributes.value(QLatin1String("class")).toString();
            if (!className.isEmpty())
                m_classes << className;
            for (const char *reference : {"src", "href"}) {
                if (attributes.hasAttribute(QLatin1String(reference)))
                    m_references << attributes.value(QLatin1String(reference)).toString();
            }
            if (name == u"title") {
                inTitle = true;
            } else if (name == u"h1" && m_heading.isEmpty()) {
                inHeading = true;
            } else if (name == u"th" && className == u"caption") {
                inCaption = true;
                caption.clear();
            } else if (name == u"table") {
                table = Table();
            } else if (name == u"tr") {
                row.clear();
                inHeaderRow = open.contains(QStringLiteral("thead"));
            } else if ((name == u"td" || name == u"th") && !inCaption) {
                cell = Cell();
                inCell = true;
            } else if (name == u"sup" && inCell) {
                ++supDepth;
                inExactMark = true;
            } else if (name == u"br") {
                if (inCell)
                    cell.text += u' ';
                m_text += u'\n';
            }
        } else if (xml.isEndElement()) {
            const QString name = xml.name().toString();
            open.removeLast();
            if (name == u"title") {
                inTitle = false;
            } else if (name == u"h1" && inHeading) {
                inHeading = false;
                m_heading = heading.simplified();
            } else if (name == u"th" && inCaption) {
                inCaption = false;
                table.caption = caption.simplified();
            } else if (name == u"td" || name == u"th") {
                inCell = false;
                cell.text = cell.text.simplified();
                if (inHeaderRow)
                    table.header << cell.text;
                else
                    row << cell;
            } else if (name == u"tr" && !inHeaderRow) {
                table.rows << row;
            } else if (name == u"table") {
                m_tables << table;
            } else if (name == u"sup" && inCell) {
                --supDepth;
                inExactMark = supDepth > 0;
            }
            if (name == u"p" || name == u"h1" || name == u"h2" || name == u"h3" || name == u"tr" || name == u"li")
                m_text += u'\n';
            else if (name == u"td" || name == u"th")
                m_text += u'\t';
        } else if (xml.isCharacters()) {
            const QString chars = xml.text().toString();
            if (inTitle)
                m_title += chars;
            if (open.contains(QStringLiteral("body")) && !open.contains(QStringLiteral("style")))
                m_text += chars;
            if (inHeading)
                heading += chars;
            if (inCaption)
                caption += chars;
            if (inCell) {
                if (inExactMark && chars.trimmed() == u"exact")
                    cell.exact = true;
                else if (inExactMark)
                    cell.text += QStringLiteral("^") + chars;
                else
                    cell.text += chars;
            }
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("'%1' is not well-formed at line %2: %3")
                     .arg(path)
                     .arg(xml.lineNumber())
                     .arg(xml.errorString());
        return false;
    }
    m_title = m_title.simplified();
    return true;
}

const DocumentPage::Cell *DocumentPage::findCell(const QString &caption, const QString &rowKey, const QString &column,
                                                 QString *why) const
{
    const Cell *found = nullptr;
    int matches = 0;
    for (const Table &table : m_tables) {
        if (!caption.isEmpty() && !table.caption.contains(caption))
            continue;
        qsizetype columnIndex = -1;
        for (qsizetype c = 0; c < table.header.size(); ++c) {
            if (table.header.at(c).startsWith(column)) {
                columnIndex = c;
                break;
            }
        }
        if (columnIndex < 0)
            continue;
        for (const QList<Cell> &row : table.rows) {
            if (!row.isEmpty() && row.first().text == rowKey && columnIndex < row.size()) {
                found = &row.at(columnIndex);
                ++matches;
            }
        }
    }
    if (matches == 0)
        *why = QStringLiteral("<no cell: table '%1', row '%2', column '%3'>").arg(caption, rowKey, column);
    else if (matches > 1)
        *why = QStringLiteral("<%1 cells match: table '%2', row '%3', column '%4'>")
                   .arg(matches)
                   .arg(caption, rowKey, column);
    return matches == 1 ? found : nullptr;
}

QString DocumentPage::cell(const QString &caption, const QString &rowKey, const QString &column) const
{
    QString why;
    const Cell *found = findCell(caption, rowKey, column, &why);
    return found ? found->text : why;
}

bool DocumentPage::isExact(const QString &caption, const QString &rowKey, const QString &column) const
{
    QString why;
    const Cell *found = findCell(caption, rowKey, column, &why);
    return found && found->exact;
}

double DocumentPage::number(const QString &cellText)
{
    static const double nan = std::numeric_limits<double>::quiet_NaN();
    QString text = cellText;
    text.remove(QRegularExpression(QStringLiteral("[\\s\u00a0\u2009\u202f≈~]")));
    text.replace(QChar(0x2212), u'-');
    // A degree or percent sign after the number belongs to it ("48.6°", "75 %").
    if (text.endsWith(u'°') || text.endsWith(u'%'))
        text.chop(1);
    // Thousands separated by commas, as in "8,848.86"; any other comma is not a number.
    static const QRegularExpression grouped(QStringLiteral("^-?\\d{1,3}(,\\d{3})+(\\.\\d*)?$"));
    if (grouped.match(text).hasMatch())
        text.remove(u',');
    // Fractions of an inch and similar: "15/64", "1-1/2" (a whole number, a hyphen, a fraction).
    static const QRegularExpression fraction(QStringLiteral("^(?:(\\d+)-)?(\\d+)/(\\d+)$"));
    if (const QRegularExpressionMatch match = fraction.match(text); match.hasMatch()) {
        const double denominator = match.captured(3).toDouble();
        if (denominator == 0)
            return nan;
        return match.captured(1).toDouble() + match.captured(2).toDouble() / denominator;
    }
    double exponent = 0;
    qsizetype times = text.indexOf(QStringLiteral("×10"));
    qsizetype powerStart = times + 3;
    // A bare power of ten: "10⁻⁴", "10⁶".
    static const QString powerSigns = QStringLiteral("⁻⁰¹²³⁴⁵⁶⁷⁸⁹");
    if (times < 0 && text.startsWith(QStringLiteral("10")) && text.size() > 2 && powerSigns.contains(text.at(2))) {
        text.prepend(QStringLiteral("1×"));
        times = 1;
        powerStart = 4;
    }
    if (times >= 0) {
        static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
        QString power = text.mid(powerStart);
        text.truncate(times);
        const bool negative = power.startsWith(QChar(0x207B));
        if (negative)
            power.remove(0, 1);
        if (power.isEmpty())
            return nan;
        for (const QChar c : power) {
            const qsizetype digit = superscripts.indexOf(c);
            if (digit < 0)
                return nan;
            exponent = exponent * 10 + double(digit);
        }
        if (negative)
            exponent = -exponent;
    }
    // Only digits, a sign and a decimal point are left in a number; toDouble would also take
    // "inf", "1e5" or hexadecimal, none of which a page prints.
    static const QRegularExpression plain(QStringLiteral("^[-+]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!plain.match(text).hasMatch())
        return nan;
    return text.toDouble() * std::pow(10.0, exponent);
}

QList<double> DocumentPage::numbers(const QString &cellText)
{
    // A range is two numbers joined by an en dash: "2.24–2.40", "−50 – 40".
    QList<double> values;
    for (const QString &part : cellText.split(QChar(0x2013))) {
        const double value = number(part);
        if (std::isnan(value))
            return {};
        values << value;
    }
    return values.size() <= 2 ? values : QList<double>();
}

} // namespace Voruvar::Tests
