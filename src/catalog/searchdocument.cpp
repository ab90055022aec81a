// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "searchdocument.h"

#include "builtincategory.h"
#include "documentaddress.h"
#include "pagetext.h"
#include "userdocuments.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSet>

Q_LOGGING_CATEGORY(lcSearchDocument, "voruvar.catalog.searchdocument")

namespace Voruvar::Catalog {

std::optional<bool> SearchSource::readsAsHtml(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const char *html : {"dox", "htm", "html", "xhtml", "xht", "shtml"}) {
        if (suffix == QLatin1String(html))
            return true;
    }
    for (const char *text : {"txt", "text", "log"}) {
        if (suffix == QLatin1String(text))
            return false;
    }
    return std::nullopt;
}

QList<SearchSource> SearchSource::forCategories(const QStringList &listedTitles, const QString &executableDirectory,
                                                const UserDocuments &userDocuments)
{
    // One pass over the user entries, not one per title: the file may hold 32,767 of them.
    QHash<QString, QString> lastLocation;
    const QStringList &titles = userDocuments.strUserTitles();
    const QStringList &locations = userDocuments.strUserLocations();
    for (qsizetype i = 1; i < titles.size(); ++i)
        lastLocation.insert(titles[i], locations[i]);

    QList<SearchSource> sources;
    QSet<QString> seen;
    for (const QString &title : listedTitles) {
        if (seen.contains(title))
            continue;
        seen.insert(title);
        QString path;
        if (const BuiltInCategory *row = BuiltInCategory::findByTitle(title.toUpper())) {
            path = row->documentPath(executableDirectory);
        } else {
            const auto found = lastLocation.constFind(title);
            if (found == lastLocation.constEnd() || DocumentAddress::isWebAddress(*found))
                continue;
            path = DocumentAddress::forUserLocation(executableDirectory, *found);
        }
        if (const std::optional<bool> html = readsAsHtml(path))
            sources.append({title, path, *html});
    }
    return sources;
}

SearchDocument SearchDocument::read(const SearchSource &source)
{
    SearchDocument document;
    document.source = source;
    document.foldedTitle = Core::FoldedText::foldedString(source.title);
    const QFileInfo info(source.path);
    if (!info.isFile())
        return document;
    // The state is kept even when the file cannot be read, so it is tried again only once it
    // has changed.
    document.size = info.size();
    document.modified = info.lastModified();
    QFile file(source.path);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcSearchDocument) << "Cannot open" << source.path << file.errorString();
        return document;
    }
    const QByteArray bytes = file.read(readLimit);
    const QString characters = PageText::decode(bytes, source.html);
    const QStringList lines = source.html ? PageText::fromHtml(characters) : PageText::fromPlainText(characters);
    document.text = lines.join(u'\n');
    document.folded = Core::FoldedText::fold(document.text);
    return document;
}

bool SearchDocument::isCurrent() const
{
    const QFileInfo info(source.path);
    if (!info.isFile())
        return size < 0;
    return size == info.size() && modified == info.lastModified();
}

} // namespace Voruvar::Catalog
