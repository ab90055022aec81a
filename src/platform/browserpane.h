// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "documentpane.h"

#include <QUrl>
#include <QWidget>

#include <memory>

class QStackedLayout;
class QTextBrowser;
class QTextDocument;

namespace Voruvar::Platform {

class NativeDocuments;
class NativeView;
class WebRenderer;

// The details pane: built-in reference documents in Qt's rich-text browser, everything else in
// the web renderer, which is loaded from its plugin only when a document first needs it. Files
// that cannot be shown get an error page in the native browser.
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

Q_SIGNALS:
    // A document (or the error page for it) has been put on show.
    void documentShown(const QUrl &url, bool ok);
    // The native renderer finished painting a document put on show, for the first time.
    void documentPainted(const QUrl &url);

private:
    void display(const QUrl &url);
    void showNative();
    void showReferenceDocument(const QUrl &url);
    void showError(const QUrl &url, const QString &reason);
    void showInWebRenderer(const QUrl &url);
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
};

} // namespace Voruvar::Platform
