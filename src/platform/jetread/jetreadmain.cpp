// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// voruvar-jetread FILE TABLE KEY-COLUMN KEY VALUE-COLUMN
//
// Looks up the first row of TABLE whose KEY-COLUMN equals KEY (compared without regard to case,
// as the database engine compares text) and prints one answer line on standard output:
//   ROW NULL | ROW NUMBER <value> | ROW TEXT <UTF-8 as hex> | NOROW | FAIL <number> <description>
// The add-in runs this in its own process with a time limit, because the database library can
// crash or loop on damaged files; whatever happens here cannot take the add-in down.
// The failure numbers are those of src/platform/jetfailure.h.

// glib first: the library header includes it inside its C block.
#include <glib.h>
#include <mdbtools.h>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Kept in step with Voruvar::Platform::JetFailure.
enum Failure {
    Damaged = 3107,
    TableMissing = 3108,
    ColumnMissing = 3109,
    KeyNotText = 3110,
    ValueType = 3111,
};

constexpr int offsetMask = 0x1FFF;

int fail(Failure number, const std::string &description)
{
    std::printf("FAIL %d %s\n", int(number), description.c_str());
    return 0;
}

// Case-insensitive comparison of two UTF-8 texts.
bool sameText(const char *a, const char *b)
{
    gchar *fa = g_utf8_casefold(a, -1);
    gchar *fb = g_utf8_casefold(b, -1);
    const bool same = std::strcmp(fa, fb) == 0;
    g_free(fa);
    g_free(fb);
    return same;
}

int columnIndex(MdbTableDef *table, const char *name)
{
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto *col = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        if (sameText(col->name, name))
            return int(i);
    }
    return -1;
}

template <typename T> T readRaw(const unsigned char *page, int offset)
{
    T value;
    std::memcpy(&value, page + offset, sizeof value);
    return value;
}

// The current row's field for column index, found by cracking the row the last fetch read
// (the page is still in the handle's buffer). False when the row cannot be cracked.
bool currentField(MdbTableDef *table, int index, MdbField &out)
{
    MdbHandle *mdb = table->entry->mdb;
    const int pageSize = int(mdb->fmt->pg_size);
    const int rco = mdb->fmt->row_count_offset;
    const unsigned row = table->cur_row - 1;
    if (row > 1000)
        return false;
    const int start = mdb_get_int16(mdb->pg_buf, rco + 2 + int(row) * 2) & offsetMask;
    const int next = row == 0 ? pageSize : (mdb_get_int16(mdb->pg_buf, rco + int(row) * 2) & offsetMask);
    if (start >= pageSize || start >= next || next > pageSize)
        return false;
    std::vector<MdbField> fields(table->num_cols);
    const int count = mdb_crack_row(table, start, size_t(next - start), fields.data());
    if (count < 0)
        return false;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        if (fields[i].colnum == index) {
            out = fields[i];
            return out.is_null || (out.start >= 0 && out.start + out.siz <= pageSize);
        }
    }
    return false;
}

int printValue(MdbTableDef *table, int index, const char *bound)
{
    auto *col = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, index));
    MdbField field{};
    if (!currentField(table, index, field))
        return fail(Damaged, "the row holding the key is damaged");
    const unsigned char *page = table->entry->mdb->pg_buf;

    if (col->col_type == MDB_BOOL) {
        // The null bit is the value; Yes is -1.
        std::printf("ROW NUMBER %d\n", field.is_null ? 0 : -1);
        return 0;
    }
    if (field.is_null) {
        std::printf("ROW NULL\n");
        return 0;
    }
    const int at = field.start;
    double number = 0.0;
    switch (col->col_type) {
    case MDB_TEXT:
    case MDB_MEMO: {
        std::string hex;
        for (const char *p = bound; *p; ++p) {
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02x", unsigned(static_cast<unsigned char>(*p)));
            hex += digits;
        }
        std::printf("ROW TEXT %s\n", hex.c_str());
        return 0;
    }
    case MDB_BYTE:
        number = page[at];
        break;
    case MDB_INT:
        number = readRaw<std::int16_t>(page, at);
        break;
    case MDB_LONGINT:
        number = readRaw<std::int32_t>(page, at);
        break;
    case MDB_MONEY:
        number = double(readRaw<std::int64_t>(page, at)) / 10000.0;
        break;
    case MDB_FLOAT:
        number = readRaw<float>(page, at);
        break;
    case MDB_DOUBLE:
        number = readRaw<double>(page, at);
        break;
    case MDB_NUMERIC: {
        char *end = nullptr;
        number = std::strtod(bound, &end);
        if (end == bound)
            return fail(ValueType, std::string("the decimal value '") + bound + "' cannot be read");
        break;
    }
    default:
        return fail(ValueType, std::string("column '") + col->name + "' holds neither text nor a number");
    }
    std::printf("ROW NUMBER %.17g\n", number);
    return 0;
}

