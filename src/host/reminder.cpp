// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "reminder.h"

#include "hostcontext.h"
#include "hostlibrarycalls.h"

#include "core/numbertext.h"
#include "core/texttools.h"

#include <cmath>

namespace Voruvar::Host {

namespace {

constexpr double msPerDay = 24.0 * 60 * 60 * 1000;

std::optional<QString> asText(const QDate &date, QChar separator)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return std::nullopt;
    const auto digits = [](int value, int width) { return QString::number(value).rightJustified(width, u'0'); };
    return digits(date.month(), 2) + separator + digits(date.day(), 2) + separator + digits(date.year(), 4);
}

} // namespace

Reminder::Check Reminder::check(const HostContext &context, const QString &entryText)
{
    if (Core::trimBlanks(entryText).isEmpty())
        return Check::NoSubject;
    if (context.bytRemindersOff != 0)
        return Check::SwitchedOff;
    if (context.strAccessLevel == u"0" && context.bytReadOnlyReminders != 1)
        return Check::NotAllowed;
    return Check::Allowed;
}

Platform::Message Reminder::inactiveFeatureMessage()
{
    return {QStringLiteral("Inactive Feature"),
            QStringLiteral("Reminder creation has been disabled.\r\nContact your administrator for details."),
            Platform::MessageIcon::Information};
}

Platform::Message Reminder::invalidAccessMessage()
{
    return {QStringLiteral("Invalid Access"), QStringLiteral("You are not allowed to create reminders."),
            Platform::MessageIcon::Error};
}

std::optional<ReminderArguments> Reminder::arguments(const HostContext &context, const QString &subject,
                                                     const QDateTime &now, QChar dateSeparator)
{
    const std::optional<double> days = Core::leadingNumber(context.strReminderDays);
    // Past the years 1 to 9999 the date cannot be written, and the milliseconds would overflow.
    if (!days || !std::isfinite(*days) || std::abs(*days) > 4e6)
        return std::nullopt;
    const std::optional<QString> today = asText(now.date(), dateSeparator);
    const std::optional<QString> due =
        asText(now.addMSecs(qint64(std::llround(*days * msPerDay))).date(), dateSeparator);
    if (!today || !due)
        return std::nullopt;
    return ReminderArguments{context.strHostPath5,
                             context.strAccountName,
                             *today,
                             *due,
                             QString(),
                             context.bytRemArg6,
                             QStringLiteral("VORUVAR.CLSMAIN"),
                             Core::trimBlanks(subject),
                             context.strAccountId,
                             context.strHostPath2};
}

QChar Reminder::dateSeparator(const QLocale &locale)
{
    for (const QChar c : locale.dateFormat(QLocale::ShortFormat)) {
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    }
    return u'/';
}

void Reminder::create(const QString &entryText, const HostContext &context, HostLibrary &library,
                      Platform::MessagePresenter &messages, const QDateTime &now, QChar separator)
{
    switch (check(context, entryText)) {
    case Check::NoSubject:
        return;
    case Check::SwitchedOff:
        messages.show(inactiveFeatureMessage());
        return;
    case Check::NotAllowed:
        messages.show(invalidAccessMessage());
        return;
    case Check::Allowed:
        break;
    }
    createReminder(library, context, [&] { return arguments(context, entryText, now, separator); });
}

} // namespace Voruvar::Host
