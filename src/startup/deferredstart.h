// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/messagepresenter.h"

namespace Voruvar::Host {
struct HostContext;
}
namespace Voruvar::Platform {
class InstanceProbe;
class ProcessControl;
class ScreenMetrics;
} // namespace Voruvar::Platform

namespace Voruvar::Startup {

class StartSteps;
class StartView;

// The start sequence that runs on the main window's timer after the host asked to execute:
// loading window, instance and resolution rules, retry count, settings, category list, the
// administrator button, the alert's category, then the main window.
class DeferredStart final
{
public:
    struct Services
    {
        StartView &view;
        StartSteps &steps;
        Platform::MessagePresenter &messages;
        Platform::InstanceProbe &instances;
        Platform::ScreenMetrics &screen;
        Platform::ProcessControl &process;
    };

    DeferredStart(const Host::HostContext &context, Services services);

    // The host asked for a start: arm the timer. A request during a run, before the run has
    // read the alert text, is served by that run; a later one runs next.
    void arm();
    // A timer tick. Runs the whole sequence once; a tick while it runs does nothing.
    void onTick();
    bool isRunning() const { return m_running; }

    static Platform::Message multipleInstancesMessage();
    static Platform::Message invalidResolutionMessage();
    static Platform::Message invalidReferenceMessage();
    // The resolution rule: too small only when both the height and the width are short.
    static bool resolutionTooSmall(int widthTwips, int heightTwips);

private:
    void run();

    const Host::HostContext &m_context;
    Services m_services;
    bool m_running = false;
    quint64 m_requests = 0;
};

} // namespace Voruvar::Startup
