// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "browserpane.h"

#include "documentfile.h"
#include "findbar.h"
#include "nativedocuments.h"
#include "paneaddress.h"
#include "panepages.h"
#include "textzoom.h"
#include "webrenderer.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMenu>
#include <QMimeDatabase>
#include <QOpenGLContext>
#include <QPluginLoader>
#include <QPrinter>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedLayout>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QWheelEvent>

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

    m_native->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_native, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &position) { showContextMenu(m_native->mapTo(this, position)); });
    m_native->viewport()->installEventFilter(this);

    // The window's keys, whichever of its controls has the keyboard.
    const auto key = [this](const QKeySequence &sequence, auto action) {
        auto *shortcut = new QShortcut(sequence, this, action);
        shortcut->setContext(Qt::WindowShortcut);
    };
    key(QKeySequence::Find, [this] { openFindBar(); });
    key(QKeySequence(Qt::Key_F3), [this] { findNext(); });
    key(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findPrevious(); });
    key(QKeySequence::ZoomIn, [this] { m_zoom->larger(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { m_zoom->larger(); });
    key(QKeySequence::ZoomOut, [this] { m_zoom->smaller(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { m_zoom->reset(); });
    setTextZoom(new TextZoom(this));
}

BrowserPane::~BrowserPane()
{
    // A reference document on show belongs to the kept documents, which are destroyed before the
    // view: the view lets go of it first, so that its last events (losing the focus as the pane
    // goes) never reach a deleted document.
    m_native->setDocument(nullptr);
}

QTextBrowser *BrowserPane::nativeView() const
{
    return m_native;
}

bool BrowserPane::highlight(const QString &text, int occurrence)
{
    if (text.isEmpty())
        return false;
    if (showingWebRenderer()) {
        m_web->findText(text, occurrence);
        return true;
    }
    // Matched as the search across the documents matched it, so its count of earlier
    // occurrences leads to the same place.
    QTextDocument *document = m_native->document();
    const QList<TextFinder::Match> matches = TextFinder(document->toRawText()).findAll(text);
    if (matches.isEmpty())
        return false;
    const TextFinder::Match match = matches[qBound(0, occurrence, int(matches.size()) - 1)];
    QTextCursor found(document);
    found.setPosition(int(match.position));
    found.setPosition(int(match.position + match.length), QTextCursor::KeepAnchor);
    m_native->setTextCursor(found);
    // The match a third of the way down, with the rows above it in view.
    QScrollBar *bar = m_native->verticalScrollBar();
    bar->setValue(bar->value() + m_native->cursorRect(found).center().y() - m_native->viewport()->height() / 3);
    return true;
}

QString BrowserPane::webEnginePluginFileName()
{
    return QStringLiteral("libvoruvar_webengine.so");
}

bool BrowserPane::showingWebRenderer() const
{
    return m_web && m_stack->currentWidget() == m_web->widget();
}

QWidget *BrowserPane::webView() const
{
    return m_web ? m_web->widget() : nullptr;
}

qint64 BrowserPane::webRendererProcess() const
{
    return m_web ? m_web->rendererProcess() : 0;
}

void BrowserPane::setTextZoom(TextZoom *zoom)
{
    if (m_zoom)
        disconnect(m_zoom, nullptr, this, nullptr);
    m_zoom = zoom;
    connect(m_zoom, &TextZoom::changed, this, &BrowserPane::applyTextZoom);
    applyTextZoom();
}

void BrowserPane::applyTextZoom()
{
    if (m_web)
        m_web->setZoomFactor(m_zoom->factor());
    // A reference page on show is laid out again at the new size, where it was scrolled to.
    if (!showingWebRenderer() && m_documents->html(m_native->document()).size() > 0) {
        const double position = m_native->verticalScrollBar()->maximum() > 0
                                    ? double(m_native->verticalScrollBar()->value()) / m_native->verticalScrollBar()->maximum()
                                    : 0.0;
        showReferenceDocument(m_location);
        m_native->verticalScrollBar()->setValue(int(position * m_native->verticalScrollBar()->maximum()));
    }
}

void BrowserPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_findBar)
        m_findBar->place();
}

bool BrowserPane::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+wheel sizes the text for every pane, not only this view's own font.
    if (event->type() == QEvent::Wheel && (static_cast<QWheelEvent *>(event)->modifiers() & Qt::ControlModifier)) {
        const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
        if (delta > 0)
            m_zoom->larger();
        else if (delta < 0)
            m_zoom->smaller();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

FindBar *BrowserPane::findBar()
{
    // Made when first asked for: most sessions never look for text.
    if (m_findBar)
        return m_findBar;
    m_findBar = new FindBar(this);
    connect(m_findBar, &FindBar::searchChanged, this, [this] {
        if (showingWebRenderer())
            find(false);
        else
            findNative(false, true);
    });
    connect(m_findBar, &FindBar::nextRequested, this, &BrowserPane::findNext);
    connect(m_findBar, &FindBar::previousRequested, this, &BrowserPane::findPrevious);
    connect(m_findBar, &FindBar::dismissed, this, [this] {
        clearFound();
        setFocus();
    });
    return m_findBar;
}

bool BrowserPane::findBarOpen() const
{
    return m_findBar && m_findBar->isOpen() && !m_findBar->text().isEmpty();
}

void BrowserPane::openFindBar()
{
    findBar()->open();
    if (!m_findBar->text().isEmpty())
        showingWebRenderer() ? find(false) : findNative(false, true);
}

void BrowserPane::findNext()
{
    if (!findBarOpen()) {
        openFindBar();
        return;
    }
    showingWebRenderer() ? find(false) : findNative(false, false);
}

void BrowserPane::findPrevious()
{
    if (!findBarOpen()) {
        openFindBar();
        return;
    }
    showingWebRenderer() ? find(true) : findNative(true, false);
}

void BrowserPane::find(bool backward)
{
    m_web->find(m_findBar->text(), backward, [bar = QPointer<FindBar>(m_findBar), this](int current, int total) {
        if (!bar)
            return;
        bar->showResult(current, total);
        Q_EMIT findFinished(current, total);
    });
}

void BrowserPane::findNative(bool backward, bool fromSelection)
{
    QTextDocument *document = m_native->document();
    const QString text = m_findBar->text();
    if (document != m_foundIn || document->revision() != m_foundRevision || text != m_foundText) {
        m_foundIn = document;
        m_foundRevision = document->revision();
        m_foundText = text;
        m_matches = TextFinder(document->toRawText()).findAll(text);
        m_current = -1;
        fromSelection = true;
    }
    if (m_matches.isEmpty()) {
        m_current = -1;
        m_native->setExtraSelections({});
    } else if (fromSelection) {
        // Typing on keeps the match where it is: the first at or after the current one.
        const int from = m_native->textCursor().selectionStart();
        m_current = 0;
        while (m_current < m_matches.size() && m_matches[m_current].position < from)
            ++m_current;
        if (m_current == m_matches.size())
            m_current = 0;
    } else {
        m_current = int((m_current + (backward ? m_matches.size() - 1 : 1)) % m_matches.size());
    }
    if (m_current >= 0) {
        const TextFinder::Match match = m_matches[m_current];
        QTextCursor cursor(document);
        cursor.setPosition(int(match.position));
        cursor.setPosition(int(match.position + match.length), QTextCursor::KeepAnchor);
        m_native->setTextCursor(cursor);
        m_native->ensureCursorVisible();
        // Every match marked, the current one stronger; a thousand are enough to see.
        QList<QTextEdit::ExtraSelection> marks;
        for (qsizetype i = 0; i < qMin<qsizetype>(m_matches.size(), 1000); ++i) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(document);
            mark.cursor.setPosition(int(m_matches[i].position));
            mark.cursor.setPosition(int(m_matches[i].position + m_matches[i].length), QTextCursor::KeepAnchor);
            mark.format.setBackground(i == m_current ? QColor(255, 150, 50) : QColor(255, 240, 120));
            marks.append(mark);
        }
        m_native->setExtraSelections(marks);
    }
    const int total = int(m_matches.size());
    m_findBar->showResult(m_current + 1, total);
    Q_EMIT findFinished(m_current + 1, total);
}

void BrowserPane::clearFound()
{
    m_native->setExtraSelections({});
    m_foundIn = nullptr;
    m_matches.clear();
    m_current = -1;
    if (m_web)
        m_web->find(QString(), false, {});
}

QString BrowserPane::selectedText() const
{
    return showingWebRenderer() ? m_web->selectedText() : m_native->textCursor().selectedText().replace(
                                                              QChar::ParagraphSeparator, u'\n');
}

void BrowserPane::copy()
{
    if (showingWebRenderer())
        m_web->copy();
    else
        m_native->copy();
}

void BrowserPane::selectAll()
{
    if (showingWebRenderer())
        m_web->selectAll();
    else
        m_native->selectAll();
}

void BrowserPane::showContextMenu(const QPoint &position)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("paneMenu"));
    QAction *copy = menu.addAction(tr("&Copy"), QKeySequence::Copy, this, &BrowserPane::copy);
    copy->setEnabled(!selectedText().isEmpty());
    menu.addAction(tr("Select &All"), QKeySequence::SelectAll, this, &BrowserPane::selectAll);
    menu.addSeparator();
    menu.addAction(tr("&Find..."), QKeySequence::Find, this, &BrowserPane::openFindBar);
    menu.addAction(tr("&Print..."), QKeySequence::Print, this, &BrowserPane::printRequested);
    if (showingWebRenderer() && !m_location.isLocalFile()) {
        const QUrl url = m_location;
        menu.addAction(tr("Open in &Browser"), this, [this, url] { Q_EMIT openInBrowserRequested(url); });
    }
    menu.exec(mapToGlobal(position));
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
    const QFileInfo file(url.toLocalFile());
    if (file.isDir()) {
        QString error;
        const QString listing = PanePages::folderListing(file.filePath(), &error);
        if (listing.isEmpty())
            showError(url, error);
        else
            showPanePage(url, listing, true);
    } else if (const std::optional<QString> reason = DocumentFile::whyNotShown(file.filePath())) {
        showError(url, *reason);
    } else if (PaneAddress::isReferenceDocument(url)) {
        showReferenceDocument(url);
    } else if (!openOutside(url)) {
        showInWebRenderer(url);
    }
}

