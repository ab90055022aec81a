// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "pagetables.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace Voruvar::Tests::PageTables {

namespace {

using Table = DocumentPage::Table;

// Pages are read once per run; many entries look into the same page.
const DocumentPage *page(const QString &file, QString *failure)
{
    static QHash<QString, DocumentPage> pages;
    static QHash<QString, QString> errors;
    if (!pages.contains(file) && !errors.contains(file)) {
        DocumentPage loaded;
        QString error;
        if (loaded.load(QDir(qEnvironmentVariable("VORUVAR_BIN_DIR")).filePath(file), &error))
            pages.insert(file, loaded);
        else
            errors.insert(file, error);
    }
    if (errors.contains(file)) {
        *failure = errors.value(file);
        return nullptr;
    }
    return &pages[file];
}

const Table *table(const DocumentPage &page, const QString &caption, QString *failure)
{
    const Table *found = nullptr;
    for (const Table &candidate : page.tables()) {
        if (!candidate.caption.contains(caption))
            continue;
        if (found) {
            *failure = QStringLiteral("more than one table '%1'").arg(caption);
            return nullptr;
        }
        found = &candidate;
    }
    if (!found)
        *failure = QStringLiteral("no table '%1'").arg(caption);
    return found;
}

qsizetype column(const Table &table, const QString &start, QString *failure)
{
    qsizetype found = -1;
    for (qsizetype c = 0; c < table.header.size(); ++c) {
        if (!table.header.at(c).startsWith(start))
            continue;
        if (found >= 0) {
            *failure = QStringLiteral("more than one column '%1' in '%2'").arg(start, table.caption);
            return -1;
        }
        found = c;
    }
    if (found < 0)
        *failure = QStringLiteral("no column '%1' in '%2'").arg(start, table.caption);
    return found;
}

const QList<DocumentPage::Cell> *row(const Table &table, const QString &name)
{
    for (const auto &cells : table.rows) {
        if (!cells.isEmpty() && cells.first().text == name)
            return &cells;
    }
    return nullptr;
}

bool isBlank(const QString &text)
{
    return text.isEmpty() || text == QStringLiteral("—") || text == QStringLiteral("undefined");
}

// A row's name as a number ("1-1/8" → 1.125, "0.5"), else the first number in it: "M10 × 1.25" → 10,
// "#7" → 7, "f/5.6" → 5.6.
QList<double> numberInName(const QString &name)
{
    const double whole = DocumentPage::number(name);
    if (!std::isnan(whole))
        return {whole};
    static const QRegularExpression first(QStringLiteral("\\d+(\\.\\d+)?"));
    const QRegularExpressionMatch match = first.match(name);
    return match.hasMatch() ? QList<double>{match.captured(0).toDouble()} : QList<double>();
}

// The unit a matrix row or column stands for: "1 lb/ft³" → "lb/ft³", "Square feet (ft²)" → "ft²".
QString rowUnit(const QString &name)
{
    return name.startsWith(QStringLiteral("1 ")) ? name.mid(2) : name;
}

QString columnUnit(const QString &heading)
{
    if (heading.endsWith(u')')) {
        const qsizetype open = heading.lastIndexOf(u'(');
        if (open >= 0)
            return heading.mid(open + 1, heading.size() - open - 2);
    }
    return heading;
}

QString describe(const Table &table, const QString &rowName, const QString &columnName, const QString &text)
{
    return QStringLiteral("'%1', row '%2', column '%3': '%4'").arg(table.caption, rowName, columnName, text);
}

// Tolerance of one computed value: the output's last half place (or half its rounding step),
// any fixed allowance, the inputs' own rounding where they are rounded, and a hair for binary
// arithmetic (exact values run to 12 figures).
double tolerance(const QString &outputPart, double expected, const QList<double> &inputs,
                 const QList<double> &inputHalves, const Function &function, Formula::Inputs kind, double step,
                 double allowance)
{
    double result = std::max(halfLastPlace(outputPart), step / 2);
    result += allowance + 1e-12 * std::abs(expected);
    if (kind == Formula::Rounded) {
        for (qsizetype i = 0; i < inputs.size(); ++i) {
            QList<double> up = inputs;
            QList<double> down = inputs;
            up[i] += inputHalves.at(i);
            down[i] -= inputHalves.at(i);
            result += std::max(std::abs(function(up) - expected), std::abs(function(down) - expected));
        }
    }
    return result;
}

} // namespace

QString Formula::name() const
{
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromLatin1(file), QString::fromUtf8(caption), QString::fromUtf8(output));
}

QString Matrix::name() const
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(file), QString::fromUtf8(captions.first()));
}

QString Order::name() const
{
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromLatin1(file), QString::fromUtf8(caption), QString::fromUtf8(column));
}

