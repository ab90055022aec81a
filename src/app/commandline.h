// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace Voruvar::App {

// One option of the voruvar program. The table of them is the one description of the command
// line: the parser, --help and the manual page's synopsis and option list are all made from it.
struct OptionSpec
{
    const char *name;        // long name, without the dashes
    const char *shortName;   // one letter, or nullptr
    const char *valueName;   // the value's name, or nullptr for a switch
    const char *description; // one or two sentences, plain text
};

std::span<const OptionSpec> optionTable();

// What the command line asks for. Parsing needs no application object, so --help, --version
// and a wrong option are answered before any window system or bus is touched.
struct CommandLine
{
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QString error; // one line, for Action::Error

    bool automation = false;
    QString alert;
    QString accessLevel = QStringLiteral("1");
    std::optional<QString> dataPath; // none: no host database
    QString sitePath;
    QString siteName;
    bool singleInstance = false;
    std::optional<QString> screenshot;

    // arguments: the program's whole argument list, the program name first. Qt's own options
    // (-platform, -style, ...) are left to the application object and skipped here.
    static CommandLine parse(const QStringList &arguments);
};

// "Usage: voruvar [--automation] [--alert title] ...", one line per group that fits 80 columns.
QString usageText();
// The full help: usage, what the program does and every option.
QString helpText();
// "voruvar 3.7.1"
QString versionText();

// The manual page's SYNOPSIS body and OPTIONS body, in man(7) markup.
QString manualSynopsis();
QString manualOptions();

// Exit statuses, also listed in the manual.
inline constexpr int exitUsage = 2;

} // namespace Voruvar::App
