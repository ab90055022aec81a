// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>
#include <QStringView>

namespace Voruvar::Catalog {

// How document names and user locations become the address handed to the details pane.
class DocumentAddress final
{
public:
    DocumentAddress() = delete;

    // A location whose first four characters are "HTTP" in any letter case is a web address.
    static bool isWebAddress(QStringView location);

    // The directory joined with a relative name. In the name, `\` counts as a path separator as
    // well as `/` (so files written for Windows installations keep working); the directory is
    // taken as it stands. Exactly one separator stands between the two; an empty name gives the
    // directory itself, with a trailing `/`.
    static QString joinToDirectory(QStringView directory, QStringView name);

    // The address of a user location: a web address as it stands, an absolute path ("/...")
    // as it stands, anything else joined to the directory.
    static QString forUserLocation(QStringView directory, QStringView location);
};

} // namespace Voruvar::Catalog