QString Drill::name() const
{
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromLatin1(file), QString::fromUtf8(caption), QString::fromUtf8(decimalColumn));
}

QString Duplicate::name() const
{
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromLatin1(file), QString::fromUtf8(caption), QString::fromUtf8(column));
}

Function scaled(double factor)
{
    return [factor](const QList<double> &x) { return x.at(0) * factor; };
}

Function affine(double factor, double offset)
{
    return [factor, offset](const QList<double> &x) { return x.at(0) * factor + offset; };
}

Function divided(double numerator)
{
    return [numerator](const QList<double> &x) { return numerator / x.at(0); };
}

double halfLastPlace(const QString &number)
{
    QString text = number;
    text.remove(QRegularExpression(QStringLiteral("[\\s\u00a0\u2009\u202f≈~,°%]")));
    if (text.contains(u'/'))
        return 0; // a fraction is exact
    const qsizetype times = text.indexOf(u'×');
    const QString mantissa = times >= 0 ? text.left(times) : text;
    const qsizetype point = mantissa.indexOf(u'.');
    const int places = point >= 0 ? int(mantissa.size() - point - 1) : 0;
    double scale = 1;
    if (times >= 0) {
        const double whole = DocumentPage::number(text);
        const double front = DocumentPage::number(mantissa);
        if (front != 0 && !std::isnan(whole))
            scale = std::pow(10.0, std::round(std::log10(std::abs(whole / front))));
    } else if (text.startsWith(QStringLiteral("10")) && text.size() > 2 && !text.at(2).isDigit() &&
               text.at(2) != u'.') {
        scale = std::abs(DocumentPage::number(text)); // "10⁻⁴": a power of ten, good to its one digit
    }
    return 0.5 * std::pow(10.0, -places) * scale;
}

bool agreesWithin(const QString &output, const QStringList &inputs, const Function &function, Formula::Inputs kind)
{
    QList<double> values;
    QList<double> halves;
    for (const QString &input : inputs) {
        values << DocumentPage::number(input);
        halves << halfLastPlace(input);
    }
    const double printed = DocumentPage::number(output);
    if (std::isnan(printed) || std::any_of(values.cbegin(), values.cend(), [](double v) { return std::isnan(v); }))
        return false;
    const double expected = function(values);
    return std::abs(printed - expected) <= tolerance(output, expected, values, halves, function, kind, 0, 0);
}

int checkFormula(const Formula &formula, QString *failure)
{
    const DocumentPage *document = page(QString::fromLatin1(formula.file), failure);
    const Table *target = document ? table(*document, QString::fromUtf8(formula.caption), failure) : nullptr;
    if (!target)
        return 0;
    const qsizetype out = column(*target, QString::fromUtf8(formula.output), failure);
    if (out < 0)
        return 0;
    // Where each input comes from: a table and a column, or the row's name (column −1).
    struct Source
    {
        const Table *table;
        qsizetype column;
    };
    QList<Source> sources;
    for (const char *input : formula.inputs) {
        const QString named = QString::fromUtf8(input);
        if (named == u"#") {
            sources << Source{target, -1};
            continue;
        }
        const Table *from = target;
        QString heading = named;
        if (named.contains(u'|')) {
            from = table(*document, named.section(u'|', 0, 0), failure);
            heading = named.section(u'|', 1);
            if (!from)
                return 0;
        }
        const qsizetype c = column(*from, heading, failure);
        if (c < 0)
            return 0;
        sources << Source{from, c};
    }

    int checked = 0;
    for (const auto &cells : target->rows) {
        const QString rowName = cells.first().text;
        const QString &outText = cells.at(out).text;
        QStringList inTexts;
        bool blank = isBlank(outText);
        for (const Source &source : sources) {
            if (source.column < 0) {
                inTexts << rowName;
                continue;
            }
            const QList<DocumentPage::Cell> *sourceRow = source.table == target ? &cells : row(*source.table, rowName);
            if (!sourceRow) {
                *failure = QStringLiteral("row '%1' is missing from '%2'").arg(rowName, source.table->caption);
                return checked;
            }
            inTexts << sourceRow->at(source.column).text;
            blank = blank || isBlank(inTexts.last());
        }
        if (blank)
            continue;

        const QStringList outParts = outText.split(QChar(0x2013));
        const QList<double> outValues = DocumentPage::numbers(outText);
        if (outValues.isEmpty()) {
            *failure = QStringLiteral("not a number: ") + describe(*target, rowName, target->header.at(out), outText);
            return checked;
        }
        QList<QList<double>> inValues;
        QList<QStringList> inParts;
        for (qsizetype i = 0; i < sources.size(); ++i) {
            const bool fromName = sources.at(i).column < 0;
            inValues << (fromName ? numberInName(inTexts.at(i)) : DocumentPage::numbers(inTexts.at(i)));
            inParts << (fromName ? QStringList{QString::number(inValues.last().value(0))}
                                 : inTexts.at(i).split(QChar(0x2013)));
            if (inValues.last().isEmpty()) {
                *failure = QStringLiteral("not a number: ") +
                           describe(*target, rowName, QString::fromUtf8(formula.inputs.at(i)), inTexts.at(i));
                return checked;
            }
        }
        for (qsizetype part = 0; part < outValues.size(); ++part) {
            QList<double> x;
            QList<double> halves;
            for (qsizetype i = 0; i < inValues.size(); ++i) {
                const qsizetype p = std::min(part, inValues.at(i).size() - 1);
                x << inValues.at(i).at(p);
                halves << (sources.at(i).column < 0 ? 0.0 : halfLastPlace(inParts.at(i).at(p)));
            }
            const double expected = formula.function(x);
            const double allowed = tolerance(outParts.at(part), expected, x, halves, formula.function, formula.kind,
                                             formula.step, formula.tolerance);
            if (!(std::abs(outValues.at(part) - expected) <= allowed)) {
                *failure = describe(*target, rowName, target->header.at(out), outText) +
                           QStringLiteral(" should be %1 (± %2)").arg(expected, 0, 'g', 10).arg(allowed, 0, 'g', 3);
                return checked;
            }
        }
        ++checked;
    }
    return checked;
}

