// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QStringList>

namespace Voruvar::Startup {

// The windows as the start sequence drives them.
class StartView
{
public:
    virtual ~StartView() = default;
    virtual void enableTimer() = 0;
    virtual void disableTimer() = 0;
    // Loads the loading window if needed, shows it without waiting and repaints it at once.
    virtual void showWaitWindow() = 0;
    virtual void unloadWaitWindow() = 0;
    // Lets pending window events run.
    virtual void processEvents() = 0;
    virtual void setAdminButtonVisible(bool visible) = 0;
    // The entries of the category list, in list order.
    virtual QStringList listEntries() const = 0;
    // Selects a list entry, which shows its document.
    virtual void selectEntry(int index) = 0;
    virtual void moveBannerDown(int twips) = 0;
    // Makes the main window visible in the state the settings chose.
    virtual void showMainWindow() = 0;
    virtual void focusList() = 0;
};

} // namespace Voruvar::Startup
