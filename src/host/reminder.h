// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "reminderarguments.h"

#include "platform/messagepresenter.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace Voruvar::Host {

class HostLibrary;
struct HostContext;

// The reminder button: the selected category becomes a reminder in the host console.
class Reminder final
{
public:
    Reminder() = delete;

    // What the checks allow for the current list entry, in the order they are made: no subject
    // (nothing happens), switched off for everyone, refused to read-only users, or allowed.
    enum class Check { NoSubject, SwitchedOff, NotAllowed, Allowed };
    static Check check(const HostContext &context, const QString &entryText);

    static Platform::Message inactiveFeatureMessage();
    static Platform::Message invalidAccessMessage();

    // RemCreate's arguments for the subject: today and today plus strReminderDays (read by the
    // number rule) as "mm/dd/yyyy" with the given separator. None when strReminderDays does not
    // begin with a number, or when the date falls outside the years 1 to 9999.
    static std::optional<ReminderArguments> arguments(const HostContext &context, const QString &subject,
                                                      const QDateTime &now, QChar dateSeparator);

    // The separator of the locale's short date format; "/" when it shows none.
    static QChar dateSeparator(const QLocale &locale = QLocale::system());

    // The whole click: the checks with their boxes, then DetUser and RemCreate on one object of
    // the library. Host failures are skipped silently; nothing confirms the reminder.
    static void create(const QString &entryText, const HostContext &context, HostLibrary &library,
                       Platform::MessagePresenter &messages, const QDateTime &now = QDateTime::currentDateTime(),
                       QChar separator = dateSeparator());
};

} // namespace Voruvar::Host