int checkMatrix(const Matrix &matrix, QString *failure)
{
    const DocumentPage *document = page(QString::fromLatin1(matrix.file), failure);
    const Table *baseTable = document ? table(*document, QString::fromUtf8(matrix.baseCaption), failure) : nullptr;
    if (!baseTable)
        return 0;
    qsizetype baseColumn = -1;
    for (qsizetype c = 1; c < baseTable->header.size(); ++c) {
        const QString &heading = baseTable->header.at(c);
        if (heading == QString::fromUtf8(matrix.baseUnit) || columnUnit(heading) == QString::fromUtf8(matrix.baseUnit))
            baseColumn = c;
    }
    if (baseColumn < 0) {
        *failure = QStringLiteral("no column for the base unit in '%1'").arg(baseTable->caption);
        return 0;
    }
    // Each unit's value in the base unit, and its relative rounding (none where marked exact).
    QHash<QString, std::pair<double, double>> base;
    for (const auto &cells : baseTable->rows) {
        const DocumentPage::Cell &cell = cells.at(baseColumn);
        const double value = DocumentPage::number(cell.text);
        if (std::isnan(value) || value == 0) {
            *failure = QStringLiteral("not a number: ") +
                       describe(*baseTable, cells.first().text, baseTable->header.at(baseColumn), cell.text);
            return 0;
        }
        // The base unit's own 1 is exact whether marked or not.
        const QString unit = rowUnit(cells.first().text);
        const bool exact = cell.exact || unit == QString::fromUtf8(matrix.baseUnit);
        base.insert(unit, {value, exact ? 0.0 : halfLastPlace(cell.text) / std::abs(value)});
    }

    int checked = 0;
    for (const char *caption : matrix.captions) {
        const Table *target = table(*document, QString::fromUtf8(caption), failure);
        if (!target)
            return checked;
        for (qsizetype c = 1; c < target->header.size(); ++c) {
            // "lb/gal (US)" names a unit as it stands; "Square feet (ft²)" by its symbol.
            const QString &heading = target->header.at(c);
            const QString unit = base.contains(heading) ? heading : columnUnit(heading);
            const bool known = base.contains(unit);
            for (const auto &cells : target->rows) {
                const QString &text = cells.at(c).text;
                const double value = DocumentPage::number(text);
                if (!known) {
                    // A column of names or notes; a column of numbers must be a unit of the matrix.
                    if (!std::isnan(value)) {
                        *failure = QStringLiteral("column '%1' of '%2' is not a unit of the matrix")
                                       .arg(target->header.at(c), target->caption);
                        return checked;
                    }
                    continue;
                }
                const QString from = rowUnit(cells.first().text);
                if (!base.contains(from)) {
                    *failure =
                        QStringLiteral("row '%1' of '%2' is not a unit of the matrix").arg(from, target->caption);
                    return checked;
                }
                if (std::isnan(value)) {
                    *failure = QStringLiteral("not a number: ") + describe(*target, cells.first().text, unit, text);
                    return checked;
                }
                const double expected = base.value(from).first / base.value(unit).first;
                const double printed = cells.at(c).exact ? 0 : halfLastPlace(text);
                const double allowed =
                    printed + std::abs(expected) * (base.value(from).second + base.value(unit).second + 1e-12);
                if (!(std::abs(value - expected) <= allowed)) {
                    *failure = describe(*target, cells.first().text, unit, text) +
                               QStringLiteral(" should be %1 (± %2)").arg(expected, 0, 'g', 10).arg(allowed, 0, 'g', 3);
                    return checked;
                }
                ++checked;
            }
        }
    }
    return checked;
}

