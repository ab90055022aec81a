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
    };

    virtual ~WebRendererFactory() = default;
    virtual std::unique_ptr<WebRenderer> create(QWidget *parent, Callbacks callbacks) = 0;
};

} // namespace Voruvar::Platform

#define VoruvarWebRendererFactory_iid "org.voruvar.Platform.WebRendererFactory/2"
Q_DECLARE_INTERFACE(Voruvar::Platform::WebRendererFactory, VoruvarWebRendererFactory_iid)
