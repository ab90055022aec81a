// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

#include <functional>

namespace Voruvar::DocGen {

// Text to HTML for table cells: escapes the text, then turns the small brace markup a cell
// may carry into elements. Figures inside cells are resolved by the caller-supplied function.
class HtmlText final
{
public:
    static QString escape(const QString &text);

    // Renders brace markup in text that is already HTML:
    //   {exact}  the value before it is exact by definition
    //   {^x} {_x}  superscript / subscript x      {b x} {i x}  bold / italic x
    //   {br}  line break     {lbrace} {rbrace}  literal braces
    //   {figure file.svg | alt text | width}  a drawing (through figureHtml)
    // Anything else in braces is an error, so a typo never reaches a page silently.
    // figureHtml gets the text after "figure" and returns the element, or sets *error.
    using FigureFunction = std::function<QString(const QString &arguments, QString *error)>;
    static bool renderMarkup(const QString &html, QString *out, QString *error, const FigureFunction &figureHtml = {});

    // True if the cell reads as a number or numeric range, for automatic right alignment.
    static bool looksNumeric(const QString &cellText);
};

} // namespace Voruvar::DocGen
