// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "webenginerenderer.h"

#include "platform/paneaddress.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPrinter>
#include <QWebEngineFindTextResult>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWheelEvent>

#include <algorithm>

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
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        // An aborted load (stopped, or a link handed over to the pane) is no failure to show.
        constexpr int aborted = -3;
        if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.errorCode() != aborted &&
            m_callbacks.loadFailed)
            m_callbacks.loadFailed(info.url(), info.errorString());
    });
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status != QWebEnginePage::NormalTerminationStatus && m_callbacks.rendererEnded)
                    m_callbacks.rendererEnded(m_view->url());
            });
    // The engine's own widgets take the wheel: watched as they come, so Ctrl+wheel sizes the text
    // of every pane alike rather than this page alone.
    m_view->installEventFilter(this);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint &position) {
        if (m_callbacks.contextMenu)
            m_callbacks.contextMenu(position);
    });
    connect(m_view, &QWebEngineView::pdfPrintingFinished, this, [this](const QString &, bool ok) {
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
    // A PDF file the engine writes itself, keeping the text as text; its printer path would paint
    // every page into the printer as a picture.
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        m_view->printToPdf(printer->outputFileName(), printer->pageLayout(), printer->pageRanges());
        return;
    }
    m_view->print(printer);
}

bool WebEngineRenderer::eventFilter(QObject *watched, QEvent *event)
{
    // The pane's own keys reach the pane's shortcuts even while the page has the keyboard.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeyCombination combination = key->keyCombination();
        static const QList<QKeySequence> paneKeys = {
            QKeySequence::Find,       QKeySequence::ZoomIn, QKeySequence::ZoomOut,         QKeySequence::Print,
            QKeySequence(Qt::Key_F3), QKeySequence(Qt::SHIFT | Qt::Key_F3), QKeySequence(Qt::CTRL | Qt::Key_Equal),
            QKeySequence(Qt::CTRL | Qt::Key_0)};
        if (std::any_of(paneKeys.begin(), paneKeys.end(),
                        [&](const QKeySequence &sequence) { return sequence == QKeySequence(combination); })) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::ChildAdded) {
        if (QObject *child = static_cast<QChildEvent *>(event)->child(); child && child->isWidgetType())
            child->installEventFilter(this);
    } else if (event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (m_callbacks.wheelZoom && wheel->angleDelta().y() != 0)
                m_callbacks.wheelZoom(wheel->angleDelta().y() > 0 ? 1 : -1);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WebEngineRenderer::find(const QString &text, bool backward, std::function<void(int current, int total)> found)
{
    QWebEnginePage::FindFlags flags;
    if (backward)
        flags |= QWebEnginePage::FindBackward;
    m_view->page()->findText(text, flags, [found = std::move(found)](const QWebEngineFindTextResult &result) {
        if (found)
            found(result.activeMatch(), result.numberOfMatches());
    });
}

void WebEngineRenderer::setZoomFactor(double factor)
{
    m_view->setZoomFactor(factor);
}

QString WebEngineRenderer::selectedText() const
{
    return m_view->selectedText();
}

void WebEngineRenderer::copy()
{
    m_view->triggerPageAction(QWebEnginePage::Copy);
}

void WebEngineRenderer::selectAll()
{
    m_view->triggerPageAction(QWebEnginePage::SelectAll);
}

qint64 WebEngineRenderer::rendererProcess() const
{
    return m_view->page()->renderProcessPid();
}

void WebEngineRenderer::reload()
{
    m_view->reload();
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
