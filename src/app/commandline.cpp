// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "commandline.h"

#include "version.h"

#include <QCommandLineParser>

namespace Voruvar::App {

namespace {

constexpr OptionSpec options[] = {
    {"help", "h", nullptr, "Show this help and end."},
    {"version", "v", nullptr, "Show the version and end."},
    {"automation", nullptr, nullptr,
     "Serve Voruvar.clsMain on the session bus for a host console, and open no window until the console "
     "asks for one. The D-Bus activation file starts the program this way. Without this option the program "
     "runs on its own for the signed-in user, and the options below describe the user and the site."},
    {"alert", nullptr, "title", "Open the category with this title once the list is built."},
    {"access-level", nullptr, "level", "The user's role: 0 read-only, 1 regular (the default), 2 administrator."},
    {"data-path", nullptr, "folder",
     "Folder of the console database z_udez.mdb, whose retry count is read at the start; a folder without a "
     "readable database is reported (TB101). Without this option no database is read and the retry count "
     "is 50."},
    {"site-path", nullptr, "path", "The site's path."},
    {"site-name", nullptr, "name", "The site's name, shown in the window title."},
    {"single-instance", nullptr, nullptr, "Refuse to run while another copy of the program is running."},
    {"screenshot", nullptr, "file",
     "Save a PNG picture of the main window once it is shown, then end. Message boxes are printed to "
     "standard error instead of shown."},
};

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

// Qt's own options, which the application object takes out of the argument list itself.
bool isQtOption(QStringView name, bool &takesValue)
{
    static constexpr const char *withValue[] = {"platform",        "platformpluginpath", "platformtheme", "plugin",
                                                "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
                                                "display",         "geometry",           "title",         "name",
                                                "style",           "stylesheet"};
    static constexpr const char *switches[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char *qt : withValue) {
        if (name == QLatin1String(qt))
            return takesValue = true;
    }
    for (const char *qt : switches) {
        if (name == QLatin1String(qt)) {
            takesValue = false;
            return true;
        }
    }
    return false;
}

QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--") {
            kept += arguments.mid(i);
            break;
        }
        if (i > 0 && argument.startsWith(u'-')) {
            QStringView name = QStringView(argument).mid(argument.startsWith(u"--") ? 2 : 1);
            const qsizetype equals = name.indexOf(u'=');
            bool takesValue = false;
            if (isQtOption(equals < 0 ? name : name.left(equals), takesValue)) {
                if (takesValue && equals < 0)
                    ++i;
                continue;
            }
        }
        kept.append(argument);
    }
    return kept;
}

QString optionForm(const OptionSpec &option)
{
    QString form = QStringLiteral("--") + latin1(option.name);
    if (option.valueName)
        form += QLatin1Char(' ') + latin1(option.valueName);
    return form;
}

