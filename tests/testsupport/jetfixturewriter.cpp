// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "jetfixturewriter.h"

#include <QFile>

#include <array>
#include <cmath>
#include <cstring>

namespace Voruvar::Testing {

namespace {

constexpr int P = JetFixtureWriter::pageSize;

// Jet type codes of the catalog's other columns.
constexpr quint8 binaryType = 0x09;
constexpr quint8 memoType = 0x0C;
constexpr quint8 oleType = 0x0B;

void put16(QByteArray &b, int at, quint16 v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

void put32(QByteArray &b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

void putDouble(QByteArray &b, int at, double v)
{
    std::memcpy(b.data() + at, &v, sizeof v);
}

void append16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xFF)).append(char(v >> 8));
}

QByteArray ucs2(const QString &text)
{
    QByteArray out;
    for (QChar c : text)
        append16(out, c.unicode());
    return out;
}

void rc4Mask(char *data, int size)
{
    const std::array<quint8, 4> key{0xC7, 0xDA, 0x39, 0x6B};
    std::array<quint8, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[i] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % 4]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (int n = 0, i = 0, j = 0; n < size; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] = char(quint8(data[n]) ^ s[(s[i] + s[j]) & 0xFF]);
    }
}

// A column as the table definition lists it.
struct ColumnDef
{
    QString name;
    quint8 type;
    int number = 0;
    bool fixed = false;
    int fixedOffset = 0;
    int varIndex = 0;
    int varBefore = 0; // for fixed columns: variable columns before it
    int length = 0;
};

struct TableDef
{
    QList<ColumnDef> columns;
    int fixedLength = 0;
    int varCount = 0;
};

int fixedSize(quint8 type)
{
    switch (type) {
    case 0x01:
        return 0;
    case 0x02:
        return 1;
    case 0x03:
        return 2;
    case 0x04:
        return 4;
    case 0x05:
    case 0x07:
    case 0x08:
        return 8;
    case 0x06:
        return 4;
    default:
        return -1; // variable length
    }
}

TableDef defineTable(const QList<std::pair<QString, quint8>> &columns)
{
    TableDef def;
    for (const auto &[name, type] : columns) {
        ColumnDef col{name, type};
        col.number = int(def.columns.size());
        const int size = fixedSize(type);
        col.fixed = size >= 0;
        if (col.fixed) {
            col.fixedOffset = def.fixedLength;
            col.varBefore = def.varCount;
            col.length = size;
            def.fixedLength += size;
        } else {
            col.varIndex = def.varCount++;
            col.length = (type == 0x0A || type == binaryType) ? 510 : 0;
        }
        def.columns.append(col);
    }
    return def;
}

QByteArray encodeRow(const TableDef &def, const QList<JetCell> &cells)
{
    const int count = int(def.columns.size());
    QByteArray row;
    append16(row, quint16(count));
    QByteArray fixedArea(def.fixedLength, '\0');
    QByteArray nullMask((count + 7) / 8, '\0');
    QList<QByteArray> varData(def.varCount);
    QList<bool> varPresent(def.varCount, false);

    for (const ColumnDef &col : def.columns) {
        const JetCell cell = col.number < cells.size() ? cells[col.number] : JetCell{};
        const bool present = !std::holds_alternative<std::monostate>(cell);
        if (col.type == 0x01) { // Yes/No: the mask bit is the value
            if (std::holds_alternative<bool>(cell) && std::get<bool>(cell))
                nullMask[col.number / 8] = char(nullMask[col.number / 8] | (1 << (col.number % 8)));
            continue;
        }
        if (!present)
            continue;
        nullMask[col.number / 8] = char(nullMask[col.number / 8] | (1 << (col.number % 8)));
        QByteArray value;
        if (const auto *i = std::get_if<qint64>(&cell)) {
            if (col.type == 0x03) {
                append16(value, quint16(qint16(*i)));
            } else if (col.type == 0x07 || col.type == 0x08) {
                value.resize(8);
                putDouble(value, 0, double(*i));
            } else {
                value.resize(4);
                put32(value, 0, quint32(qint32(*i)));
            }
        } else if (const auto *d = std::get_if<double>(&cell)) {
            value.resize(8);
            putDouble(value, 0, *d);
        } else if (const auto *t = std::get_if<QString>(&cell)) {
            value = ucs2(*t);
        }
        if (col.fixed)
            fixedArea.replace(col.fixedOffset, value.size(), value);
        else {
            varData[col.varIndex] = value;
            varPresent[col.varIndex] = true;
        }
    }

    row += fixedArea;
    QList<quint16> offsets;
    for (int i = 0; i < def.varCount; ++i) {
        offsets.append(quint16(row.size()));
        row += varData[i];
    }
    if (def.varCount > 0) {
        append16(row, quint16(row.size())); // end of the variable data
        for (int i = def.varCount - 1; i >= 0; --i)
            append16(row, offsets[i]);
        append16(row, quint16(def.varCount));
    }
    row += nullMask;
    return row;
}

