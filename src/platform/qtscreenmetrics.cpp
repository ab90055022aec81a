// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "qtscreenmetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace Voruvar::Platform {

namespace {

double twipsPerPixel(bool horizontal, bool physical = true)
{
    bool ok = false;
    const double forced = qEnvironmentVariable("VORUVAR_SCREEN_DPI").toDouble(&ok);
    if (ok && forced > 0)
        return 1440.0 / forced;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 15.0;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    const double ratio = physical ? screen->devicePixelRatio() : 1.0;
    return dpi > 0 && ratio > 0 ? 1440.0 / (dpi * ratio) : 15.0;
}

QSize screenPixels()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

} // namespace

double QtScreenMetrics::twipsPerPixelX() const
{
    return twipsPerPixel(true);
}

double QtScreenMetrics::twipsPerPixelY() const
{
    return twipsPerPixel(false);
}

double QtScreenMetrics::twipsPerLogicalPixel() const
{
    return twipsPerPixel(true, false);
}

int QtScreenMetrics::widthTwips() const
{
    return qRound(screenPixels().width() * twipsPerPixel(true, false));
}

int QtScreenMetrics::heightTwips() const
{
    return qRound(screenPixels().height() * twipsPerPixel(false, false));
}

} // namespace Voruvar::Platform