// Words of text laid out in lines of at most width columns, every line after the first
// indented by indent spaces.
QString wrapped(const QStringList &words, qsizetype indent, qsizetype width, qsizetype firstColumn)
{
    QString text;
    qsizetype column = firstColumn;
    for (const QString &word : words) {
        if (column > indent && column + 1 + word.size() > width) {
            text += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (column > indent) {
            text += QLatin1Char(' ');
            ++column;
        }
        text += word;
        column += word.size();
    }
    return text;
}

// A text for man(7): backslashes escaped, option dashes as minus signs, each sentence on a line
// of its own (so the formatter knows where sentences end).
QString roff(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QStringLiteral("--"), QStringLiteral("\\-\\-"));
    text.replace(QStringLiteral(". "), QStringLiteral(".\n"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

// An option's name for man(7), every dash a minus sign.
QString manualName(const OptionSpec &option)
{
    return QStringLiteral("\\-\\-") + latin1(option.name).replace(QLatin1Char('-'), QStringLiteral("\\-"));
}

} // namespace

std::span<const OptionSpec> optionTable()
{
    return options;
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-automation" is --automation, as Qt's own options are written with one dash, rather than
    // seven unknown one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionSpec &entry : options) {
        QStringList names{latin1(entry.name)};
        if (entry.shortName)
            names.prepend(latin1(entry.shortName));
        QCommandLineOption option(names);
        if (entry.valueName)
            option.setValueName(latin1(entry.valueName));
        parser.addOption(option);
    }

    CommandLine result;
    if (!parser.parse(withoutQtOptions(arguments))) {
        result.action = Action::Error;
        result.error = parser.errorText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.action = Action::Error;
        result.error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.action = Action::Help;
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        result.action = Action::Version;
        return result;
    }

    const auto value = [&parser](const char *name) -> std::optional<QString> {
        if (!parser.isSet(latin1(name)))
            return std::nullopt;
        return parser.value(latin1(name));
    };
    result.automation = parser.isSet(QStringLiteral("automation"));
    result.singleInstance = parser.isSet(QStringLiteral("single-instance"));
    result.alert = value("alert").value_or(QString());
    result.accessLevel = value("access-level").value_or(result.accessLevel);
    result.dataPath = value("data-path");
    result.sitePath = value("site-path").value_or(QString());
    result.siteName = value("site-name").value_or(QString());
    result.screenshot = value("screenshot");
    return result;
}

QString usageText()
{
    QStringList words;
    for (const OptionSpec &option : options) {
        words.append(QLatin1Char('[') +
                     (option.shortName ? QLatin1Char('-') + latin1(option.shortName) : optionForm(option)) +
                     QLatin1Char(']'));
    }
    const QString lead = QStringLiteral("Usage: voruvar ");
    return lead + wrapped(words, lead.size(), 80, lead.size()) + QLatin1Char('\n');
}

QString helpText()
{
    constexpr qsizetype column = 26;
    QString text =
        usageText() + QStringLiteral("\nQuick reference tables, formulas and documents for maintenance technicians.\n"
                                     "Started without --automation it runs on its own for the signed-in user.\n\n"
                                     "Options:\n");
    for (const OptionSpec &option : options) {
        QString form = QStringLiteral("  ");
        if (option.shortName)
            form += QLatin1Char('-') + latin1(option.shortName) + QStringLiteral(", ");
        form += optionForm(option);
        text += form;
        if (form.size() + 2 > column)
            text += QLatin1Char('\n') + QString(column, QLatin1Char(' '));
        else
            text += QString(column - form.size(), QLatin1Char(' '));
        text += wrapped(latin1(option.description).split(QLatin1Char(' ')), column, 80, column) + QLatin1Char('\n');
    }
    text += QStringLiteral("\nQt's own options (-platform, -style and the like) are passed on to Qt.\n");
    return text;
}

QString versionText()
{
    return QStringLiteral("voruvar ") + latin1(Version::text) + QLatin1Char('\n');
}

QString manualSynopsis()
{
    QString text = QStringLiteral(".B voruvar\n");
    for (const OptionSpec &option : options) {
        text += QStringLiteral("[\\fB") + manualName(option) + QStringLiteral("\\fR");
        if (option.valueName)
            text += QStringLiteral(" \\fI") + latin1(option.valueName) + QStringLiteral("\\fR");
        text += QStringLiteral("]\n");
    }
    return text;
}

QString manualOptions()
{
    QString text;
    for (const OptionSpec &option : options) {
        text += QStringLiteral(".TP\n");
        const QString name = manualName(option);
        if (option.shortName && option.valueName)
            text += QStringLiteral(".BR \\-%1 \", \" %2 \" \\fI%3\\fR\"\n")
                        .arg(latin1(option.shortName), name, latin1(option.valueName));
        else if (option.shortName)
            text += QStringLiteral(".BR \\-%1 \", \" %2\n").arg(latin1(option.shortName), name);
        else if (option.valueName)
            text += QStringLiteral(".BI %1 \" %2\"\n").arg(name, latin1(option.valueName));
        else
            text += QStringLiteral(".B %1\n").arg(name);
        text += roff(latin1(option.description)) + QLatin1Char('\n');
    }
    return text;
}

} // namespace Voruvar::App
