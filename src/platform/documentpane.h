// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

#include <functional>

class QPrinter;

namespace Voruvar::Platform {

// The details pane as the add-in drives it: show the document at an address (a file path or a
// web address), tell where it is, print it.
class DocumentPane
{
public:
    virtual ~DocumentPane() = default;
    // Starts showing the document and returns at once; a later call replaces a load under way.
    // Whatever cannot be shown (missing file, directory, unreadable file, unreachable address)
    // shows an error page in the pane.
    virtual void navigate(const QString &address) = 0;
    // The URL of the document shown; navigating to it shows the same document again.
    virtual QString locationURL() const = 0;
    // Prints the document shown; finished runs once with the outcome.
    virtual void print(QPrinter *printer, std::function<void(bool ok)> finished) = 0;
};

} // namespace Voruvar::Platform
