// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "svgfigure.h"

#include "htmltext.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

namespace Voruvar::DocGen {

bool SvgFigure::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open '%1': %2").arg(path, file.errorString());
        return false;
    }
    m_text = QString::fromUtf8(file.readAll());

    QXmlStreamReader xml(m_text);
    bool sawRoot = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (!sawRoot) {
            sawRoot = true;
            if (xml.name() != u"svg") {
                *error = QStringLiteral("'%1': the root element is not <svg>").arg(path);
                return false;
            }
            const QStringList box = xml.attributes()
                                        .value(QLatin1String("viewBox"))
                                        .toString()
                                        .split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
            if (box.size() != 4) {
                *error = QStringLiteral("'%1': the <svg> element needs a viewBox").arg(path);
                return false;
            }
            m_viewWidth = box.at(2).toDouble();
            m_viewHeight = box.at(3).toDouble();
            if (m_viewWidth <= 0 || m_viewHeight <= 0) {
                *error = QStringLiteral("'%1': the viewBox has no area").arg(path);
                return false;
            }
        }
        if (xml.name() == u"script" || xml.name() == u"foreignObject" || xml.name() == u"image") {
            *error = QStringLiteral("'%1': <%2> is not allowed in a figure").arg(path, xml.name().toString());
            return false;
        }
        for (const QXmlStreamAttribute &attribute : xml.attributes()) {
            if (attribute.name() == u"href" && !attribute.value().startsWith(u'#')) {
                *error =
                    QStringLiteral("'%1': link to '%2' outside the drawing").arg(path, attribute.value().toString());
                return false;
            }
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("'%1' line %2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    if (m_text.contains(u"url(http") || m_text.contains(u"url(file") || m_text.contains(u"@import")) {
        *error = QStringLiteral("'%1': refers to something outside the drawing").arg(path);
        return false;
    }
    return true;
}

int SvgFigure::displayHeight(int displayWidth) const
{
    return int(std::lround(displayWidth * m_viewHeight / m_viewWidth));
}

QString SvgFigure::strutElement(int height)
{
    const QByteArray svg = QByteArrayLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1\" height=\"") +
                           QByteArray::number(height) + QByteArrayLiteral("\" viewBox=\"0 0 1 ") +
                           QByteArray::number(height) + QByteArrayLiteral("\"/>");
    return QStringLiteral(
               "<img src=\"data:image/svg+xml;base64,%1\" width=\"1\" height=\"%2\" align=\"middle\" alt=\"\"/>")
        .arg(QString::fromLatin1(svg.toBase64()))
        .arg(height);
}

QString SvgFigure::imgElement(const QString &altText, int displayWidth) const
{
    const int displayHeight = this->displayHeight(displayWidth);

    // Give the root element an intrinsic size of three times the shown size.
    QString svg = m_text;
    static const QRegularExpression root(QStringLiteral("<svg\\b[^>]*>"));
    const QRegularExpressionMatch match = root.match(svg);
    QString tag = match.captured(0);
    static const QRegularExpression sizeAttribute(QStringLiteral("\\s(width|height)\\s*=\\s*(\"[^\"]*\"|'[^']*')"));
    tag.remove(sizeAttribute);
    tag.insert(4, QStringLiteral(" width=\"%1\" height=\"%2\"").arg(displayWidth * 3).arg(displayHeight * 3));
    svg.replace(match.capturedStart(0), match.capturedLength(0), tag);

    return QStringLiteral(
               "<img src=\"data:image/svg+xml;base64,%1\" width=\"%2\" height=\"%3\" align=\"middle\" alt=\"%4\"/>")
        .arg(QString::fromLatin1(svg.toUtf8().toBase64()))
        .arg(displayWidth)
        .arg(displayHeight)
        .arg(HtmlText::escape(altText));
}

} // namespace Voruvar::DocGen
