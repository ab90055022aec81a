// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "profile.h"

#include <QFile>
#include <QFileInfo>

namespace Voruvar::Standin {

namespace {

// Items above this number are more than any collection holds; refuse them as typing mistakes.
constexpr int highestItem = 64;

QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<Profile> Profile::loadFromFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot open '%1': %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QString folder = QFileInfo(path).absolutePath();
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));

    Profile profile;
    QList<std::optional<QString>> *collection = nullptr;
    bool inExecute = false;
    for (qsizetype number = 1; number <= lines.size(); ++number) {
        const QString line = lines[number - 1].trimmed();
        const auto fail = [&](const QString &what) {
            *error = QStringLiteral("%1, line %2: %3").arg(path).arg(number).arg(what);
            return std::nullopt;
        };
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString section = line.mid(1, line.size() - 2).trimmed();
            collection = section == u"R_PATH"   ? &profile.paths
                         : section == u"R_USER" ? &profile.user
                         : section == u"R_FLAG" ? &profile.flags
                                                : nullptr;
            inExecute = section == u"Execute";
            if (!collection && !inExecute)
                return fail(QStringLiteral("unknown section [%1] (R_PATH, R_USER, R_FLAG or Execute)").arg(section));
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return fail(QStringLiteral("expected key=value"));
        const QString key = line.left(equals).trimmed();
        const QString value = unquoted(line.mid(equals + 1)).replace(QStringLiteral("${PROFILE_DIR}"), folder);
        if (inExecute) {
            if (key != u"Alert")
                return fail(QStringLiteral("unknown key '%1' in [Execute] (Alert)").arg(key));
            profile.alert = value;
            continue;
        }
        if (!collection)
            return fail(QStringLiteral("an item outside any section"));
        bool isNumber = false;
        const int item = key.toInt(&isNumber);
        if (!isNumber || item < 1 || item > highestItem)
            return fail(QStringLiteral("item number '%1' is not a number from 1 to %2").arg(key).arg(highestItem));
        if (collection->size() < item)
            collection->resize(item);
        (*collection)[item - 1] = value;
    }
    return profile;
}

} // namespace Voruvar::Standin