bool BrowserPane::openOutside(const QUrl &url)
{
    // What the web renderer shows itself: pages, text, PDF and pictures. Anything else is the
    // desktop's, and the pane keeps what it shows.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(url.toLocalFile());
    for (const char *shown : {"text/", "image/", "application/pdf", "application/xhtml+xml", "application/xml"}) {
        if (type.name().startsWith(QLatin1String(shown)))
            return false;
    }
    if (type.inherits(QStringLiteral("text/plain")) || type.name() == u"application/octet-stream")
        return false;
    qCInfo(lcPane) << "Opening" << url.toString(QUrl::FullyEncoded) << "with the desktop's application for"
                   << type.name();
    QDesktopServices::openUrl(url);
    return true;
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
    QFont font = m_native->font();
    font.setPointSizeF(font.pointSizeF() * m_zoom->factor());
    QTextDocument *document = m_documents->document(url.toLocalFile(), font, m_native->devicePixelRatioF(),
                                                    &needsContent, &error, m_zoom->factor());
    if (!document) {
        showError(url, tr("The file %1 cannot be read: %2").arg(url.toLocalFile(), error));
        return;
    }
    m_native->setDocument(document);
    if (needsContent)
        document->setHtml(m_documents->htmlForScreen(document));
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
    if (findBarOpen())
        findNative(false, true);
}

