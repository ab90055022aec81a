// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "clsmainadaptor.h"

namespace Voruvar::Host {

clsMainAdaptor::clsMainAdaptor(clsMain *parent) : QDBusAbstractAdaptor(parent), m_object(parent)
{
    setAutoRelaySignals(false);
}

} // namespace Voruvar::Host