int lookUp(MdbHandle *mdb, const char *tableName, const char *keyName, const char *key, const char *valueName)
{
    if (!mdb_read_catalog(mdb, MDB_TABLE))
        return fail(Damaged, "the catalog of the database cannot be read");
    MdbCatalogEntry *entry = nullptr;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *candidate = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (candidate->object_type == MDB_TABLE && sameText(candidate->object_name, tableName)) {
            entry = candidate;
            break;
        }
    }
    if (!entry)
        return fail(TableMissing, std::string("the database has no table '") + tableName + "'");
    MdbTableDef *table = mdb_read_table(entry);
    if (!table)
        return fail(Damaged, std::string("the definition of table '") + tableName + "' cannot be read");
    if (!mdb_read_columns(table))
        return fail(Damaged, std::string("the columns of table '") + tableName + "' cannot be read");
    const int keyIndex = columnIndex(table, keyName);
    const int valueIndex = columnIndex(table, valueName);
    if (keyIndex < 0 || valueIndex < 0)
        return fail(ColumnMissing, std::string("table '") + tableName + "' has no column '" +
                                       (keyIndex < 0 ? keyName : valueName) + "'");
    auto *keyCol = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, keyIndex));
    if (keyCol->col_type != MDB_TEXT && keyCol->col_type != MDB_MEMO)
        return fail(KeyNotText, std::string("column '") + keyName + "' of table '" + tableName + "' is not text");

    std::vector<char> keyBuffer(mdb->bind_size + 1, '\0');
    std::vector<char> valueBuffer(mdb->bind_size + 1, '\0');
    mdb_bind_column(table, keyIndex + 1, keyBuffer.data(), nullptr);
    if (valueIndex != keyIndex)
        mdb_bind_column(table, valueIndex + 1, valueBuffer.data(), nullptr);
    const char *bound = valueIndex != keyIndex ? valueBuffer.data() : keyBuffer.data();

    mdb_rewind_table(table);
    int result = -1;
    while (mdb_fetch_row(table)) {
        if (sameText(keyBuffer.data(), key)) {
            result = printValue(table, valueIndex, bound);
            break;
        }
    }
    if (result < 0) {
        std::printf("NOROW\n");
        result = 0;
    }
    // Nothing is freed: the process ends as soon as the answer is out.
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: voruvar-jetread FILE TABLE KEY-COLUMN KEY VALUE-COLUMN\n");
        return 2;
    }
    // Should the add-in go away while a damaged file keeps the library looping, end too, and
    // never spin for more than a few seconds of processor time in any case.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const rlimit processorTime{10, 10};
    setrlimit(RLIMIT_CPU, &processorTime);
#ifndef __SANITIZE_ADDRESS__ // the address sanitizer reserves far more address space than this
    // A damaged file must not make the library eat the machine's memory.
    const rlimit memory{512UL << 20, 512UL << 20};
    setrlimit(RLIMIT_AS, &memory);
#endif

    MdbHandle *mdb = mdb_open(argv[1], MDB_NOFLAGS);
    if (!mdb)
        return fail(Damaged, "the database reader cannot open the file");
    // The library takes the user's locale for its text conversions; numbers are read and
    // written here with a point, whatever that locale says.
    std::setlocale(LC_NUMERIC, "C");
    const int result = lookUp(mdb, argv[2], argv[3], argv[4], argv[5]);
    // The answer is out; leave without the library's clean-up, which has nothing left to save.
    std::fflush(stdout);
    _exit(result);
}
