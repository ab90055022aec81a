// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "hostcontext.h"

#include "core/valueconvert.h"

#include <array>
#include <variant>

namespace Voruvar::Host {

namespace {

using Field = std::variant<QString HostContext::*, quint8 HostContext::*, Core::HostDate HostContext::*>;

constexpr std::array<Field, HostContext::pathItemCount> pathFields{
    &HostContext::strPathItem1, &HostContext::strHostPath2, &HostContext::strPathItem3, &HostContext::strRuraroPath,
    &HostContext::strHostPath5, &HostContext::strDataPath,  &HostContext::strPathItem7, &HostContext::strSitePath,
};

constexpr std::array<Field, HostContext::userItemCount> userFields{
    &HostContext::strAccountId,   &HostContext::strAccountName, &HostContext::strAccountTitle,
    &HostContext::strUserItem4,   &HostContext::strUserItem5,   &HostContext::strUserItem6,
    &HostContext::strUserItem7,   &HostContext::strUserItem8,   &HostContext::strUserItem9,
    &HostContext::strUserItem10,  &HostContext::strUserItem11,  &HostContext::strUserItem12,
    &HostContext::strUserItem13,  &HostContext::strAccessLevel, &HostContext::dtUserItem15,
    &HostContext::strUserItem16,  &HostContext::strMultiInstance,
};

constexpr std::array<Field, HostContext::flagItemCount> flagFields{
    &HostContext::strFlagItem1,    &HostContext::strFlagItem2,         &HostContext::strFlagItem3,
    &HostContext::strFlagItem4,    &HostContext::bytRemindersOff,      &HostContext::bytReadOnlyReminders,
    &HostContext::bytRemArg6,      &HostContext::strReminderDays,      &HostContext::strFlagItem9,
    &HostContext::strDateFormat,   &HostContext::strSiteName,
};

template<std::size_t N>
void store(HostContext &context, const std::array<Field, N> &fields, const QList<Core::HostValue> &items,
           const QLocale &locale)
{
    const qsizetype count = std::min<qsizetype>(items.size(), qsizetype(N));
    for (qsizetype i = 0; i < count; ++i) {
        const Core::HostValue &item = items[i];
        std::visit(
            [&](auto member) {
                using T = std::remove_reference_t<decltype(context.*member)>;
                std::optional<T> converted;
                if constexpr (std::is_same_v<T, QString>)
                    converted = Core::toText(item, locale);
                else if constexpr (std::is_same_v<T, quint8>)
                    converted = Core::toByte(item, locale);
                else
                    converted = Core::toDate(item, locale);
                if (converted)
                    context.*member = std::move(*converted);
            },
            fields[std::size_t(i)]);
    }
}

} // namespace

void HostContext::storePaths(const QList<Core::HostValue> &items, const QLocale &locale)
{
    store(*this, pathFields, items, locale);
}

void HostContext::storeUser(const QList<Core::HostValue> &items, const QLocale &locale)
{
    store(*this, userFields, items, locale);
}

void HostContext::storeFlags(const QList<Core::HostValue> &items, const QLocale &locale)
{
    store(*this, flagFields, items, locale);
}

} // namespace Voruvar::Host
