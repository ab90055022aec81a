// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace Voruvar::Standin {

// What a host console hands the add-in: its three collections, item by item, and an optional
// alert title. Read from an INI-style file:
//
//   [R_PATH] / [R_USER] / [R_FLAG]   items "1=text", "2=text", ... (item 1 first)
//   [Execute]                        "Alert=TITLE": execute with M_ExecAlert instead of M_Execute
//
// Lines starting with ';' or '#' are comments. A value is taken as written after trimming, or
// between double quotes to keep surrounding spaces; "${PROFILE_DIR}" stands for the folder of the
// file. An item left out below the highest one given is sent as the null value.
struct Profile
{
    QList<std::optional<QString>> paths;
    QList<std::optional<QString>> user;
    QList<std::optional<QString>> flags;
    std::optional<QString> alert;

    // The profile, or none with `error` naming the file, line and fault.
    static std::optional<Profile> loadFromFile(const QString &path, QString *error);
};

} // namespace Voruvar::Standin
