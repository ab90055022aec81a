// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "documentpage.h"

#include <QList>
#include <QString>

#include <functional>

// Identities that hold over whole tables of the reference pages, and the checkers that test
// them. The entries (which page, which table, which columns) are in pagetables_entries.cpp.
namespace Voruvar::Tests::PageTables {

using Function = std::function<double(const QList<double> &)>;

// A column that is a function of other columns of the same row: out = f(in₁, in₂, ...).
// An input names a column by the start of its heading; "caption|heading" reads the row of the
// same name in another table of the page; "#" is the row's name read as a number ("1-1/8" gives
// 1.125) or else the first number in it ("M10 × 1.25" gives 10, "#7" gives 7). A row with an empty,
// "—" or "undefined" cell among them is left out; any other cell that is not a number fails. Ranges ("2.24–2.40") are
// checked end by end.
struct Formula
{
    enum Inputs {
        Given,  // the inputs are the values the output was computed from
        Rounded // the inputs are themselves rounded: their last half place carries into the output
    };
    const char *file;
    const char *caption;
    const char *output;
    QList<const char *> inputs;
    Function function;
    Inputs kind = Given;
    double tolerance = 0; // allowed beyond the output's last printed half place (absolute)
    double step = 0;      // the output is rounded to this step, where whole tens print as "1440"
    QString name() const;
};

// A conversion matrix: rows "1 unit", columns headed by a unit (or "... (unit)"). Every cell
// must equal base(row unit) / base(column unit), with the base values read from one column.
struct Matrix
{
    const char *file;
    const char *baseCaption;      // table holding the base-unit column
    const char *baseUnit;         // its column's unit
    QList<const char *> captions; // the tables to check
    QString name() const;
};

// A column whose values strictly rise (direction +1) or fall (−1) down the table.
struct Order
{
    const char *file;
    const char *caption;
    const char *column;
    int direction;
    QString name() const;
};

// A value printed in two tables, of one page or of two: rows of the same name must show the
// same number.
struct Duplicate
{
    const char *file;
    const char *caption;
    const char *column;
    const char *otherCaption;
    const char *otherColumn;
    const char *otherFile = nullptr; // the same page when null
    QString name() const;
};

// A drill named in one column ("#7", "F", "27/64", "1-7/64") and its decimal size in another:
// the decimal must be the drill's size to the places printed. Number and letter drills are
// looked up on the number- and letter-drill pages, fractions are their own value.
struct Drill
{
    const char *file;
    const char *caption;
    const char *drillColumn;
    const char *decimalColumn;
    QString name() const;
};

const QList<Formula> &formulas();
const QList<Matrix> &matrices();
const QList<Order> &orders();
const QList<Duplicate> &duplicates();
const QList<Drill> &drills();

// Common functions of one input.
Function scaled(double factor);                // x × factor
Function affine(double factor, double offset); // x × factor + offset
Function divided(double numerator);            // numerator / x

// The checkers: each returns the number of rows or cells checked and sets *failure to the
// first disagreement (or unreadable cell) it meets.
int checkFormula(const Formula &formula, QString *failure);
int checkMatrix(const Matrix &matrix, QString *failure);
bool checkOrder(const Order &order, QString *failure);
int checkDuplicate(const Duplicate &duplicate, QString *failure);
int checkDrill(const Drill &drill, QString *failure);

// Half a unit in the last place a number is printed to: "0.2280" 0.00005, "1.45×10⁻⁴" 0.5×10⁻⁶.
double halfLastPlace(const QString &number);
// Whether a printed output agrees with f(inputs) as the formula checker judges it.
bool agreesWithin(const QString &output, const QStringList &inputs, const Function &function, Formula::Inputs kind);

} // namespace Voruvar::Tests::PageTables
