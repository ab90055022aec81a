// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/errordetail.h"
#include "host/retryfields.h"
#include "platform/jetdatabase.h"

#include <QString>

#include <variant>

namespace Voruvar::Host {
class HostLog;
}
namespace Voruvar::Platform {
class MessagePresenter;
}

namespace Voruvar::Startup {

// Reads the retry count from the host's system database at every start, with its own retry
// loop: the first attempt, then as many more as the current retry count allows. A row without
// the key gives 50; after the last failed attempt the TB101 report is made and the start goes on.
class RetryCountFetch
{
public:
    RetryCountFetch(Platform::JetDatabase &database, Host::HostLog &log, Platform::MessagePresenter &messages);

    // Sets retry.intRetryLimit from the database in dataPath, or reports TB101. The failures
    // counted and the last one's detail are left in retry.
    void fetch(const QString &dataPath, Host::RetryFields &retry);

    // The database file in the host's data folder, and the key looked up in it.
    static Platform::JetKeyQuery query(const QString &dataPath);

    // The retry count a value of the key row stands for: 0 for a value equal to 0, otherwise the
    // value (text read by the number-from-text rule) rounded to the nearest whole number, halves to
    // even. Null, text that is not a number and values beyond 16 bits are failures.
    static std::variant<qint16, Core::ErrorDetail> retryLimitFrom(const Platform::JetValue &value, const QString &file);

    static constexpr qint16 limitWithoutRow = 50;

private:
    Platform::JetDatabase &m_database;
    Host::HostLog &m_log;
    Platform::MessagePresenter &m_messages;
};

} // namespace Voruvar::Startup
