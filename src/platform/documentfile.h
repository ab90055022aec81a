// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

#include <optional>

namespace Voruvar::Platform {

// Checks a local document before a renderer reads it: only a regular file that this user may
// read is shown. A folder, a pipe (which would wait for a writer), a device (which may never
// end) or a link that leads nowhere gets a sentence naming the file and the reason instead.
class DocumentFile final
{
public:
    DocumentFile() = delete;

    // Why the document at path cannot be shown; nullopt when it can be read.
    static std::optional<QString> whyNotShown(const QString &path);
};

} // namespace Voruvar::Platform
