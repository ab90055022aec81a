// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Platform {

enum class MessageIcon { Information, Error };

// One message box: a title, a text whose lines are separated by CR LF, an icon and one OK button.
struct Message
{
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;

    friend bool operator==(const Message &, const Message &) = default;
};

// Every message box of the add-in goes through this, so tests can read them.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    // Shows the box modally and returns when the user has closed it.
    virtual void show(const Message &message) = 0;
};

} // namespace Voruvar::Platform
