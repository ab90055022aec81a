// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// voruvar-mangen TEMPLATE OUTPUT [NAME=VALUE...]: writes the voruvar(1) manual page from its
// template. @SYNOPSIS@ and @OPTIONS@ become the synopsis and option list made from the program's
// own option table, so the manual and --help cannot drift apart; @VERSION@ the program's
// version; every other @NAME@ the VALUE given for it.
#include "commandline.h"
#include "version.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: voruvar-mangen TEMPLATE OUTPUT [NAME=VALUE...]\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "voruvar-mangen: cannot read %s\n", argv[1]);
        return 1;
    }
    QString page = QString::fromUtf8(in.readAll());
    page.replace(QStringLiteral("@SYNOPSIS@\n"), Voruvar::App::manualSynopsis());
    page.replace(QStringLiteral("@OPTIONS@\n"), Voruvar::App::manualOptions());
    page.replace(QStringLiteral("@VERSION@"), QString::fromLatin1(Voruvar::Version::text));
    for (int i = 3; i < argc; ++i) {
        const QString assignment = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            std::fprintf(stderr, "voruvar-mangen: not NAME=VALUE: %s\n", argv[i]);
            return 2;
        }
        page.replace(QLatin1Char('@') + assignment.left(equals) + QLatin1Char('@'), assignment.mid(equals + 1));
    }
    if (page.contains(QRegularExpression(QStringLiteral("@[A-Z_]+@")))) {
        std::fprintf(stderr, "voruvar-mangen: %s keeps a placeholder without a value\n", argv[1]);
        return 1;
    }

    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(page.toUtf8()) < 0) {
        std::fprintf(stderr, "voruvar-mangen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
