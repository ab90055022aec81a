// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "documentaddress.h"

#include "core/texttools.h"

namespace Voruvar::Catalog {

namespace {

QString withForwardSlashes(QStringView text)
{
    QString result = text.toString();
    result.replace(u'\\', u'/');
    return result;
}

} // namespace

bool DocumentAddress::isWebAddress(QStringView location)
{
    return Core::trimBlanks(location.left(4).toString().toUpper()) == u"HTTP";
}

QString DocumentAddress::joinToDirectory(QStringView directory, QStringView name)
{
    // The directory is this system's own path, where "\\" is a character like any other; only
    // the name, written for either system, has its backslashes read as separators.
    QStringView base = directory;
    while (base.endsWith(u'/'))
        base.chop(1);
    QString relative = withForwardSlashes(name);
    qsizetype leading = 0;
    while (leading < relative.size() && relative[leading] == u'/')
        ++leading;
    return base.toString() + u'/' + QStringView(relative).sliced(leading);
}

QString DocumentAddress::forUserLocation(QStringView directory, QStringView location)
{
    if (isWebAddress(location))
        return location.toString();
    if (location.startsWith(u'/'))
        return withForwardSlashes(location);
    return joinToDirectory(directory, location);
}

} // namespace Voruvar::Catalog
