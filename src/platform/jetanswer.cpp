// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "jetanswer.h"

#include "jetfailure.h"

namespace Voruvar::Platform {

JetKeyRead readerAnswer(const QByteArray &output, const QString &file)
{
    QByteArray line = output.trimmed();
    if (const qsizetype lastBreak = line.lastIndexOf('\n'); lastBreak >= 0)
        line = line.mid(lastBreak + 1);
    const auto garbled = [&] {
        return JetKeyRead::failed(jetFailure(
            JetFailure::ReaderGarbled, QStringLiteral("the database reader gave no answer reading %1").arg(file)));
    };
    if (line == "NOROW")
        return JetKeyRead::noRow();
    if (line == "ROW NULL")
        return JetKeyRead::found(JetValue::null());
    if (line.startsWith("ROW TEXT ")) {
        const QByteArray hex = line.mid(9);
        return JetKeyRead::found(JetValue::fromText(QString::fromUtf8(QByteArray::fromHex(hex))));
    }
    if (line == "ROW TEXT")
        return JetKeyRead::found(JetValue::fromText(QString()));
    if (line.startsWith("ROW NUMBER ")) {
        // Written with a point; read the same way whatever this process's locale.
        bool ok = false;
        const double number = line.mid(11).trimmed().toDouble(&ok);
        if (!ok)
            return garbled();
        return JetKeyRead::found(JetValue::fromNumber(number));
    }
    if (line.startsWith("FAIL ")) {
        const qsizetype space = line.indexOf(' ', 5);
        bool ok = false;
        const int number = line.mid(5, space < 0 ? -1 : space - 5).toInt(&ok);
        if (!ok)
            return garbled();
        const QString reason = space < 0 ? QString() : QString::fromUtf8(line.mid(space + 1));
        return JetKeyRead::failed({jetReaderName, number, reason + QStringLiteral(" (%1)").arg(file)});
    }
    return garbled();
}

} // namespace Voruvar::Platform
