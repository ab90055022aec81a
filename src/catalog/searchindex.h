// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "searchdocument.h"
#include "searchquery.h"

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>

#include <memory>

namespace Voruvar::Catalog {

// The text of every document the search covers, read on a worker thread so that neither the
// start nor the pages on show wait for it. Searches run on the caller's thread over the last
// complete set of documents; a file that has changed since it was read (its size or time) is
// read again in the background when the next search looks, and updated() tells when the new
// text is in.
class SearchIndex final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchIndex)

public:
    using Documents = QList<std::shared_ptr<const SearchDocument>>;

    explicit SearchIndex(QObject *parent = nullptr);
    // Waits for a reading under way.
    ~SearchIndex() override;

    // Sets the documents to cover and starts reading, in the background, those not yet read as
    // they are now; documents read before and unchanged are kept.
    void setSources(const QList<SearchSource> &sources);
    const QList<SearchSource> &sources() const { return m_sources; }

    // Whether the documents have been read once, and whether a reading is under way.
    bool isReady() const { return m_ready; }
    bool isReading() const { return m_watcher.isRunning() || m_readAgain; }

    // Starts reading again the documents whose files changed since they were read (or that
    // appeared or went away); returns whether it did.
    bool refreshChanged();

    // The ranked hits for the query; none before the documents have been read.
    QList<SearchHit> search(QStringView query, int limit = 100) const;

    const Documents &documents() const { return m_documents; }

    // Reads the documents as a worker would, reusing those of previous that are still current.
    static Documents read(const QList<SearchSource> &sources, const Documents &previous);

Q_SIGNALS:
    // A reading has finished: searches see its text from now on.
    void updated();

private:
    void startReading();
    void onReadingFinished();

    QList<SearchSource> m_sources;
    Documents m_documents;
    QThreadPool m_pool;
    QFutureWatcher<Documents> m_watcher;
    bool m_ready = false;
    bool m_readAgain = false;
};

} // namespace Voruvar::Catalog
