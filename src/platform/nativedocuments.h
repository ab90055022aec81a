// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QCache>
#include <QDateTime>
#include <QPixmap>
#include <QString>

#include <memory>
#include <vector>

class QFont;
class QTextDocument;

namespace Voruvar::Platform {

// Reference documents for Qt's rich-text browser, put on show with QTextEdit::setDocument. The
// last few documents shown are kept, each known by its file's path, size and modification time,
// so a return to one of them skips parsing it again. SVG drawings are rasterised at the size and
// pixel ratio they are shown at (not at the larger size embedded for paper), once while they stay
// in a small cache.
class NativeDocuments final
{
public:
    explicit NativeDocuments(int capacity);
    ~NativeDocuments();
    NativeDocuments(const NativeDocuments &) = delete;
    NativeDocuments &operator=(const NativeDocuments &) = delete;

    // The document for the file; null with the reason in *error when the file cannot be read.
    // A document kept from before comes back as it was; a new one comes back empty with
    // *needsContent set: the caller puts it on show and then sets html(document) into it, so the
    // view lays it out only once. The document stays owned here, at least until the next trim().
    QTextDocument *document(const QString &path, const QFont &font, qreal devicePixelRatio, bool *needsContent,
                            QString *error, double textZoom = 1.0);

    // Drops the documents beyond the capacity, least recently used first, and those replaced
    // since the last call, never the one given (the one on show).
    void trim(const QTextDocument *shown);

    // The document's HTML as read from its file (also for printing it afresh, with its drawings
    // at the full resolution embedded for paper); empty for a document not from here.
    QString html(const QTextDocument *document) const;
    // The same with the text sizes the document was made for (its text zoom applied).
    QString htmlForScreen(const QTextDocument *document) const;

    // The HTML with every font size in points (the pages' style sheet sets them all so) scaled.
    static QString scaledFontSizes(const QString &html, double factor);

    int size() const { return int(m_entries.size()); }

private:
    struct Entry;
    class Document;

    int m_capacity;
    std::vector<std::unique_ptr<Entry>> m_entries; // least recently used first
    std::vector<std::unique_ptr<Entry>> m_replaced;
    // Rasterised drawings by data: URL, shown size and pixel ratio; cost in KiB.
    QCache<QString, QPixmap> m_drawings{16 * 1024};
};

} // namespace Voruvar::Platform
