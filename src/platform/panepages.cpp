// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "panepages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace Voruvar::Platform {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString tr(const char *text)
{
    return QCoreApplication::translate("Voruvar::Platform::PanePages", text);
}

QString page(const QString &title, const QString &body)
{
    return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>").arg(escaped(title), body);
}

QString size(qint64 bytes)
{
    return QLocale::system().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

} // namespace

QUrl PanePages::reloadLink()
{
    return QUrl(QStringLiteral("voruvar-pane:reload"));
}

QString PanePages::errorPage(const QUrl &url, const QString &reason)
{
    const QString title = tr("This document cannot be shown");
    return page(title, QStringLiteral("<h2>%1</h2><p>%2</p><p><small>%3</small></p>")
                           .arg(escaped(title), escaped(reason), escaped(url.toString(QUrl::FullyEncoded))));
}

QString PanePages::rendererStoppedPage(const QUrl &url)
{
    const QString title = tr("This page stopped working.");
    return page(title, QStringLiteral("<h2>%1</h2><p><a href=\"%2\">%3</a></p><p><small>%4</small></p>")
                           .arg(escaped(title), reloadLink().toString(), escaped(tr("Reload")),
                                escaped(url.toString(QUrl::FullyEncoded))));
}

QString PanePages::folderListing(const QString &folder, QString *error)
{
    const QDir dir(folder);
    // Opened for real: permission checks that only say what should work miss what the process
    // is denied.
    DIR *handle = ::opendir(QFile::encodeName(folder).constData());
    if (!handle) {
        *error = tr("The folder %1 cannot be read: %2")
                     .arg(QDir::toNativeSeparators(folder), QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }
    ::closedir(handle);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                          QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    QString rows;
    const QString parent = QFileInfo(dir.absolutePath()).dir().absolutePath();
    if (dir.absolutePath() != parent)
        rows += QStringLiteral("<tr><td><a href=\"%1\">%2</a></td><td></td><td></td></tr>")
                    .arg(QUrl::fromLocalFile(parent + u'/').toString(QUrl::FullyEncoded), escaped(tr("Parent folder")));
    const QLocale locale = QLocale::system();
    for (const QFileInfo &entry : entries) {
        const QString name = entry.isDir() ? entry.fileName() + u'/' : entry.fileName();
        const QString target = entry.isDir() ? entry.absoluteFilePath() + u'/' : entry.absoluteFilePath();
        rows += QStringLiteral("<tr><td><a href=\"%1\">%2</a></td><td align=\"right\">%3</td><td>%4</td></tr>")
                    .arg(QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded), escaped(name),
                         entry.isDir() ? QString() : escaped(size(entry.size())),
                         escaped(locale.toString(entry.lastModified(), QLocale::ShortFormat)));
    }
    const QString title = QDir::toNativeSeparators(dir.absolutePath());
    return page(title, QStringLiteral("<h2>%1</h2><table cellpadding=\"3\" cellspacing=\"0\" border=\"0\">"
                                      "<thead><tr><th align=\"left\">%2</th><th align=\"right\">%3</th>"
                                      "<th align=\"left\">%4</th></tr></thead>%5</table>")
                           .arg(escaped(title), escaped(tr("Name")), escaped(tr("Size")), escaped(tr("Modified")),
                                rows));
}

} // namespace Voruvar::Platform
