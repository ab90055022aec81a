// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "pagerenderer.h"

#include "csvtable.h"
#include "htmltext.h"
#include "svgfigure.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace Voruvar::DocGen {

namespace {

bool readText(const QString &path, QString *text, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open '%1': %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    *text = QString::fromUtf8(bytes);
    if (text->toUtf8() != bytes) {
        *error = QStringLiteral("'%1' is not valid UTF-8").arg(path);
        return false;
    }
    return true;
}

// A file named in a placeholder: a plain name inside the page's own folder.
bool pageFile(const QString &pageDir, const QString &name, QString *path, QString *error)
{
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.')) {
        *error = QStringLiteral("'%1' is not a file name in the page folder").arg(name);
        return false;
    }
    *path = QDir(pageDir).filePath(name);
    return true;
}

// "file.svg | alt text | width" -> <img>; *height gets the tallest drawing's shown height.
QString figureHtml(const QString &pageDir, const QString &arguments, QString *error, int *height = nullptr)
{
    const QStringList parts = arguments.split(u'|');
    if (parts.size() != 3) {
        *error = QStringLiteral("figure needs 'file.svg | alt text | width', got '%1'").arg(arguments);
        return {};
    }
    const QString alt = parts.at(1).trimmed();
    bool ok = false;
    const int width = parts.at(2).trimmed().toInt(&ok);
    if (alt.isEmpty() || !ok || width < 8 || width > 1200) {
        *error = QStringLiteral("figure '%1' needs alt text and a width of 8 to 1200 pixels").arg(arguments);
        return {};
    }
    QString path;
    if (!pageFile(pageDir, parts.at(0).trimmed(), &path, error))
        return {};
    SvgFigure figure;
    if (!figure.load(path, error))
        return {};
    if (height)
        *height = std::max(*height, figure.displayHeight(width));
    return figure.imgElement(alt, width);
}

QString cellHtml(const QString &text, const QString &pageDir, QString *error, int *figureHeight = nullptr)
{
    QString html;
    const bool ok = HtmlText::renderMarkup(HtmlText::escape(text), &html, error,
                                           [&pageDir, figureHeight](const QString &arguments, QString *why) {
                                               return figureHtml(pageDir, arguments, why, figureHeight);
                                           });
    return ok ? html : QString();
}

// The text of the first <h1>, with its markup and character references resolved.
QString headingText(const QString &body)
{
    static const QRegularExpression h1(QStringLiteral("<h1\\b[^>]*>(.*?)</h1>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = h1.match(body);
    if (!match.hasMatch())
        return {};
    QXmlStreamReader xml(QStringLiteral("<x>") + match.captured(1) + QStringLiteral("</x>"));
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
    }
    return text.simplified();
}

bool checkBody(const QString &body, QString *error)
{
    QXmlStreamReader xml(QStringLiteral("<body>") + body + QStringLiteral("</body>"));
    bool sources = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        if (name == u"script" || name == u"iframe" || name == u"object" || name == u"embed" || name == u"link" ||
            name == u"style") {
            *error = QStringLiteral("<%1> is not allowed in a page body").arg(name.toString());
            return false;
        }
        for (const QXmlStreamAttribute &attribute : xml.attributes()) {
            const QStringView value = attribute.value();
            if (attribute.name().startsWith(u"on")) {
                *error = QStringLiteral("event handler '%1' is not allowed").arg(attribute.name().toString());
                return false;
            }
            if ((attribute.name() == u"src" || attribute.name() == u"href") && !value.startsWith(u"data:") &&
                !value.startsWith(u'#')) {
                *error = QStringLiteral("reference '%1' leaves the page").arg(value.toString());
                return false;
            }
            if (attribute.name() == u"class" && value.split(u' ').contains(u"sources"))
                sources = true;
        }
    }
    if (xml.hasError()) {
        *error =
            QStringLiteral("page body is not well-formed (line %1): %2").arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    if (!sources) {
        *error = QStringLiteral("page has no element with class \"sources\"");
        return false;
    }
    return true;
}

} // namespace

PageRenderer::PageRenderer(QString templateText, QString styleText)
    : m_template(std::move(templateText)), m_style(std::move(styleText))
{}

