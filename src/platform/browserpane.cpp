// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "browserpane.h"

#include "documentfile.h"
#include "nativedocuments.h"
#include "paneaddress.h"
#include "webrenderer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QPrinter>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

// Exported by Qt GUI: the context every OpenGL context of the process shares with.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

Q_LOGGING_CATEGORY(lcPane, "voruvar.platform.browserpane", QtWarningMsg)

namespace Voruvar::Platform {

namespace {

// Reference documents kept parsed for a quick return to them.
constexpr int keptDocuments = 8;

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The web renderer draws through OpenGL contexts that must share with one global context. It is
// made here, just before the plugin is loaded, so that a start that never needs the web renderer
// does not pay for OpenGL.
void ensureGlobalShareContext()
{
    if (qt_gl_global_share_context())
        return;
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    // The engine reads the shared context's format even where no OpenGL is to be had (an
    // offscreen platform, say), so it is set whether or not it could be created.
    if (!context->create())
        qCInfo(lcPane) << "No OpenGL context for the web renderer";
    qt_gl_set_global_share_context(context);
}

} // namespace

// Qt's rich-text browser, telling once when it has painted a newly shown document.
class NativeView final : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;
    std::function<void()> onFirstPaint;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QTextBrowser::paintEvent(event);
        if (auto painted = std::exchange(onFirstPaint, {}))
            painted();
    }
};

BrowserPane::BrowserPane(QString pluginDirectory, QWidget *parent)
    : QWidget(parent), m_pluginDirectory(std::move(pluginDirectory))
{
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_native = new NativeView(this);
    m_native->setObjectName(QStringLiteral("nativeView"));
    m_native->setAccessibleName(tr("Details"));
    m_native->setOpenLinks(false);
    m_native->setFrameShape(QFrame::NoFrame);
    // A scroll bar that appears after the first layout narrows the page and lays the whole
    // document out a second time: keeping it always there halves the time to show a long chart.
    m_native->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(m_native, &QTextBrowser::anchorClicked, this, &BrowserPane::onNativeLink);
    m_stack->addWidget(m_native);
    // The pane takes the keyboard focus for whichever renderer is on show, in the pane's own
    // place in the tab order.
    setFocusProxy(m_native);
    m_documents = std::make_unique<NativeDocuments>(keptDocuments);
    // Error pages have a document of their own, so they never overwrite a kept one.
    m_errorPage = new QTextDocument(this);
    m_errorPage->setUndoRedoEnabled(false);
}

BrowserPane::~BrowserPane() = default;

QTextBrowser *BrowserPane::nativeView() const
{
    return m_native;
}

QString BrowserPane::webEnginePluginFileName()
{
    return QStringLiteral("libvoruvar_webengine.so");
}

bool BrowserPane::showingWebRenderer() const
{
    return m_web && m_stack->currentWidget() == m_web->widget();
}

void BrowserPane::navigate(const QString &address)
{
    const QUrl url = PaneAddress::toUrl(address);
    if (!url.isValid()) {
        qCInfo(lcPane) << "Refused address" << address;
        return;
    }
    display(url);
}

QString BrowserPane::locationURL() const
{
    return m_location.toString(QUrl::FullyEncoded);
}

void BrowserPane::print(QPrinter *printer, std::function<void(bool ok)> finished)
{
    if (showingWebRenderer()) {
        m_web->print(printer, std::move(finished));
        return;
    }
    // A reference document is printed from its source, so its drawings come out at the full
    // resolution embedded for paper rather than at the size rasterised for the screen.
    if (const QString html = m_documents->html(m_native->document()); !html.isEmpty()) {
        QTextDocument paper;
        paper.setDefaultFont(m_native->document()->defaultFont());
        paper.setBaseUrl(m_native->document()->baseUrl());
        paper.setHtml(html);
        paper.print(printer);
    } else {
        m_native->document()->print(printer);
    }
    if (finished)
        finished(printer->printerState() != QPrinter::Error);
}

void BrowserPane::display(const QUrl &url)
{
    m_location = url;
    qCInfo(lcPane) << "Showing" << url.toString(QUrl::FullyEncoded);
    if (!url.isLocalFile()) {
        showInWebRenderer(url);
        return;
    }
    if (const std::optional<QString> reason = DocumentFile::whyNotShown(url.toLocalFile()))
        showError(url, *reason);
    else if (PaneAddress::isReferenceDocument(url))
        showReferenceDocument(url);
    else
        showInWebRenderer(url);
}

void BrowserPane::showNative()
{
    if (showingWebRenderer())
        m_web->stop();
    const bool hadFocus = hasFocus();
    m_stack->setCurrentWidget(m_native);
    setFocusProxy(m_native);
    if (hadFocus)
        m_native->setFocus();
}

