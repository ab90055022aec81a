// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "adminsettings.h"

#include <QString>

namespace Voruvar::Host {
class HostLog;
}
namespace Voruvar::Platform {
class MessagePresenter;
}

namespace Voruvar::Startup {

// The administrator's three check boxes; a box counts as ticked only when set (not grey).
struct AdminChoices
{
    bool maximize = false;
    bool printerDialog = false;
    bool bypassBuiltIns = false;
};

// The administrator's save: writes "DARUD.DCT" in the directory from the choices; once the file
// is on disk, updates the settings, logs "Administrative Options Updated" and shows the "Success"
// box. When the file cannot be written the settings stay as they were, nothing is logged and an
// error box titled "Save Failure" names the file and the reason. Returns whether it was saved.
bool saveAdminSettings(const QString &directory, const AdminChoices &choices, AdminSettings &settings,
                       Host::HostLog &log, Platform::MessagePresenter &messages);

} // namespace Voruvar::Startup