QString PageRenderer::tableHtml(const CsvTable &table, const QString &pageDir, QString *error)
{
    error->clear();
    const qsizetype columns = table.header.size();
    QStringList align = table.alignments;
    if (align.isEmpty()) {
        // Numbers to the right, words to the left: a column is numeric when every filled cell is.
        for (qsizetype c = 0; c < columns; ++c) {
            bool numeric = c > 0;
            bool any = false;
            for (const QStringList &row : table.rows) {
                if (row.at(c).trimmed().isEmpty())
                    continue;
                any = true;
                numeric = numeric && HtmlText::looksNumeric(row.at(c));
            }
            align << ((numeric && any) ? QStringLiteral("right") : QStringLiteral("left"));
        }
    }

    // The caption is the first header row, spanning the table: it stays with the table on
    // paper and repeats with the column headings on every page the table runs onto.
    QString caption;
    if (!table.caption.isEmpty()) {
        caption = cellHtml(table.caption, pageDir, error);
        if (!error->isEmpty())
            return {};
    }
    QString html;
    html += QStringLiteral("<table class=\"data") + (table.styleClass.isEmpty() ? QString() : u' ' + table.styleClass) +
            QStringLiteral("\" cellspacing=\"0\" cellpadding=\"3\"");
    if (!table.width.isEmpty())
        html += QStringLiteral(" width=\"") + HtmlText::escape(table.width) + u'"';
    html += QStringLiteral(">\n<thead>\n");
    if (!caption.isEmpty())
        html += QStringLiteral("<tr><th class=\"caption\" colspan=\"%1\" align=\"left\">").arg(columns) + caption +
                QStringLiteral("</th></tr>\n");
    // The cells draw the table's rules (see style.css): they need to know the first column, and
    // the headings need to know when no caption row above them draws the top rule.
    const auto cellClass = [&caption](qsizetype column, bool headingRow) {
        QStringList classes;
        if (column == 0)
            classes << QStringLiteral("first");
        if (headingRow && caption.isEmpty())
            classes << QStringLiteral("top");
        return classes.isEmpty() ? QString() : QStringLiteral(" class=\"") + classes.join(u' ') + u'"';
    };
    html += QStringLiteral("<tr>");
    for (qsizetype c = 0; c < columns; ++c) {
        const QString content = cellHtml(table.header.at(c), pageDir, error);
        if (!error->isEmpty())
            return {};
        html += QStringLiteral("<th") + cellClass(c, true) +
                (table.widths.isEmpty() ? QString() : QStringLiteral(" width=\"") + table.widths.at(c) + u'"') + u'>';
        html += content + QStringLiteral("</th>");
    }
    html += QStringLiteral("</tr>\n</thead>\n<tbody>\n");
    for (const QStringList &row : table.rows) {
        QStringList contents;
        QList<int> heights;
        int rowHeight = 0;
        for (qsizetype c = 0; c < columns; ++c) {
            int height = 0;
            contents << cellHtml(row.at(c), pageDir, error, &height);
            if (!error->isEmpty())
                return {};
            heights << height;
            rowHeight = std::max(rowHeight, height);
        }
        html += QStringLiteral("<tr>");
        for (qsizetype c = 0; c < columns; ++c) {
            // In a row with drawings, every cell without one starts with a strut as tall.
            const QString strut =
                (rowHeight > 0 && heights.at(c) == 0) ? SvgFigure::strutElement(rowHeight) : QString();
            html += QStringLiteral("<td") + cellClass(c, false) + QStringLiteral(" align=\"") + align.at(c) +
                    QStringLiteral("\">") + strut + contents.at(c) + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</tbody>\n</table>\n");
    return html;
}

QString PageRenderer::render(const QString &pageDir, QString *error) const
{
    error->clear();
    QString source;
    if (!readText(QDir(pageDir).filePath(QStringLiteral("page.html")), &source, error))
        return {};

    // Placeholders: {{table file.csv}} and {{figure file.svg | alt | width}}; the text between
    // them is HTML that may carry the same brace markup as cells.
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{\\s*(\\w+)\\s+([^}]*)\\}\\}"));
    QString body;
    qsizetype pos = 0;
    QRegularExpressionMatchIterator it = placeholder.globalMatch(source);
    const auto appendText = [&](qsizetype from, qsizetype to) {
        QString html;
        if (!HtmlText::renderMarkup(
                source.mid(from, to - from), &html, error,
                [&pageDir](const QString &arguments, QString *why) { return figureHtml(pageDir, arguments, why); }))
            return false;
        body += html;
        return true;
    };
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (!appendText(pos, match.capturedStart(0)))
            return {};
        pos = match.capturedEnd(0);
        const QString kind = match.captured(1);
        const QString arguments = match.captured(2).trimmed();
        if (kind == u"table") {
            QString path;
            QString text;
            CsvTable table;
            QString why;
            if (!pageFile(pageDir, arguments, &path, error) || !readText(path, &text, error))
                return {};
            if (!CsvTable::parse(text, &table, &why)) {
                *error = QStringLiteral("'%1' %2").arg(path, why);
                return {};
            }
            const QString html = tableHtml(table, pageDir, error);
            if (!error->isEmpty()) {
                error->prepend(QStringLiteral("'%1': ").arg(path));
                return {};
            }
            body += html;
        } else if (kind == u"figure") {
            const QString html = figureHtml(pageDir, arguments, error);
            if (!error->isEmpty())
                return {};
            body += QStringLiteral("<p class=\"figure\">") + html + QStringLiteral("</p>");
        } else {
            *error = QStringLiteral("unknown placeholder '{{%1 ...}}'").arg(kind);
            return {};
        }
    }
    if (!appendText(pos, source.size()))
        return {};

    if (!checkBody(body, error))
        return {};
    const QString title = headingText(body);
    if (title.isEmpty()) {
        *error = QStringLiteral("page has no <h1> title");
        return {};
    }
    if (m_style.contains(u'<') || m_style.contains(u'&')) {
        *error = QStringLiteral("the stylesheet may not contain '<' or '&'");
        return {};
    }

    QString page = m_template;
    // The body goes in last, so text in it that looks like a placeholder stays as it is.
    page.replace(QStringLiteral("{{title}}"), HtmlText::escape(title));
    page.replace(QStringLiteral("{{style}}"), m_style.trimmed());
    page.replace(QStringLiteral("{{body}}"), body.trimmed());
    return page;
}

} // namespace Voruvar::DocGen
