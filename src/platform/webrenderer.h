// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QtPlugin>
#include <QUrl>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace Voruvar::Platform {

// The full web renderer behind the details pane, for everything that is not a built-in
// reference document. It lives in a plugin that is loaded when a document first needs it.
class WebRenderer
{
public:
    virtual ~WebRenderer() = default;
    virtual QWidget *widget() = 0;
    virtual void load(const QUrl &url) = 0;
    // Stops a load under way (the pane shows another renderer now).
    virtual void stop() = 0;
    virtual QUrl url() const = 0;
    virtual void print(QPrinter *printer, std::function<void(bool ok)> finished) = 0;
    // Looks for the text in the page, forwards or backwards from the current match, wrapping
    // around; an empty text clears the highlight. `found` gets the current match (from 1) and
    // the number of matches, 0 and 0 when there is none.
    virtual void find(const QString &text, bool backward, std::function<void(int current, int total)> found) = 0;
    virtual void setZoomFactor(double factor) = 0;
    virtual QString selectedText() const = 0;
    virtual void copy() = 0;
    virtual void selectAll() = 0;
    virtual void reload() = 0;
    // The process id of the engine's renderer for the page, for the logs; 0 when there is none.
    virtual qint64 rendererProcess() const = 0;
    // Selects a text in the page and scrolls to it: the match after occurrence earlier ones
    // (letter case ignored), or the last one when there are fewer. Asked during a load, it waits
    // for the load to finish.
    virtual void findText(const QString &text, int occurrence) = 0;
};

class WebRendererFactory
{
public:
    struct Callbacks
    {
        // The renderer went to another URL on its own (a link, a redirect).
        std::function<void(const QUrl &url)> urlChanged;
        // A load ended: the URL, whether it succeeded, the page's title.
        std::function<void(const QUrl &url, bool ok, const QString &title)> loadFinished;
        // A link asks for a document the renderer leaves to the pane (a reference document).
        std::function<void(const QUrl &url)> handOver;
        // A load failed: the URL and the reason, as the engine words it.
        std::function<void(const QUrl &url, const QString &reason)> loadFailed;
        // The process that drew the page ended (crashed or was killed).
        std::function<void(const QUrl &url)> rendererEnded;
        // The user asked for the page's context menu at a point of the renderer's widget.
        std::function<void(const QPoint &position)> contextMenu;
        // Ctrl+wheel over the page: steps larger (positive) or smaller (negative).
        std::function<void(int steps)> wheelZoom;
    };

    virtual ~WebRendererFactory() = default;
    virtual std::unique_ptr<WebRenderer> create(QWidget *parent, Callbacks callbacks) = 0;
};

} // namespace Voruvar::Platform

#define VoruvarWebRendererFactory_iid "org.voruvar.Platform.WebRendererFactory/3"
Q_DECLARE_INTERFACE(Voruvar::Platform::WebRendererFactory, VoruvarWebRendererFactory_iid)
