// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "nativedocuments.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace Voruvar::Platform {

namespace {

// The bytes of a data: URL ("data:image/svg+xml;base64,...."), or an empty array.
QByteArray dataUrlPayload(const QString &url)
{
    const qsizetype comma = url.indexOf(u',');
    if (comma < 0)
        return {};
    const QStringView header = QStringView(url).left(comma);
    const QByteArray data = QStringView(url).mid(comma + 1).toLatin1();
    return header.endsWith(u";base64", Qt::CaseInsensitive) ? QByteArray::fromBase64(data)
                                                             : QByteArray::fromPercentEncoding(data);
}

} // namespace

// A reference document that supplies its SVG drawings rasterised at the size they are shown at.
// The browser would rasterise an SVG at its own size, which the documents make three times the
// shown size so that paper gets it sharp: on screen that is wasted work on every load.
class NativeDocuments::Document final : public QTextDocument
{
public:
    Document(QCache<QString, QPixmap> *drawings, qreal devicePixelRatio)
        : m_drawings(drawings), m_devicePixelRatio(devicePixelRatio)
    {}

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::ImageResource && name.scheme() == u"data") {
            const QPixmap drawing = shownDrawing(name);
            if (!drawing.isNull())
                return drawing;
        }
        return QTextDocument::loadResource(type, name);
    }

private:
    QPixmap shownDrawing(const QUrl &url)
    {
        if (!m_shownSizesKnown) {
            m_shownSizesKnown = true;
            for (QTextBlock block = begin(); block.isValid(); block = block.next()) {
                for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                    const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                    if (image.isValid() && image.hasProperty(QTextFormat::ImageWidth) &&
                        image.hasProperty(QTextFormat::ImageHeight) &&
                        image.name().startsWith(QLatin1String("data:image/svg+xml"), Qt::CaseInsensitive)) {
                        m_shownSizes.insert(baseUrl().resolved(QUrl::fromEncoded(image.name().toUtf8())),
                                            QSizeF(image.width(), image.height()));
                    }
                }
            }
        }
        const auto found = m_shownSizes.constFind(url);
        if (found == m_shownSizes.constEnd())
            return {};
        const QSize size(int(std::lround(found->width() * m_devicePixelRatio)),
                         int(std::lround(found->height() * m_devicePixelRatio)));
        if (size.isEmpty())
            return {};
        const QString text = url.toString(QUrl::FullyEncoded);
        const QString key = QString::number(size.width()) + u'x' + QString::number(size.height()) + u'@' +
                            QString::number(m_devicePixelRatio) + u' ' + text;
        if (const QPixmap *cached = m_drawings->object(key))
            return *cached;
        QByteArray svg = dataUrlPayload(text);
        QBuffer buffer(&svg);
        QImageReader reader(&buffer, "svg");
        reader.setScaledSize(size);
        QImage raster = reader.read();
        // What cannot be read is left to the browser, which shows its usual stand-in.
        if (raster.isNull())
            return {};
        raster.setDevicePixelRatio(m_devicePixelRatio);
        const QPixmap drawing = QPixmap::fromImage(std::move(raster));
        m_drawings->insert(key, new QPixmap(drawing),
                           std::max<qsizetype>(1, qsizetype(size.width()) * size.height() * 4 / 1024));
        return drawing;
    }

    QCache<QString, QPixmap> *m_drawings;
    qreal m_devicePixelRatio;
    bool m_shownSizesKnown = false;
    QHash<QUrl, QSizeF> m_shownSizes;
};

struct NativeDocuments::Entry
{
    QString path;
    qint64 size = 0;
    QDateTime modified;
    qreal devicePixelRatio = 1;
    double textZoom = 1.0;
    QString html;
    std::unique_ptr<QTextDocument> document;
};

NativeDocuments::NativeDocuments(int capacity) : m_capacity(std::max(capacity, 1)) {}

NativeDocuments::~NativeDocuments() = default;

QTextDocument *NativeDocuments::document(const QString &path, const QFont &font, qreal devicePixelRatio,
                                         bool *needsContent, QString *error, double textZoom)
{
    *needsContent = false;
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified();
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&path](const std::unique_ptr<Entry> &entry) { return entry->path == path; });
    if (found != m_entries.end()) {
        std::unique_ptr<Entry> entry = std::move(*found);
        m_entries.erase(found);
        if (entry->size == info.size() && entry->modified == modified && entry->devicePixelRatio == devicePixelRatio &&
            entry->document->defaultFont() == font && entry->textZoom == textZoom) {
            m_entries.push_back(std::move(entry));
            return m_entries.back()->document.get();
        }
        // The file changed (or the screen, font or text size did): read it again. The old document may
        // still be on show, so it goes only at the next trim.
        m_replaced.push_back(std::move(entry));
    }

    // The reference documents are a few hundred kilobytes; a file far beyond that is not one.
    constexpr qint64 sizeLimit = qint64(64) << 20;
    if (info.size() > sizeLimit) {
        *error = QStringLiteral("it is larger than %1 MiB").arg(sizeLimit >> 20);
        return nullptr;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return nullptr;
    }
    const QByteArray bytes = file.read(sizeLimit);
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return nullptr;
    }
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    auto entry = std::make_unique<Entry>();
    entry->path = path;
    entry->size = info.size();
    entry->modified = modified;
    entry->devicePixelRatio = devicePixelRatio;
    entry->textZoom = textZoom;
    entry->html = decoder.isValid() ? decoder.decode(bytes) : QString::fromUtf8(bytes);
    entry->document = std::make_unique<Document>(&m_drawings, devicePixelRatio);
    entry->document->setUndoRedoEnabled(false);
    entry->document->setDefaultFont(font);
    entry->document->setBaseUrl(QUrl::fromLocalFile(path));
    m_entries.push_back(std::move(entry));
    *needsContent = true;
    return m_entries.back()->document.get();
}

void NativeDocuments::trim(const QTextDocument *shown)
{
    std::erase_if(m_replaced, [shown](const std::unique_ptr<Entry> &entry) { return entry->document.get() != shown; });
    for (auto it = m_entries.begin(); int(m_entries.size()) > m_capacity && it != m_entries.end();) {
        if ((*it)->document.get() == shown)
            ++it;
        else
            it = m_entries.erase(it);
    }
}

QString NativeDocuments::html(const QTextDocument *document) const
{
    for (const auto *list : {&m_entries, &m_replaced}) {
        for (const std::unique_ptr<Entry> &entry : *list) {
            if (entry->document.get() == document)
                return entry->html;
        }
    }
    return {};
}

QString NativeDocuments::htmlForScreen(const QTextDocument *document) const
{
    for (const std::unique_ptr<Entry> &entry : m_entries) {
        if (entry->document.get() == document)
            return scaledFontSizes(entry->html, entry->textZoom);
    }
    return html(document);
}

QString NativeDocuments::scaledFontSizes(const QString &html, double factor)
{
    if (factor == 1.0)
        return html;
    static const QRegularExpression size(QStringLiteral("font-size:\\s*([0-9]+(?:\\.[0-9]+)?)pt"));
    QString scaled;
    scaled.reserve(html.size());
    qsizetype copied = 0;
    for (QRegularExpressionMatchIterator it = size.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        scaled += QStringView(html).mid(copied, match.capturedStart() - copied);
        scaled += QStringLiteral("font-size: %1pt").arg(match.captured(1).toDouble() * factor, 0, 'f', 2);
        copied = match.capturedEnd();
    }
    scaled += QStringView(html).mid(copied);
    return scaled;
}

} // namespace Voruvar::Platform
