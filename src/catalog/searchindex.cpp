// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "searchindex.h"

#include <QHash>
#include <QLoggingCategory>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

Q_LOGGING_CATEGORY(lcSearchIndex, "voruvar.catalog.searchindex", QtWarningMsg)

namespace Voruvar::Catalog {

SearchIndex::SearchIndex(QObject *parent) : QObject(parent)
{
    // One worker: the reading is light, and the other core stays free for the windows.
    m_pool.setMaxThreadCount(1);
    m_pool.setObjectName(QStringLiteral("search index"));
    connect(&m_watcher, &QFutureWatcher<Documents>::finished, this, &SearchIndex::onReadingFinished);
}

SearchIndex::~SearchIndex()
{
    m_watcher.waitForFinished();
}

SearchIndex::Documents SearchIndex::read(const QList<SearchSource> &sources, const Documents &previous)
{
    QHash<QString, std::shared_ptr<const SearchDocument>> byPath;
    for (const auto &document : previous)
        byPath.insert(document->source.path, document);
    Documents documents;
    documents.reserve(sources.size());
    for (const SearchSource &source : sources) {
        const auto found = byPath.constFind(source.path);
        if (found != byPath.constEnd() && (*found)->source == source && (*found)->isCurrent()) {
            documents.append(*found);
            continue;
        }
        documents.append(std::make_shared<const SearchDocument>(SearchDocument::read(source)));
    }
    return documents;
}

void SearchIndex::setSources(const QList<SearchSource> &sources)
{
    m_sources = sources;
    startReading();
}

bool SearchIndex::refreshChanged()
{
    if (isReading())
        return false;
    const bool changed = m_documents.size() != m_sources.size() ||
                         std::any_of(m_documents.cbegin(), m_documents.cend(),
                                     [](const auto &document) { return !document->isCurrent(); });
    if (changed)
        startReading();
    return changed;
}

QList<SearchHit> SearchIndex::search(QStringView query, int limit) const
{
    return SearchQuery(query).run(m_documents, limit);
}

void SearchIndex::startReading()
{
    // One reading at a time: a request while one runs is served by another one after it.
    if (m_watcher.isRunning()) {
        m_readAgain = true;
        return;
    }
    m_readAgain = false;
    qCInfo(lcSearchIndex) << "Reading" << m_sources.size() << "documents";
    m_watcher.setFuture(QtConcurrent::run(&m_pool, &SearchIndex::read, m_sources, m_documents));
}

void SearchIndex::onReadingFinished()
{
    m_documents = m_watcher.result();
    m_ready = true;
    qCInfo(lcSearchIndex) << "Read" << m_documents.size() << "documents";
    if (m_readAgain)
        startReading();
    Q_EMIT updated();
}

} // namespace Voruvar::Catalog