bool checkOrder(const Order &order, QString *failure)
{
    const DocumentPage *document = page(QString::fromLatin1(order.file), failure);
    const Table *target = document ? table(*document, QString::fromUtf8(order.caption), failure) : nullptr;
    const qsizetype c = target ? column(*target, QString::fromUtf8(order.column), failure) : -1;
    if (c < 0)
        return false;
    double previous = std::nan("");
    for (const auto &cells : target->rows) {
        const QString &text = cells.at(c).text;
        const double value = DocumentPage::number(text);
        if (std::isnan(value)) {
            *failure =
                QStringLiteral("not a number: ") + describe(*target, cells.first().text, target->header.at(c), text);
            return false;
        }
        if (!std::isnan(previous) && !((value - previous) * order.direction > 0)) {
            *failure =
                QStringLiteral("out of order: ") + describe(*target, cells.first().text, target->header.at(c), text);
            return false;
        }
        previous = value;
    }
    return target->rows.size() > 1;
}

int checkDuplicate(const Duplicate &duplicate, QString *failure)
{
    const DocumentPage *document = page(QString::fromLatin1(duplicate.file), failure);
    const DocumentPage *other =
        document ? page(QString::fromLatin1(duplicate.otherFile ? duplicate.otherFile : duplicate.file), failure)
                 : nullptr;
    const Table *first = other ? table(*document, QString::fromUtf8(duplicate.caption), failure) : nullptr;
    const Table *second = first ? table(*other, QString::fromUtf8(duplicate.otherCaption), failure) : nullptr;
    const qsizetype c = second ? column(*first, QString::fromUtf8(duplicate.column), failure) : -1;
    const qsizetype d = c >= 0 ? column(*second, QString::fromUtf8(duplicate.otherColumn), failure) : -1;
    if (d < 0)
        return 0;
    int checked = 0;
    for (const auto &cells : first->rows) {
        const QList<DocumentPage::Cell> *other = row(*second, cells.first().text);
        if (!other)
            continue;
        const QList<double> here = DocumentPage::numbers(cells.at(c).text);
        const QList<double> there = DocumentPage::numbers(other->at(d).text);
        if (here.isEmpty() || here != there) {
            *failure = describe(*first, cells.first().text, first->header.at(c), cells.at(c).text) +
                       QStringLiteral(" but '%1' in '%2'").arg(other->at(d).text, second->caption);
            return checked;
        }
        ++checked;
    }
    return checked;
}

int checkDrill(const Drill &drill, QString *failure)
{
    const DocumentPage *document = page(QString::fromLatin1(drill.file), failure);
    const DocumentPage *numbers = document ? page(QStringLiteral("DN.DOX"), failure) : nullptr;
    const DocumentPage *letters = numbers ? page(QStringLiteral("DS.DOX"), failure) : nullptr;
    const Table *target = letters ? table(*document, QString::fromUtf8(drill.caption), failure) : nullptr;
    const Table *numberDrills = target ? table(*numbers, QStringLiteral("#1 to #80"), failure) : nullptr;
    const Table *letterDrills = numberDrills ? table(*letters, QStringLiteral("A to Z"), failure) : nullptr;
    const qsizetype name = letterDrills ? column(*target, QString::fromUtf8(drill.drillColumn), failure) : -1;
    const qsizetype decimal = name >= 0 ? column(*target, QString::fromUtf8(drill.decimalColumn), failure) : -1;
    if (decimal < 0)
        return 0;
    int checked = 0;
    for (const auto &cells : target->rows) {
        const QString &drillName = cells.at(name).text;
        const QString &printed = cells.at(decimal).text;
        double size = DocumentPage::number(drillName);
        if (std::isnan(size)) {
            const Table *list = drillName.startsWith(u'#') ? numberDrills : letterDrills;
            const QList<DocumentPage::Cell> *listed = row(*list, drillName);
            size = listed ? DocumentPage::number(listed->at(1).text) : std::nan("");
        }
        const double value = DocumentPage::number(printed);
        if (std::isnan(size) || std::isnan(value)) {
            *failure = QStringLiteral("not a drill size: ") + describe(*target, cells.first().text, drillName, printed);
            return checked;
        }
        if (!(std::abs(value - size) <= halfLastPlace(printed) * (1 + 1e-9))) {
            *failure = describe(*target, cells.first().text, target->header.at(decimal), printed) +
                       QStringLiteral(" but drill %1 is %2").arg(drillName).arg(size, 0, 'g', 10);
            return checked;
        }
        ++checked;
    }
    return checked;
}

} // namespace Voruvar::Tests::PageTables
