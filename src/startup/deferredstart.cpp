// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "deferredstart.h"

#include "host/hostcontext.h"
#include "core/texttools.h"
#include "platform/instanceprobe.h"
#include "platform/processcontrol.h"
#include "platform/screenmetrics.h"
#include "startsteps.h"
#include "startview.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcStart, "voruvar.startup.deferredstart")

namespace Voruvar::Startup {

using Platform::Message;
using Platform::MessageIcon;

DeferredStart::DeferredStart(const Host::HostContext &context, Services services)
    : m_context(context), m_services(services)
{
}

Message DeferredStart::multipleInstancesMessage()
{
    return {QStringLiteral("Multiple Instances Prohibited"),
            QStringLiteral("Voruvar is already running.\r\n\r\n"
                           "Your user settings do not allow you to run more than once instance of this add-in."),
            MessageIcon::Information};
}

Message DeferredStart::invalidResolutionMessage()
{
    return {QStringLiteral("Invalid Resolution"),
            QStringLiteral("The VORUVAR add-in does not support your current resolution mode.\r\n\r\n"
                           "Please change your resolution to at least 800x600 pixels."),
            MessageIcon::Error};
}

Message DeferredStart::invalidReferenceMessage()
{
    return {QStringLiteral("Invalid Reference"), QStringLiteral("The referenced object either no longer exists."),
            MessageIcon::Error};
}

bool DeferredStart::resolutionTooSmall(int widthTwips, int heightTwips)
{
    return heightTwips < 8000 && widthTwips < 11000;
}

void DeferredStart::arm()
{
    ++m_requests;
    m_services.view.enableTimer();
}

void DeferredStart::onTick()
{
    if (m_running)
        return;
    m_running = true;
    run();
    m_running = false;
}

void DeferredStart::run()
{
    StartView &view = m_services.view;

    view.showWaitWindow();
    view.processEvents();
    view.disableTimer();
    const quint64 requestsAtDisable = m_requests;

    if (m_context.strMultiInstance == u"0" && m_services.instances.anotherInstanceRunning()) {
        view.unloadWaitWindow();
        m_services.messages.show(multipleInstancesMessage());
        m_services.process.endProcess();
        return;
    }

    if (resolutionTooSmall(m_services.screen.widthTwips(), m_services.screen.heightTwips())) {
        m_services.messages.show(invalidResolutionMessage());
        m_services.process.endProcess();
        return;
    }

    m_services.steps.fetchRetryCount();
    m_services.steps.readSettings();
    m_services.steps.buildCategoryList();

    view.setAdminButtonVisible(m_context.strAccessLevel == u"2");

    // Requests up to here are served by this run, which reads the alert text now; one that comes
    // later (while a box below is open, say) gets a run of its own.
    const quint64 requestsServed = m_requests;
    bool entrySelected = false;
    const QString alert = Core::trimBlanks(m_context.strAlertRef);
    if (!alert.isEmpty()) {
        const int index = int(view.listEntries().indexOf(alert.toUpper()));
        if (index >= 0) {
            view.selectEntry(index);
            entrySelected = true;
        } else {
            qCInfo(lcStart) << "The alert names no listed category:" << alert;
            m_services.messages.show(invalidReferenceMessage());
        }
    }

    view.unloadWaitWindow();
    if (m_services.screen.twipsPerPixelX() == 12.0)
        view.moveBannerDown(80);
    view.showMainWindow();
    view.focusList();

    if (!entrySelected && !view.listEntries().isEmpty())
        view.selectEntry(0);

    // A request during the run armed the timer again; it stays armed only for a request that
    // came after the alert was read.
    if (m_requests != requestsServed)
        view.enableTimer();
    else if (m_requests != requestsAtDisable)
        view.disableTimer();
}

} // namespace Voruvar::Startup
