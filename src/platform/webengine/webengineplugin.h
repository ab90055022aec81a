// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/webrenderer.h"

#include <QObject>

namespace Voruvar::Platform {

// The plugin that brings Qt WebEngine into the process, only when the details pane needs it.
class WebEnginePlugin final : public QObject, public WebRendererFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VoruvarWebRendererFactory_iid)
    Q_INTERFACES(Voruvar::Platform::WebRendererFactory)

public:
    std::unique_ptr<WebRenderer> create(QWidget *parent, Callbacks callbacks) override;
};

} // namespace Voruvar::Platform
