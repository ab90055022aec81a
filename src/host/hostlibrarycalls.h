// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "hostlibraryobject.h"

#include <QString>

#include <functional>
#include <optional>

namespace Voruvar::Platform {
class MessagePresenter;
}

namespace Voruvar::Host {

class HostLibrary;
class HostLog;
struct HostContext;
struct RetryFields;

// The add-in's uses of the host library. Each makes one object, sets its date format to
// strDateFormat first, makes its calls and releases the object, also after a failure; a failed
// release does not make the use fail. The context is read when the use is made.

// Log entry: RuraroPath(strRuraroPath), then writeLog(entry, strAccountName). Each step that
// fails is skipped and the next one runs; nothing is reported.
void writeLogEntry(HostLibrary &library, const HostContext &context, const QString &entry);

// Reminder: DetUser(strAccountName, strUserItem16, strAccountTitle, strAccountId), then
// RemCreate with the arguments `makeArguments` gives just before the call (none: the call is
// skipped). Each step that fails is skipped; nothing is reported.
void createReminder(HostLibrary &library, const HostContext &context,
                    const std::function<std::optional<ReminderArguments>()> &makeArguments);

// One attempt at opening a web address: gBrowser(address, 1, 0), then pending window events run
// once. Stops at the first failing step and returns it.
HostFailure openAddressOnce(HostLibrary &library, const HostContext &context, const QString &address,
                            const std::function<void()> &processEvents);

// The web link: attempts at once, one after another, until one works or max(1, intRetryLimit)
// have failed; each failure is noted in strLastError. After the last failure the TB700 report
// (log entry and error box). Returns whether the address was opened.
bool openAddressWithRetries(HostLibrary &library, const HostContext &context, RetryFields &retry, HostLog &log,
                            Platform::MessagePresenter &messages, const QString &address,
                            const std::function<void()> &processEvents);

} // namespace Voruvar::Host