void BrowserPane::showError(const QUrl &url, const QString &reason)
{
    qCInfo(lcPane) << "Error page for" << url.toString(QUrl::FullyEncoded) << reason;
    showPanePage(url, PanePages::errorPage(url, reason), false);
}

void BrowserPane::showPanePage(const QUrl &url, const QString &html, bool ok)
{
    QFont font = m_native->font();
    font.setPointSizeF(font.pointSizeF() * m_zoom->factor());
    m_errorPage->setDefaultFont(font);
    m_errorPage->setBaseUrl(url);
    m_errorPage->setHtml(html);
    m_native->setDocument(m_errorPage);
    m_documents->trim(m_errorPage);
    showNative();
    m_native->onFirstPaint = {};
    Q_EMIT documentShown(url, ok);
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
    callbacks.loadFailed = [this](const QUrl &url, const QString &reason) {
        // Not from inside the engine's own handling: the pane switches renderers.
        QMetaObject::invokeMethod(
            this,
            [this, url, reason] {
                if (showingWebRenderer())
                    showError(url, reason);
            },
            Qt::QueuedConnection);
    };
    callbacks.rendererEnded = [this](const QUrl &url) {
        QMetaObject::invokeMethod(
            this,
            [this, url] {
                if (!showingWebRenderer())
                    return;
                qCWarning(lcPane) << "The web renderer's process ended showing" << url.toString(QUrl::FullyEncoded);
                showPanePage(url, PanePages::rendererStoppedPage(url), false);
            },
            Qt::QueuedConnection);
    };
    callbacks.contextMenu = [this](const QPoint &position) {
        showContextMenu(m_web->widget()->mapTo(this, position));
    };
    callbacks.wheelZoom = [this](int steps) {
        if (steps > 0)
            m_zoom->larger();
        else if (steps < 0)
            m_zoom->smaller();
    };
    m_web = factory->create(this, std::move(callbacks));
    m_web->setZoomFactor(m_zoom->factor());
    m_stack->addWidget(m_web->widget());
    // Made last, the web renderer would come last in the tab order: it takes the native
    // browser's place, which only one of them holds on show at a time.
    setTabOrder(m_native, m_web->widget());
    return m_web.get();
}

void BrowserPane::onNativeLink(const QUrl &link)
{
    if (link == PanePages::reloadLink()) {
        display(m_location);
        return;
    }
    if (link.scheme().isEmpty() && link.path().isEmpty() && link.hasFragment()) {
        m_native->scrollToAnchor(link.fragment());
        return;
    }
    display(m_location.resolved(link));
}

} // namespace Voruvar::Platform
