// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "retrycountfetch.h"

#include "host/errorreport.h"
#include "core/numbertext.h"
#include "platform/jetfailure.h"

#include <cmath>

namespace Voruvar::Startup {

namespace {

using Platform::JetFailure;
using Platform::JetKeyRead;
using Platform::JetValue;

std::variant<qint16, Core::ErrorDetail> inRange(double number, const QString &shown, const QString &file)
{
    const double rounded = Core::roundHalfEven(number);
    if (!std::isfinite(rounded) || rounded < -32768.0 || rounded > 32767.0)
        return Platform::jetFailure(
            JetFailure::ValueOutOfRange,
            QStringLiteral("the retry count %1 in %2 is outside -32768 to 32767").arg(shown, file));
    return static_cast<qint16>(rounded);
}

} // namespace

RetryCountFetch::RetryCountFetch(Platform::JetDatabase &database, Host::HostLog &log,
                                 Platform::MessagePresenter &messages)
    : m_database(database), m_log(log), m_messages(messages)
{}

Platform::JetKeyQuery RetryCountFetch::query(const QString &dataPath)
{
    return {dataPath + QStringLiteral("/z_udez.mdb"),
            QStringLiteral("tundra"),
            QStringLiteral("Keys"),
            QStringLiteral("Key"),
            QStringLiteral("Retry_Count"),
            QStringLiteral("Value")};
}

std::variant<qint16, Core::ErrorDetail> RetryCountFetch::retryLimitFrom(const JetValue &value, const QString &file)
{
    switch (value.type) {
    case JetValue::Type::Null:
        return Platform::jetFailure(JetFailure::ValueNull, QStringLiteral("the retry count in %1 is null").arg(file));
    case JetValue::Type::Number:
        if (value.number == 0.0)
            return qint16(0);
        return inRange(value.number, QString::number(value.number, 'g', 17), file);
    case JetValue::Type::Text: {
        // Compared with 0 the text must be a number as a whole; its value is then its leading number.
        const std::optional<double> asNumber = Core::textAsNumber(value.text);
        if (!asNumber)
            return Platform::jetFailure(
                JetFailure::ValueNotNumber,
                QStringLiteral("the retry count \"%1\" in %2 is not a number").arg(value.text.left(40), file));
        if (*asNumber == 0.0)
            return qint16(0);
        return inRange(Core::numberFromText(value.text), QLatin1Char('"') + value.text.left(40) + QLatin1Char('"'),
                       file);
    }
    }
    return qint16(0);
}

void RetryCountFetch::fetch(const QString &dataPath, Host::RetryFields &retry)
{
    const Platform::JetKeyQuery key = query(dataPath);
    retry.intRetryCounter = 0;
    for (;;) {
        const JetKeyRead read = m_database.readKey(key);
        Core::ErrorDetail failure = read.failure;
        if (read.outcome == JetKeyRead::Outcome::NoRow) {
            retry.intRetryLimit = limitWithoutRow;
            return;
        }
        if (read.outcome == JetKeyRead::Outcome::Found) {
            const auto limit = retryLimitFrom(read.value, key.file);
            if (const qint16 *count = std::get_if<qint16>(&limit)) {
                retry.intRetryLimit = *count;
                return;
            }
            failure = std::get<Core::ErrorDetail>(limit);
        }

        retry.strLastError = failure.text();
        ++retry.intRetryCounter;
        // The bound is the count as it stands: 0 at the first start, so one attempt.
        if (retry.intRetryCounter < retry.intRetryLimit)
            continue;
        Host::reportCodedError(m_log, m_messages, Host::TB101, QStringLiteral("Could not retrieve key from Console."),
                               retry.strLastError);
        return;
    }
}

} // namespace Voruvar::Startup