void BrowserPane::showReferenceDocument(const QUrl &url)
{
    QString error;
    bool needsContent = false;
    QTextDocument *document = m_documents->document(url.toLocalFile(), m_native->font(),
                                                    m_native->devicePixelRatioF(), &needsContent, &error);
    if (!document) {
        showError(url, tr("The file %1 cannot be read: %2").arg(url.toLocalFile(), error));
        return;
    }
    m_native->setDocument(document);
    if (needsContent)
        document->setHtml(m_documents->html(document));
    m_documents->trim(document);
    // Filling the document moved the view's cursor past the new text; the page opens at its top.
    m_native->setTextCursor(QTextCursor(document));
    m_native->horizontalScrollBar()->setValue(0);
    m_native->verticalScrollBar()->setValue(0);
    if (!url.fragment().isEmpty())
        m_native->scrollToAnchor(url.fragment());
    showNative();
    qCInfo(lcPane) << "Shown" << url.toString(QUrl::FullyEncoded) << m_native->documentTitle();
    m_native->onFirstPaint = [this, url] {
        qCInfo(lcPane) << "Painted" << url.toString(QUrl::FullyEncoded);
        Q_EMIT documentPainted(url);
    };
    m_native->viewport()->update();
    Q_EMIT documentShown(url, true);
}

void BrowserPane::showError(const QUrl &url, const QString &reason)
{
    m_errorPage->setDefaultFont(m_native->font());
    m_errorPage->setHtml(QStringLiteral("<html><head><title>%1</title></head><body>"
                                     "<h2>%1</h2><p>%2</p><p><small>%3</small></p></body></html>")
                          .arg(escaped(tr("This document cannot be shown")), escaped(reason),
                               escaped(url.toString(QUrl::FullyEncoded))));
    m_native->setDocument(m_errorPage);
    m_documents->trim(m_errorPage);
    showNative();
    m_native->onFirstPaint = {};
    qCInfo(lcPane) << "Error page for" << url.toString(QUrl::FullyEncoded) << reason;
    Q_EMIT documentShown(url, false);
}

void BrowserPane::showInWebRenderer(const QUrl &url)
{
    QString error;
    WebRenderer *web = webRenderer(&error);
    if (!web) {
        showError(url, tr("The web renderer cannot be loaded: %1").arg(error));
        return;
    }
    m_native->onFirstPaint = {};
    const bool hadFocus = hasFocus();
    m_stack->setCurrentWidget(web->widget());
    setFocusProxy(web->widget());
    if (hadFocus)
        web->widget()->setFocus();
    web->load(url);
}

WebRenderer *BrowserPane::webRenderer(QString *error)
{
    if (m_web)
        return m_web.get();
    if (!m_webLoadError.isEmpty()) {
        *error = m_webLoadError;
        return nullptr;
    }
    ensureGlobalShareContext();
    QPluginLoader loader(QDir(m_pluginDirectory).filePath(webEnginePluginFileName()));
    auto *factory = qobject_cast<WebRendererFactory *>(loader.instance());
    if (!factory) {
        m_webLoadError = loader.errorString();
        qCWarning(lcPane) << "Cannot load the web renderer:" << m_webLoadError;
        *error = m_webLoadError;
        return nullptr;
    }
    WebRendererFactory::Callbacks callbacks;
    // A hidden web renderer may still finish an earlier load: only the one on show reports.
    callbacks.urlChanged = [this](const QUrl &url) {
        if (url.isValid() && showingWebRenderer())
            m_location = url;
    };
    callbacks.loadFinished = [this](const QUrl &url, bool ok, const QString &title) {
        if (!showingWebRenderer())
            return;
        qCInfo(lcPane) << (ok ? "Shown" : "Failed") << url.toString(QUrl::FullyEncoded) << title;
        Q_EMIT documentShown(url, ok);
    };
    callbacks.handOver = [this](const QUrl &url) { display(url); };
    m_web = factory->create(this, std::move(callbacks));
    m_stack->addWidget(m_web->widget());
    // Made last, the web renderer would come last in the tab order: it takes the native
    // browser's place, which only one of them holds on show at a time.
    setTabOrder(m_native, m_web->widget());
    return m_web.get();
}

void BrowserPane::onNativeLink(const QUrl &link)
{
    if (link.scheme().isEmpty() && link.path().isEmpty() && link.hasFragment()) {
        m_native->scrollToAnchor(link.fragment());
        return;
    }
    display(m_location.resolved(link));
}

} // namespace Voruvar::Platform