QByteArray dataPage(quint32 ownerTdef, const QList<QByteArray> &rows)
{
    QByteArray page(P, '\0');
    page[0] = 0x01;
    page[1] = 0x01;
    put32(page, 4, ownerTdef);
    put16(page, 12, quint16(rows.size()));
    int end = P;
    int used = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const int start = end - int(rows[i].size());
        Q_ASSERT(start > 14 + 2 * int(rows.size()));
        page.replace(start, rows[i].size(), rows[i]);
        put16(page, 14 + 2 * i, quint16(start));
        end = start;
        used += int(rows[i].size());
    }
    put16(page, 2, quint16(P - 14 - 2 * rows.size() - used));
    return page;
}

QByteArray tdefPage(const TableDef &def, char tableType, quint32 rowCount, quint32 ownedMap, quint32 freeMap,
                    const QList<std::pair<quint32, quint32>> &longValueMaps)
{
    QByteArray page(P, '\0');
    page[0] = 0x02;
    page[1] = 0x01;
    put32(page, 0x0C, 0x0659);
    put32(page, 0x10, rowCount);
    page[0x18] = 0x01;
    page[0x28] = tableType;
    put16(page, 0x29, quint16(def.columns.size()));
    put16(page, 0x2B, quint16(def.varCount));
    put16(page, 0x2D, quint16(def.columns.size()));
    put32(page, 0x37, ownedMap);
    put32(page, 0x3B, freeMap);

    int at = 0x3F;
    for (const ColumnDef &col : def.columns) {
        page[at] = char(col.type);
        put32(page, at + 1, 0x0659);
        put16(page, at + 5, quint16(col.number));
        put16(page, at + 7, quint16(col.fixed ? col.varBefore : col.varIndex));
        put16(page, at + 9, quint16(col.number));
        if (col.type == 0x0A || col.type == memoType)
            put16(page, at + 11, 0x0409);
        page[at + 15] = char(col.fixed ? 0x03 : 0x02);
        put16(page, at + 21, quint16(col.fixed ? col.fixedOffset : 0));
        put16(page, at + 23, quint16(col.length));
        at += 25;
    }
    for (const ColumnDef &col : def.columns) {
        const QByteArray name = ucs2(col.name);
        put16(page, at, quint16(name.size()));
        page.replace(at + 2, name.size(), name);
        at += 2 + int(name.size());
    }
    int longValue = 0;
    for (const ColumnDef &col : def.columns) {
        if (col.type != memoType && col.type != oleType)
            continue;
        put16(page, at, quint16(col.number));
        put32(page, at + 2, longValueMaps[longValue].first);
        put32(page, at + 6, longValueMaps[longValue].second);
        ++longValue;
        at += 10;
    }
    page[at] = char(0xFF);
    page[at + 1] = char(0xFF);
    at += 2;
    put32(page, 0x08, quint32(at));
    put16(page, 0x02, quint16(P - 8 - at));
    return page;
}

// An inline usage map: type 0, first page 0, one bit per page.
QByteArray usageMap(const QList<int> &pages)
{
    QByteArray map(69, '\0');
    for (int page : pages)
        map[5 + page / 8] = char(map[5 + page / 8] | (1 << (page % 8)));
    return map;
}

quint32 rowPointer(int page, int row)
{
    return quint32(page) << 8 | quint32(row);
}

QByteArray headerPage(const QString &password, double creationDate)
{
    QByteArray page(P, '\0');
    put32(page, 0x00, 0x0100);
    page.replace(0x04, 16, QByteArray("Standard Jet DB\0", 16));
    put32(page, 0x14, 1);
    const quint32 constants[6] = {0x100, 0x101, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i)
        put32(page, 0x18 + 4 * i, constants[i]);
    put16(page, 0x3C, 1252);
    put32(page, 0x3E, 0); // pages in clear

    // The password, UCS-2, masked with the whole day count of the creation date.
    QByteArray field = ucs2(password.left(20));
    field.resize(40, '\0');
    const quint32 days = quint32(qint32(std::trunc(creationDate)));
    for (int i = 0; i < 40; ++i)
        field[i] = char(quint8(field[i]) ^ quint8(days >> (8 * (i % 4))));
    page.replace(0x42, 40, field);
    put16(page, 0x6E, 0x0409);
    putDouble(page, 0x72, creationDate);
    rc4Mask(page.data() + 0x18, 128);

    put32(page, 0x98, 0x0654);
    page.replace(0x9C, 4, QByteArray("4.0\0", 4));
    return page;
}

TableDef catalogDefinition()
{
    return defineTable({{QStringLiteral("Id"), 0x04},
                        {QStringLiteral("ParentId"), 0x04},
                        {QStringLiteral("Name"), 0x0A},
                        {QStringLiteral("Type"), 0x03},
                        {QStringLiteral("DateCreate"), 0x08},
                        {QStringLiteral("DateUpdate"), 0x08},
                        {QStringLiteral("Owner"), binaryType},
                        {QStringLiteral("Flags"), 0x04},
                        {QStringLiteral("Database"), memoType},
                        {QStringLiteral("Connect"), memoType},
                        {QStringLiteral("ForeignName"), 0x0A},
                        {QStringLiteral("RmtInfoShort"), binaryType},
                        {QStringLiteral("RmtInfoLong"), oleType},
                        {QStringLiteral("Lv"), oleType},
                        {QStringLiteral("LvProp"), oleType},
                        {QStringLiteral("LvModule"), oleType},
                        {QStringLiteral("LvExtra"), oleType}});
}

