// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "webengineplugin.h"

#include "webenginerenderer.h"

namespace Voruvar::Platform {

std::unique_ptr<WebRenderer> WebEnginePlugin::create(QWidget *parent, Callbacks callbacks)
{
    return std::make_unique<WebEngineRenderer>(parent, std::move(callbacks));
}

} // namespace Voruvar::Platform
