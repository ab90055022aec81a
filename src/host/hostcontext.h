// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/hostvalue.h"

#include <QList>
#include <QLocale>
#include <QString>

namespace Voruvar::Host {

// What the host handed over: its folders (R_PATH), the signed-in user (R_USER), its switches
// (R_FLAG) and the alert text. One record per process; only the automation object writes it.
struct HostContext
{
    // R_PATH, items 1 to 8
    QString strPathItem1;
    QString strHostPath2;
    QString strPathItem3;
    QString strRuraroPath;
    QString strHostPath5;
    QString strDataPath;
    QString strPathItem7;
    QString strSitePath;

    // R_USER, items 1 to 17
    QString strAccountId;
    QString strAccountName;
    QString strAccountTitle;
    QString strUserItem4;
    QString strUserItem5;
    QString strUserItem6;
    QString strUserItem7;
    QString strUserItem8;
    QString strUserItem9;
    QString strUserItem10;
    QString strUserItem11;
    QString strUserItem12;
    QString strUserItem13;
    QString strAccessLevel;
    Core::HostDate dtUserItem15;
    QString strUserItem16;
    QString strMultiInstance;

    // R_FLAG, items 1 to 11
    QString strFlagItem1;
    QString strFlagItem2;
    QString strFlagItem3;
    QString strFlagItem4;
    quint8 bytRemindersOff = 0;
    quint8 bytReadOnlyReminders = 0;
    quint8 bytRemArg6 = 0;
    QString strReminderDays;
    QString strFlagItem9;
    QString strDateFormat;
    QString strSiteName;

    // M_Execute / M_ExecAlert
    QString strAlertRef;

    // Each stores items 1 to 8, 17 or 11 of the collection into their fields, in rising order.
    // A missing item, or one that cannot be converted to its field's type, leaves the field as it
    // was; items past the group are ignored.
    void storePaths(const QList<Core::HostValue> &items, const QLocale &locale = QLocale::system());
    void storeUser(const QList<Core::HostValue> &items, const QLocale &locale = QLocale::system());
    void storeFlags(const QList<Core::HostValue> &items, const QLocale &locale = QLocale::system());

    friend bool operator==(const HostContext &, const HostContext &) = default;

    static constexpr int pathItemCount = 8;
    static constexpr int userItemCount = 17;
    static constexpr int flagItemCount = 11;
};

} // namespace Voruvar::Host
