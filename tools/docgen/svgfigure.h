// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::DocGen {

// A drawing of our own, embedded in a page as an <img> with a base64 data: URL so the page
// needs no other file. The SVG must be well-formed, have a viewBox and refer to nothing
// outside itself.
class SvgFigure final
{
public:
    // Reads the file; on failure returns false with the reason in *error.
    bool load(const QString &path, QString *error);

    // The <img> element shown displayWidth pixels wide (height from the viewBox). The drawing
    // itself is sized at three times that, so a printed page rasterises it sharply.
    QString imgElement(const QString &altText, int displayWidth) const;
    // The shown height for a shown width, from the viewBox.
    int displayHeight(int displayWidth) const;

    // An invisible, one pixel wide picture of the given height. Placed at the start of the
    // other cells of a table row that holds drawings, it makes each cell's first line as tall
    // as the drawings, so Qt's engine moves the whole row to the next page rather than
    // leaving its text behind on this one.
    static QString strutElement(int height);

private:
    QString m_text;
    double m_viewWidth = 0;
    double m_viewHeight = 0;
};

} // namespace Voruvar::DocGen
