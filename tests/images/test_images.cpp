// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

#include <QColor>
#include <QImage>
#include <QTest>

#include <algorithm>

// The compiled-in pictures: the windows place them by pixel, so a re-render at a wrong size,
// with a transparent background or with shifted gradient ends shows as a visible seam.
class TestImages final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picture_loaded_hasExactSizeAndAlpha_data();
    void picture_loaded_hasExactSizeAndAlpha();
    void picture_corners_matchBackground_data();
    void picture_corners_matchBackground();
    void gradient_row_hasExactColour_data();
    void gradient_row_hasExactColour();
    void gradient_everyRow_isUniform_data();
    void gradient_everyRow_isUniform();
    void waitBackground_labelArea_isDarkEnoughForWhiteAndYellow();

private:
    static QImage load(const QString &name) { return QImage(QStringLiteral(":/images/") + name); }
};

void TestImages::picture_loaded_hasExactSizeAndAlpha_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("transparent");

    const auto add = [](const char *name, int width, int height, bool transparent = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << QSize(width, height) << transparent;
    };
    add("host-logo.png", 85, 62);
    add("banner.png", 274, 49);
    add("shade-strip.png", 3024, 7);
    add("frame-background.png", 3024, 165);
    add("wait-background.png", 419, 34);
    add("maker-logo.png", 188, 47);
    for (const char *button : {"button-exit.png", "button-refresh.png", "button-expand.png", "button-calculator.png",
                               "button-print.png", "button-help.png", "button-admin.png"})
        add(button, 35, 29);
    add("button-reminder.png", 15, 18);
    add("voruvar-16.png", 16, 16, true);
    add("voruvar-32.png", 32, 32, true);
    add("banner-pointer.png", 32, 32, true);
}

void TestImages::picture_loaded_hasExactSizeAndAlpha()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, transparent);

    const QImage image = load(name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), transparent);
}

void TestImages::picture_corners_matchBackground_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background");

    const QColor white(255, 255, 255);
    for (const char *name : {"host-logo.png", "banner.png", "maker-logo.png", "button-exit.png", "button-refresh.png",
                             "button-expand.png", "button-calculator.png", "button-print.png", "button-help.png"})
        QTest::newRow(name) << QString::fromLatin1(name) << white;
    QTest::newRow("button-admin.png") << QStringLiteral("button-admin.png") << QColor(143, 0, 21);
    QTest::newRow("button-reminder.png") << QStringLiteral("button-reminder.png") << QColor(0, 0, 0);
    QTest::newRow("banner-pointer.png") << QStringLiteral("banner-pointer.png") << QColor(0, 0, 0, 0);
}

void TestImages::picture_corners_matchBackground()
{
    QFETCH(QString, name);
    QFETCH(QColor, background);

    const QImage image = load(name);
    QVERIFY(!image.isNull());
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        QCOMPARE(image.pixelColor(corner).rgba(), background.rgba());
}

void TestImages::gradient_row_hasExactColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("strip top") << QStringLiteral("shade-strip.png") << 0 << QColor(182, 182, 182);
    QTest::newRow("strip bottom") << QStringLiteral("shade-strip.png") << 6 << QColor(219, 219, 219);
    QTest::newRow("frame indigo top") << QStringLiteral("frame-background.png") << 0 << QColor(40, 32, 96);
    QTest::newRow("frame indigo last") << QStringLiteral("frame-background.png") << 23 << QColor(40, 32, 96);
    QTest::newRow("frame black line") << QStringLiteral("frame-background.png") << 24 << QColor(0, 0, 0);
    QTest::newRow("frame fades into grey") << QStringLiteral("frame-background.png") << 164 << QColor(224, 224, 224);
}

void TestImages::gradient_row_hasExactColour()
{
    QFETCH(QString, name);
    QFETCH(int, row);
    QFETCH(QColor, colour);

    const QImage image = load(name);
    QVERIFY(!image.isNull());
    for (int x = 0; x < image.width(); ++x)
        QCOMPARE(image.pixel(x, row), colour.rgb());
}

void TestImages::gradient_everyRow_isUniform_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("shade-strip.png") << QStringLiteral("shade-strip.png");
    QTest::newRow("frame-background.png") << QStringLiteral("frame-background.png");
}

void TestImages::gradient_everyRow_isUniform()
{
    QFETCH(QString, name);

    // The windows stretch these across any width; every column must be the same.
    const QImage image = load(name).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *end = line + image.width();
        QVERIFY2(std::all_of(line, end, [first = line[0]](QRgb pixel) { return pixel == first; }),
                 qPrintable(QStringLiteral("row %1").arg(y)));
    }
}

void TestImages::waitBackground_labelArea_isDarkEnoughForWhiteAndYellow()
{
    // The loading window writes a white and a yellow bold label from x = 40 on.
    const QImage image = load(QStringLiteral("wait-background.png"));
    QVERIFY(!image.isNull());
    int brightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 40; x < image.width(); ++x)
            brightest = std::max(brightest, qGray(image.pixel(x, y)));
    QVERIFY2(brightest <= 64, qPrintable(QStringLiteral("brightest grey %1").arg(brightest)));
}

QTEST_GUILESS_MAIN(TestImages)
#include "test_images.moc"
