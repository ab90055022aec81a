// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The calculator button's real starts: a program named by VORUVAR_CALCULATOR comes first.
#include "platform/desktopshell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Voruvar::Platform::DesktopShell;
using Voruvar::Platform::Shell;

class TestDesktopShell : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\n" + body + "\n") < 0)
            return {};
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private Q_SLOTS:
    void calculator_theChosenProgramStarts_evenOneThatEndsAtOnce()
    {
        const QString marker = m_dir.filePath(QStringLiteral("started"));
        qputenv(DesktopShell::calculatorVariable,
                QFile::encodeName(script(QStringLiteral("calc"), "touch '" + QFile::encodeName(marker) + "'")));
        const int result = DesktopShell().openCalculator();
        QVERIFY(!Shell::failed(result));
        QTRY_VERIFY(QFile::exists(marker));
    }

    void calculator_noneFound_isAFailure()
    {
        qputenv(DesktopShell::calculatorVariable, "/nonexistent/calculator");
        qputenv("PATH", QFile::encodeName(m_dir.filePath(QStringLiteral("empty"))));
        QVERIFY(Shell::failed(DesktopShell().openCalculator()));
    }
};

QTEST_GUILESS_MAIN(TestDesktopShell)
#include "test_desktopshell.moc"
