// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/jetdatabase.h"

#include <QList>

namespace Voruvar::Testing {

// Answers reads from a script, one answer per read; the last answer repeats. Records the queries.
class FakeJetDatabase final : public Platform::JetDatabase
{
public:
    Platform::JetKeyRead readKey(const Platform::JetKeyQuery &query) override
    {
        queries.append(query);
        if (answers.isEmpty())
            return Platform::JetKeyRead::noRow();
        return answers.size() > 1 ? answers.takeFirst() : answers.first();
    }
    QList<Platform::JetKeyRead> answers;
    QList<Platform::JetKeyQuery> queries;
};

} // namespace Voruvar::Testing
