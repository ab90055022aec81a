// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

namespace Voruvar::Startup {

// The work the start sequence hands to other parts of the add-in, in the order it calls them.
// Each reports its own failures and never stops the start.
class StartSteps
{
public:
    virtual ~StartSteps() = default;
    // Reads the retry count from the host's database, with its own retry loop.
    virtual void fetchRetryCount() = 0;
    // Reads the administrative settings and sets the main window's maximized or normal state.
    virtual void readSettings() = 0;
    // Fills the category list, its count line and the main window's caption.
    virtual void buildCategoryList() = 0;
};

} // namespace Voruvar::Startup
