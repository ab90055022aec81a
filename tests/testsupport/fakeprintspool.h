// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/printspool.h"

#include <QFile>
#include <QList>

namespace Voruvar::Testing {

// A print service with one printer, "office", whose answers the test sets. It keeps a copy of
// every document it is handed, since the caller may remove the file at once.
class FakePrintSpool final : public Platform::PrintSpool
{
public:
    struct Submission
    {
        QString path;
        QString title;
        Platform::PrintJobOptions options;
        QByteArray pdf;
    };

    Platform::SpoolPrinter printer(const QString &name) override
    {
        printersAsked.append(name);
        Platform::SpoolPrinter answer = printerAnswer;
        if (answer.name.isEmpty())
            answer.name = name.isEmpty() ? QStringLiteral("office") : name;
        return answer;
    }

    Platform::SpoolJob submit(const QString &pdfPath, const QString &title,
                              const Platform::PrintJobOptions &options) override
    {
        QFile file(pdfPath);
        submissions.append({pdfPath, title, options, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()});
        return jobAnswer;
    }

    Platform::SpoolPrinter printerAnswer;
    Platform::SpoolJob jobAnswer{1, {}};
    QStringList printersAsked;
    QList<Submission> submissions;
};

} // namespace Voruvar::Testing
