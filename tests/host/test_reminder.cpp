// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "fakehostlibrary.h"
#include "fakeplatform.h"
#include "host/hostcontext.h"
#include "host/reminder.h"

#include <QTest>

using namespace Voruvar;
using Host::Reminder;

namespace {

Host::HostContext dana()
{
    Host::HostContext context;
    context.strDateFormat = QStringLiteral("MM/dd/yyyy");
    context.strAccountId = QStringLiteral("DADMIN");
    context.strAccountName = QStringLiteral("Dana Admin");
    context.strAccountTitle = QStringLiteral("Supervisor");
    context.strUserItem16 = QStringLiteral("MAINT");
    context.strHostPath2 = QStringLiteral("/rem");
    context.strHostPath5 = QStringLiteral("/tasks");
    context.strAccessLevel = QStringLiteral("1");
    context.strReminderDays = QStringLiteral("7");
    context.bytRemArg6 = 200;
    return context;
}

// 28 December 2026, in the afternoon.
const QDateTime afternoon(QDate(2026, 12, 28), QTime(15, 30));

} // namespace

class TestReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The checks in their order: no subject first, then switched off, then the rights.
    void check_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("off");
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("readOnlyMay");
        QTest::addColumn<Reminder::Check>("expected");
        QTest::newRow("no entry, even switched off") << "" << 1 << "0" << 0 << Reminder::Check::NoSubject;
        QTest::newRow("blanks only") << "   " << 0 << "1" << 0 << Reminder::Check::NoSubject;
        QTest::newRow("off for an administrator") << "AREA" << 1 << "2" << 1 << Reminder::Check::SwitchedOff;
        QTest::newRow("off before the rights") << "AREA" << 2 << "0" << 0 << Reminder::Check::SwitchedOff;
        QTest::newRow("read-only") << "AREA" << 0 << "0" << 0 << Reminder::Check::NotAllowed;
        QTest::newRow("read-only, allowed by the switch") << "AREA" << 0 << "0" << 1 << Reminder::Check::Allowed;
        QTest::newRow("read-only, switch 2 is not 1") << "AREA" << 0 << "0" << 2 << Reminder::Check::NotAllowed;
        QTest::newRow("level compared as text") << "AREA" << 0 << "0.0" << 0 << Reminder::Check::Allowed;
        QTest::newRow("regular") << "AREA" << 0 << "1" << 0 << Reminder::Check::Allowed;
        QTest::newRow("administrator") << "AREA" << 0 << "2" << 0 << Reminder::Check::Allowed;
    }

    void check()
    {
        QFETCH(QString, entry);
        QFETCH(int, off);
        QFETCH(QString, level);
        QFETCH(int, readOnlyMay);
        QFETCH(Reminder::Check, expected);
        Host::HostContext context = dana();
        context.bytRemindersOff = quint8(off);
        context.strAccessLevel = level;
        context.bytReadOnlyReminders = quint8(readOnlyMay);
        QCOMPARE(Reminder::check(context, entry), expected);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("due"); // empty: no reminder
        QTest::newRow("a week, over the new year") << "7" << "/" << "12/28/2026" << "01/04/2027";
        QTest::newRow("zero days") << "0" << "/" << "12/28/2026" << "12/28/2026";
        QTest::newRow("the system's separator") << "7" << "." << "12.28.2026" << "01.04.2027";
        QTest::newRow("days in the past") << "-3" << "/" << "12/28/2026" << "12/25/2026";
        QTest::newRow("half a day passes midnight") << "0.5" << "/" << "12/28/2026" << "12/29/2026";
        QTest::newRow("leading number of a text") << " 2 weeks" << "/" << "12/28/2026" << "12/30/2026";
        QTest::newRow("empty") << "" << "/" << "" << "";
        QTest::newRow("not a number") << "abc" << "/" << "" << "";
        QTest::newRow("past the year 9999") << "1e9" << "/" << "" << "";
        QTest::newRow("infinite") << "1e999" << "/" << "" << "";
    }

    void dates()
    {
        QFETCH(QString, days);
        QFETCH(QString, separator);
        QFETCH(QString, today);
        QFETCH(QString, due);
        Host::HostContext context = dana();
        context.strReminderDays = days;
        const auto arguments = Reminder::arguments(context, QStringLiteral("AREA"), afternoon, separator.at(0));
        QCOMPARE(arguments.has_value(), !due.isEmpty());
        if (arguments) {
            QCOMPARE(arguments->today, today);
            QCOMPARE(arguments->dueDate, due);
        }
    }

    void dateSeparator_ofTheLocale()
    {
        QCOMPARE(Reminder::dateSeparator(QLocale(QLocale::English, QLocale::UnitedStates)), u'/');
        QCOMPARE(Reminder::dateSeparator(QLocale(QLocale::German, QLocale::Germany)), u'.');
        QCOMPARE(Reminder::dateSeparator(QLocale(QLocale::Swedish, QLocale::Sweden)), u'-');
    }

    // What the host library receives, in order, with the ten arguments.
    void create_callsTheLibrary_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("days");
        QTest::addColumn<int>("off");
        QTest::addColumn<QString>("calls"); // joined by " | "
        QTest::addColumn<QString>("box");
        const QString start = QStringLiteral("CreateObject | setDTFormat(MM/dd/yyyy) | "
                                             "DetUser(Dana Admin, MAINT, Supervisor, DADMIN) | ");
        QTest::newRow("trimmed subject")
            << "  TORX BITS  " << "7" << 0
            << start + u"RemCreate(/tasks, Dana Admin, 12/28/2026, 01/04/2027, , 200, VORUVAR.CLSMAIN, TORX BITS, "
                       "DADMIN, /rem) | Release()"
            << "";
        QTest::newRow("days not a number: DetUser only") << "AREA" << "soon" << 0 << start + u"Release()" << "";
        QTest::newRow("switched off: the box, no call") << "AREA" << "7" << 1 << "" << "Inactive Feature";
        QTest::newRow("no subject: nothing") << "" << "7" << 1 << "" << "";
    }

    void create_callsTheLibrary()
    {
        QFETCH(QString, entry);
        QFETCH(QString, days);
        QFETCH(int, off);
        QFETCH(QString, calls);
        QFETCH(QString, box);
        Host::HostContext context = dana();
        context.strReminderDays = days;
        context.bytRemindersOff = quint8(off);
        Testing::FakeHostLibrary library;
        Testing::FakeMessagePresenter messages;
        Reminder::create(entry, context, library, messages, afternoon, u'/');
        QCOMPARE(library.calls.join(QStringLiteral(" | ")), calls);
        QCOMPARE(messages.shown.isEmpty() ? QString() : messages.shown.first().title, box);
    }
};

QTEST_GUILESS_MAIN(TestReminder)
#include "test_reminder.moc"
