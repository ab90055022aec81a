// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "dbusvalue.h"

#include <QDBusArgument>
#include <QDBusVariant>

namespace Voruvar::Host {

namespace {

Core::HostValue fromArgument(const QDBusArgument &argument)
{
    const QString signature = argument.currentSignature();
    if (signature == QLatin1String("(d)")) {
        double days = 0;
        argument.beginStructure();
        argument >> days;
        argument.endStructure();
        return Core::HostDate{days};
    }
    if (signature == QLatin1String("av")) {
        argument.beginArray();
        const bool empty = argument.atEnd();
        while (!argument.atEnd()) {
            QDBusVariant skipped;
            argument >> skipped;
        }
        argument.endArray();
        if (empty)
            return Core::NullValue{};
    }
    return Core::UnsupportedValue{signature};
}

} // namespace

Core::HostValue hostValueFromDBus(const QVariant &item)
{
    if (item.metaType() == QMetaType::fromType<QDBusVariant>())
        return hostValueFromDBus(item.value<QDBusVariant>().variant());
    if (item.metaType() == QMetaType::fromType<QDBusArgument>())
        return fromArgument(item.value<QDBusArgument>());

    switch (item.metaType().id()) {
    case QMetaType::QString:
        return item.toString();
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return item.toLongLong();
    case QMetaType::ULongLong: {
        const qulonglong value = item.toULongLong();
        if (value > qulonglong(std::numeric_limits<qint64>::max()))
            return double(value);
        return qint64(value);
    }
    case QMetaType::Double:
        return item.toDouble();
    case QMetaType::Bool:
        return item.toBool();
    case QMetaType::QVariantList:
        if (item.toList().isEmpty())
            return Core::NullValue{};
        return Core::UnsupportedValue{QStringLiteral("av")};
    default:
        return Core::UnsupportedValue{QString::fromLatin1(item.metaType().name())};
    }
}

std::optional<QList<Core::HostValue>> hostCollectionFromDBus(const QVariant &collection, qsizetype maxItems)
{
    if (collection.metaType() == QMetaType::fromType<QVariantList>())
        return hostValuesFromDBus(collection.toList().mid(0, maxItems));
    // Every array but of bytes or strings arrives undecoded; only one of variants is read.
    if (collection.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto argument = collection.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("av"))
        return std::nullopt;
    QList<Core::HostValue> values;
    argument.beginArray();
    while (!argument.atEnd() && values.size() < maxItems) {
        QDBusVariant item;
        argument >> item;
        values.append(hostValueFromDBus(item.variant()));
    }
    // Also when items are left unread: the reader of the array is freed only here.
    argument.endArray();
    return values;
}

QList<Core::HostValue> hostValuesFromDBus(const QVariantList &items)
{
    QList<Core::HostValue> values;
    values.reserve(items.size());
    for (const QVariant &item : items)
        values.append(hostValueFromDBus(item));
    return values;
}

} // namespace Voruvar::Host
