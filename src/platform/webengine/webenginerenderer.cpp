// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "webenginerenderer.h"

#include "platform/paneaddress.h"

#include <QPointer>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace Voruvar::Platform {

namespace {

// Leaves links to reference documents to the pane, which shows them natively (WebEngine would
// show an unknown extension as plain text).
class Page final : public QWebEnginePage
{
public:
    Page(QWebEngineProfile *profile, std::function<void(const QUrl &)> handOver, QObject *parent)
        : QWebEnginePage(profile, parent), m_handOver(std::move(handOver))
    {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (isMainFrame && PaneAddress::isReferenceDocument(url) && m_handOver) {
            // Not from inside the engine's callback: the pane may switch renderers.
            QMetaObject::invokeMethod(
                this, [handOver = m_handOver, url] { handOver(url); }, Qt::QueuedConnection);
            return false;
        }
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }

private:
    std::function<void(const QUrl &)> m_handOver;
};

} // namespace

WebEngineRenderer::WebEngineRenderer(QWidget *parent, WebRendererFactory::Callbacks callbacks)
    : QObject(parent), m_callbacks(std::move(callbacks))
{
    m_view = new QWebEngineView(parent);
    m_view->setObjectName(QStringLiteral("webView"));
    // An off-the-record profile: the pane keeps nothing on disk between runs. It outlives the
    // page, which the view owns and the destructor deletes first.
    auto *profile = new QWebEngineProfile(this);
    auto *page = new Page(profile, m_callbacks.handOver, m_view);
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    page->settings()->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    page->settings()->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
    page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
    m_view->setPage(page);
    connect(m_view, &QWebEngineView::urlChanged, this, [this](const QUrl &url) {
        if (m_callbacks.urlChanged)
            m_callbacks.urlChanged(url);
    });
    connect(m_view, &QWebEngineView::loadStarted, this, [this] { m_loading = true; });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_loading = false;
        if (auto find = std::exchange(m_pendingFind, std::nullopt); find && ok)
            findText(find->first, find->second);
        if (m_callbacks.loadFinished)
            m_callbacks.loadFinished(m_view->url(), ok, m_view->title());
    });
    connect(m_view, &QWebEngineView::printFinished, this, [this](bool ok) {
        if (auto finished = std::exchange(m_printFinished, {}))
            finished(ok);
    });
}

WebEngineRenderer::~WebEngineRenderer()
{
    delete m_view;
}

QWidget *WebEngineRenderer::widget()
{
    return m_view;
}

void WebEngineRenderer::load(const QUrl &url)
{
    // Loading from now on, before the engine's own signal, so a find asked for right after waits.
    m_loading = true;
    m_pendingFind.reset();
    m_view->load(url);
}

void WebEngineRenderer::stop()
{
    m_view->stop();
}

QUrl WebEngineRenderer::url() const
{
    return m_view->url();
}

void WebEngineRenderer::print(QPrinter *printer, std::function<void(bool ok)> finished)
{
    if (m_printFinished) {
        // One print at a time; a second request fails at once.
        if (finished)
            finished(false);
        return;
    }
    m_printFinished = std::move(finished);
    m_view->print(printer);
}

void WebEngineRenderer::findText(const QString &text, int occurrence)
{
    if (m_loading) {
        m_pendingFind = std::pair(text, occurrence);
        return;
    }
    // A find with an empty text first, so the steps count from the top of the page.
    m_view->findText(QString(), {}, [self = QPointer(this), text, occurrence](const QWebEngineFindTextResult &) {
        if (self)
            self->findNext(text, occurrence);
    });
}

void WebEngineRenderer::findNext(const QString &text, int remaining)
{
    // Each find of the same text selects the next match; the engine scrolls it into view.
    m_view->findText(text, {}, [self = QPointer(this), text, remaining](const QWebEngineFindTextResult &result) {
        if (self && remaining > 0 && result.activeMatch() < result.numberOfMatches())
            self->findNext(text, remaining - 1);
    });
}


} // namespace Voruvar::Platform
