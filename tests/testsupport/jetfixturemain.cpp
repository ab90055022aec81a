// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// jetfixture FILE [--password P] [--text V | --number V | --null | --no-row | --no-table]
// Writes a small Jet 4 console database with the table Keys and its Retry_Count row, for demos
// and end-to-end tests (default: password "tundra", text value "5").

#include "jetfixturewriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

using namespace Voruvar::Testing;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes a small Jet 4 database with a Keys table."));
    parser.addHelpOption();
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Database password."),
                                      QStringLiteral("text"), QStringLiteral("tundra"));
    const QCommandLineOption text(QStringLiteral("text"), QStringLiteral("Retry_Count as text."),
                                  QStringLiteral("value"));
    const QCommandLineOption number(QStringLiteral("number"), QStringLiteral("Retry_Count as a number."),
                                    QStringLiteral("value"));
    const QCommandLineOption null(QStringLiteral("null"), QStringLiteral("Retry_Count is null."));
    const QCommandLineOption noRow(QStringLiteral("no-row"), QStringLiteral("No Retry_Count row."));
    const QCommandLineOption noTable(QStringLiteral("no-table"), QStringLiteral("No Keys table."));
    parser.addOptions({password, text, number, null, noRow, noTable});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The database file to write."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    const QString key = QStringLiteral("Retry_Count");
    JetFixtureWriter writer;
    if (parser.isSet(noTable)) {
        writer.password = parser.value(password);
        writer.tables.append({QStringLiteral("Settings"), {{QStringLiteral("Key"), JetType::Text}}, {}});
    } else if (parser.isSet(number)) {
        writer =
            JetFixtureWriter::keys(parser.value(password), JetType::Double, {{key, parser.value(number).toDouble()}});
    } else if (parser.isSet(null)) {
        writer = JetFixtureWriter::keys(parser.value(password), JetType::Text, {{key, JetCell{}}});
    } else if (parser.isSet(noRow)) {
        writer = JetFixtureWriter::keys(parser.value(password), JetType::Text, {});
    } else {
        writer = JetFixtureWriter::keys(parser.value(password), JetType::Text,
                                        {{key, parser.isSet(text) ? parser.value(text) : QStringLiteral("5")}});
    }
    if (!writer.save(parser.positionalArguments().first())) {
        std::fprintf(stderr, "jetfixture: cannot write %s\n", qPrintable(parser.positionalArguments().first()));
        return 1;
    }
    return 0;
}
