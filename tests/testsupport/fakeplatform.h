// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/instanceprobe.h"
#include "platform/messagepresenter.h"
#include "platform/processcontrol.h"
#include "platform/screenmetrics.h"
#include "platform/shell.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace Voruvar::Testing {

// Records every message box instead of showing it; an optional hook runs while the "box is open".
class FakeMessagePresenter final : public Platform::MessagePresenter
{
public:
    void show(const Platform::Message &message) override
    {
        shown.append(message);
        if (whileShown)
            whileShown(message);
    }
    QList<Platform::Message> shown;
    std::function<void(const Platform::Message &)> whileShown;
};

class FakeInstanceProbe final : public Platform::InstanceProbe
{
public:
    bool anotherInstanceRunning() const override
    {
        ++asked;
        return otherRunning;
    }
    bool otherRunning = false;
    mutable int asked = 0;
};

// A screen given in pixels and twips per pixel.
class FakeScreenMetrics final : public Platform::ScreenMetrics
{
public:
    FakeScreenMetrics(int widthPixels = 1280, int heightPixels = 1024, double twipsPerPixel = 15.0)
        : width(widthPixels), height(heightPixels), perPixel(twipsPerPixel)
    {
    }
    double twipsPerPixelX() const override { return perPixel; }
    double twipsPerPixelY() const override { return perPixel; }
    double twipsPerLogicalPixel() const override { return perPixel; }
    int widthTwips() const override { return qRound(width * perPixel); }
    int heightTwips() const override { return qRound(height * perPixel); }
    int width;
    int height;
    double perPixel;
};

// Notes that the process was asked to end, and lets the test go on.
class FakeProcessControl final : public Platform::ProcessControl
{
public:
    void endProcess() override { ++endRequests; }
    int endRequests = 0;
};

// Answers every calculator start with the result set here.
class FakeShell final : public Platform::Shell
{
public:
    int openCalculator() override
    {
        ++starts;
        return result;
    }
    bool openAddress(const QString &address) override
    {
        addresses.append(address);
        return true;
    }
    int result = 42;
    int starts = 0;
    QStringList addresses;
};

} // namespace Voruvar::Testing