QList<JetCell> catalogRow(qint64 id, qint64 parent, const QString &name, qint64 type, qint64 flags, double date)
{
    return {id, parent, name, type, date, date, JetCell{}, flags};
}

} // namespace

QByteArray JetFixtureWriter::bytes() const
{
    Q_ASSERT(tables.size() <= 2);
    const int userPages = 2 * int(tables.size());
    const int pageCount = 5 + userPages;

    // Page 3 holds every usage map: the catalog's pair, 7 long-value column pairs, then one pair per table.
    QList<QByteArray> maps;
    maps << usageMap({4}) << usageMap({});
    QList<std::pair<quint32, quint32>> catalogLongValueMaps;
    for (int i = 0; i < 7; ++i) {
        catalogLongValueMaps.append({rowPointer(3, int(maps.size())), rowPointer(3, int(maps.size()) + 1)});
        maps << usageMap({}) << usageMap({});
    }

    const TableDef catalog = catalogDefinition();
    QList<QByteArray> catalogRows;
    const qint64 system = qint64(qint32(0x80000000));
    catalogRows
        << encodeRow(catalog, catalogRow(0x0F000001, 0x0F000000, QStringLiteral("Tables"), 3, system, creationDate))
        << encodeRow(catalog, catalogRow(0x0F000002, 0x0F000000, QStringLiteral("Databases"), 3, system, creationDate))
        << encodeRow(catalog,
                     catalogRow(0x0F000003, 0x0F000000, QStringLiteral("Relationships"), 3, system, creationDate))
        << encodeRow(catalog, catalogRow(0x10000000, 0x0F000002, QStringLiteral("MSysDb"), 2, system, creationDate))
        << encodeRow(catalog, catalogRow(2, 0x0F000001, QStringLiteral("MSysObjects"), 1, system, creationDate));

    QList<QByteArray> userPageBytes;
    for (int t = 0; t < tables.size(); ++t) {
        const JetTableLayout &layout = tables[t];
        const int tdef = 5 + 2 * t;
        const int data = tdef + 1;
        QList<std::pair<QString, quint8>> columns;
        for (const JetColumnLayout &c : layout.columns)
            columns.append({c.name, quint8(c.type)});
        const TableDef def = defineTable(columns);
        const int owned = int(maps.size());
        maps << usageMap({data}) << usageMap({data});
        QList<QByteArray> rows;
        for (const QList<JetCell> &cells : layout.rows)
            rows << encodeRow(def, cells);
        userPageBytes << tdefPage(def, 'N', quint32(rows.size()), rowPointer(3, owned), rowPointer(3, owned + 1), {});
        userPageBytes << dataPage(quint32(tdef), rows);
        catalogRows << encodeRow(catalog, catalogRow(tdef, 0x0F000001, layout.name, 1, 0, creationDate));
    }

    // Page 1: the global map, inverted (a set bit is a free page); pages past the end are free.
    QByteArray global(69, '\0');
    for (int page = pageCount; page < 64 * 8; ++page)
        global[5 + page / 8] = char(global[5 + page / 8] | (1 << (page % 8)));

    QByteArray file;
    file += headerPage(password, creationDate);
    file += dataPage(1, {global, QByteArray(69, '\0')});
    file +=
        tdefPage(catalog, 'S', quint32(catalogRows.size()), rowPointer(3, 0), rowPointer(3, 1), catalogLongValueMaps);
    file += dataPage(0, maps);
    file += dataPage(2, catalogRows);
    for (const QByteArray &page : userPageBytes)
        file += page;
    return file;
}

bool JetFixtureWriter::save(const QString &path) const
{
    const QByteArray data = bytes();
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

QByteArray JetFixtureWriter::jet3Header(const QString &password)
{
    QByteArray page(2048, '\0');
    put32(page, 0x00, 0x0100);
    page.replace(0x04, 16, QByteArray("Standard Jet DB\0", 16));
    put32(page, 0x14, 0);
    put16(page, 0x3A, 0x0409);
    QByteArray field = password.left(20).toLatin1();
    field.resize(20, '\0');
    page.replace(0x42, 20, field);
    rc4Mask(page.data() + 0x18, 126);
    return page;
}

JetFixtureWriter JetFixtureWriter::keys(const QString &password, JetType valueType, const QList<QList<JetCell>> &rows)
{
    JetFixtureWriter writer;
    writer.password = password;
    writer.tables.append(
        {QStringLiteral("Keys"), {{QStringLiteral("Key"), JetType::Text}, {QStringLiteral("Value"), valueType}}, rows});
    return writer;
}

} // namespace Voruvar::Testing
