// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "hostlibrarycalls.h"

#include "errorreport.h"
#include "hostcontext.h"
#include "hostlibrary.h"
#include "retryfields.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcHostCalls, "voruvar.host.calls")

namespace Voruvar::Host {

namespace {

// One use of the library: the object, made and given its date format; released when the use ends.
class LibraryUse
{
public:
    LibraryUse(HostLibrary &library, const QString &dateFormat)
    {
        Core::ErrorDetail failure;
        m_object = library.CreateObject(failure);
        if (!m_object) {
            m_failure = failure;
            return;
        }
        m_failure = m_object->setDTFormat(dateFormat);
    }
    ~LibraryUse()
    {
        if (m_object) {
            if (const HostFailure failure = m_object->Release())
                qCDebug(lcHostCalls, "Release failed: %s", qPrintable(failure->text()));
        }
    }
    Q_DISABLE_COPY_MOVE(LibraryUse)

    HostLibraryObject *object() const { return m_object.get(); }
    // The failure of making the object or of setting its date format.
    const HostFailure &startFailure() const { return m_failure; }

private:
    std::unique_ptr<HostLibraryObject> m_object;
    HostFailure m_failure;
};

void note(const HostFailure &failure, const char *step)
{
    if (failure)
        qCDebug(lcHostCalls, "%s skipped: %s", step, qPrintable(failure->text()));
}

} // namespace

void writeLogEntry(HostLibrary &library, const HostContext &context, const QString &entry)
{
    LibraryUse use(library, context.strDateFormat);
    note(use.startFailure(), "Host object or date format");
    if (!use.object())
        return;
    note(use.object()->RuraroPath(context.strRuraroPath), "RuraroPath");
    note(use.object()->writeLog(entry, context.strAccountName), "writeLog");
}

void createReminder(HostLibrary &library, const HostContext &context,
                    const std::function<std::optional<ReminderArguments>()> &makeArguments)
{
    LibraryUse use(library, context.strDateFormat);
    note(use.startFailure(), "Host object or date format");
    if (!use.object())
        return;
    note(use.object()->DetUser(context.strAccountName, context.strUserItem16, context.strAccountTitle,
                               context.strAccountId),
         "DetUser");
    if (const std::optional<ReminderArguments> arguments = makeArguments())
        note(use.object()->RemCreate(*arguments), "RemCreate");
}

HostFailure openAddressOnce(HostLibrary &library, const HostContext &context, const QString &address,
                            const std::function<void()> &processEvents)
{
    LibraryUse use(library, context.strDateFormat);
    if (use.startFailure())
        return use.startFailure();
    if (HostFailure failure = use.object()->gBrowser(address, 1, 0))
        return failure;
    if (processEvents)
        processEvents();
    return std::nullopt;
}

bool openAddressWithRetries(HostLibrary &library, const HostContext &context, RetryFields &retry, HostLog &log,
                            Platform::MessagePresenter &messages, const QString &address,
                            const std::function<void()> &processEvents)
{
    retry.intRetryCounter = 0;
    for (;;) {
        const HostFailure failure = openAddressOnce(library, context, address, processEvents);
        if (!failure)
            return true;
        retry.strLastError = failure->text();
        ++retry.intRetryCounter;
        if (retry.intRetryCounter < retry.intRetryLimit)
            continue;
        reportCodedError(log, messages, TB700,
                         QStringLiteral("An incompatibility problem has been experienced with your DLL.\r\n"
                                        "Your DOVAVIREV.DLL file needs to be updated."),
                         retry.strLastError);
        return false;
    }
}

} // namespace Voruvar::Host
