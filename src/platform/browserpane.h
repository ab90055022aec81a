// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "documentpane.h"
#include "textfinder.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <memory>

class QStackedLayout;
class QTextBrowser;
class QTextDocument;

namespace Voruvar::Platform {

class FindBar;
class NativeDocuments;
class NativeView;
class TextZoom;
class WebRenderer;

// The details pane: built-in reference documents in Qt's rich-text browser, everything else in
// the web renderer, which is loaded from its plugin only when a document first needs it. Files
// that cannot be shown get an error page in the native browser, folders a listing of their
// files, and a page whose renderer stopped a page offering to load it again. The pane finds
// text in the page (Ctrl+F, F3, Shift+F3), shows it larger or smaller (Ctrl+Plus, Ctrl+Minus,
// Ctrl+0, Ctrl+wheel) and offers Copy, Select All, Find, Print and Open in Browser in its
// context menu.
class BrowserPane final : public QWidget, public DocumentPane
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrowserPane)

public:
    // The web renderer's plugin is looked for in pluginDirectory.
    explicit BrowserPane(QString pluginDirectory, QWidget *parent = nullptr);
    ~BrowserPane() override;

    static QString webEnginePluginFileName();

    void navigate(const QString &address) override;
    QString locationURL() const override;
    void print(QPrinter *printer, std::function<void(bool ok)> finished) override;

    // Selects a text in the document on show and scrolls it into view: the match after
    // `occurrence` earlier ones, letter case ignored. In the native browser at once (false when
    // the text is not there); in the web renderer once its load has finished.
    bool highlight(const QString &text, int occurrence = 0);

    QTextBrowser *nativeView() const;
    bool webRendererLoaded() const { return m_web != nullptr; }
    // Whether the web renderer is the one on show.
    bool showingWebRenderer() const;
    QWidget *webView() const;
    // The process id of the web renderer's page process; 0 when there is none.
    qint64 webRendererProcess() const;

    // The text size, shared with the other panes of the session; the pane has its own until given one.
    void setTextZoom(TextZoom *zoom);
    TextZoom *textZoom() const { return m_zoom; }

    FindBar *findBar();
    void openFindBar();
    void findNext();
    void findPrevious();

    QString selectedText() const;
    void copy();
    void selectAll();
    // The page's context menu at a point of the pane, as the right mouse button opens it.
    void showContextMenu(const QPoint &position);

Q_SIGNALS:
    // A document (or the error page for it) has been put on show.
    void documentShown(const QUrl &url, bool ok);
    // The native renderer finished painting a document put on show, for the first time.
    void documentPainted(const QUrl &url);
    // The find bar reported the matches of the text it looked for.
    void findFinished(int current, int total);
    // Print and Open in Browser, chosen from the context menu: the application's to do.
    void printRequested();
    void openInBrowserRequested(const QUrl &url);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void display(const QUrl &url);
    void showNative();
    void showReferenceDocument(const QUrl &url);
    void showError(const QUrl &url, const QString &reason);
    // A page the pane writes itself (error, renderer stopped, folder listing).
    void showPanePage(const QUrl &url, const QString &html, bool ok);
    void showInWebRenderer(const QUrl &url);
    // Shows a file the pane was asked for from a folder listing or a link: in the pane when it
    // can show it, with the desktop's application for it otherwise.
    bool openOutside(const QUrl &url);
    // Whether the find bar is open with a text to look for.
    bool findBarOpen() const;
    void find(bool backward);
    void findNative(bool backward, bool fromSelection);
    void clearFound();
    void applyTextZoom();
    // Loads the plugin and makes the renderer on first need; null when that fails.
    WebRenderer *webRenderer(QString *error);
    void onNativeLink(const QUrl &link);

    QString m_pluginDirectory;
    QStackedLayout *m_stack = nullptr;
    NativeView *m_native = nullptr;
    std::unique_ptr<NativeDocuments> m_documents;
    QTextDocument *m_errorPage = nullptr;
    std::unique_ptr<WebRenderer> m_web;
    QString m_webLoadError;
    QUrl m_location;
    FindBar *m_findBar = nullptr;
    TextZoom *m_zoom = nullptr; // the session's, or the pane's own
    // Matches of the find bar's text in the native page on show.
    const QTextDocument *m_foundIn = nullptr;
    int m_foundRevision = -1;
    QString m_foundText;
    QList<TextFinder::Match> m_matches;
    int m_current = -1;
};

} // namespace Voruvar::Platform
