// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "htmltext.h"

#include <QRegularExpression>

namespace Voruvar::DocGen {

QString HtmlText::escape(const QString &text)
{
    return text.toHtmlEscaped();
}

bool HtmlText::renderMarkup(const QString &html, QString *out, QString *error, const FigureFunction &figureHtml)
{
    out->clear();
    qsizetype pos = 0;
    while (pos < html.size()) {
        const qsizetype open = html.indexOf(u'{', pos);
        const qsizetype stray = html.indexOf(u'}', pos);
        if (stray >= 0 && (open < 0 || stray < open)) {
            *error = QStringLiteral("'}' without '{' in \"%1\"").arg(html);
            return false;
        }
        if (open < 0) {
            out->append(QStringView(html).mid(pos));
            break;
        }
        out->append(QStringView(html).mid(pos, open - pos));
        const qsizetype close = html.indexOf(u'}', open);
        const qsizetype nested = html.indexOf(u'{', open + 1);
        if (close < 0 || (nested >= 0 && nested < close)) {
            *error = QStringLiteral("'{' without '}' in \"%1\"").arg(html);
            return false;
        }
        const QString token = html.mid(open + 1, close - open - 1);
        if (token == u"exact") {
            out->append(QStringLiteral("<sup>exact</sup>"));
        } else if (token == u"br") {
            out->append(QStringLiteral("<br/>"));
        } else if (token == u"lbrace") {
            out->append(u'{');
        } else if (token == u"rbrace") {
            out->append(u'}');
        } else if (token.startsWith(u'^') && token.size() > 1) {
            out->append(QStringLiteral("<sup>") + token.mid(1) + QStringLiteral("</sup>"));
        } else if (token.startsWith(u'_') && token.size() > 1) {
            out->append(QStringLiteral("<sub>") + token.mid(1) + QStringLiteral("</sub>"));
        } else if (token.startsWith(QStringLiteral("b ")) && token.size() > 2) {
            out->append(QStringLiteral("<b>") + token.mid(2) + QStringLiteral("</b>"));
        } else if (token.startsWith(QStringLiteral("i ")) && token.size() > 2) {
            out->append(QStringLiteral("<i>") + token.mid(2) + QStringLiteral("</i>"));
        } else if (token.startsWith(QStringLiteral("figure ")) && figureHtml) {
            QString why;
            const QString element = figureHtml(token.mid(7), &why);
            if (!why.isEmpty()) {
                *error = why;
                return false;
            }
            out->append(element);
        } else {
            *error = QStringLiteral("unknown markup '{%1}'").arg(token);
            return false;
        }
        pos = close + 1;
    }
    return true;
}

bool HtmlText::looksNumeric(const QString &cellText)
{
    // Digits with the signs, separators, exponents and range marks numbers carry in tables.
    static const QRegularExpression numeric(
        QStringLiteral("^[\\s\u00a0≈~<>≤≥±+\\-−–—0-9.,/×·⁰¹²³⁴⁵⁶⁷⁸⁹⁻()%½¼¾]*[0-9½¼¾][\\s\u00a0≈~<>≤≥±+\\-−–—0-9.,/"
                       "×·⁰¹²³⁴⁵⁶⁷⁸⁹⁻()%½¼¾eE]*$"));
    static const QRegularExpression markup(QStringLiteral("\\{[^}]*\\}"));
    QString plain = cellText;
    plain.remove(markup);
    return numeric.match(plain).hasMatch();
}

} // namespace Voruvar::DocGen
