// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/webrenderer.h"

#include <QObject>

#include <optional>
#include <utility>

class QWebEngineView;

namespace Voruvar::Platform {

// Qt WebEngine behind the web renderer interface: web addresses, users' own documents, PDF, text.
class WebEngineRenderer final : public QObject, public WebRenderer
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebEngineRenderer)

public:
    WebEngineRenderer(QWidget *parent, WebRendererFactory::Callbacks callbacks);
    ~WebEngineRenderer() override;

    QWidget *widget() override;
    void load(const QUrl &url) override;
    void stop() override;
    QUrl url() const override;
    void print(QPrinter *printer, std::function<void(bool ok)> finished) override;
    void find(const QString &text, bool backward, std::function<void(int current, int total)> found) override;
    void setZoomFactor(double factor) override;
    QString selectedText() const override;
    void copy() override;
    void selectAll() override;
    void reload() override;
    qint64 rendererProcess() const override;
    void findText(const QString &text, int occurrence) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Steps the find on to the match after `remaining` more.
    void findNext(const QString &text, int remaining);

    WebRendererFactory::Callbacks m_callbacks;
    QWebEngineView *m_view = nullptr;
    std::function<void(bool)> m_printFinished;
    bool m_loading = false;
    // A find asked for during a load: the text and the occurrence.
    std::optional<std::pair<QString, int>> m_pendingFind;
};

} // namespace Voruvar::Platform
