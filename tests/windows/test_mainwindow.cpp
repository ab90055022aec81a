// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "platform/browserpane.h"
#include "windows/frmmain.h"
#include "windows/frmwait.h"
#include "windows/mainlayout.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTextBrowser>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Voruvar;
using Windows::frmMain;
using Windows::MainLayout;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_atDesignSize_reproducesTheDesign()
    {
        // Outer width 13875 (frame 90), outer height minus the title allowance 9030.
        const MainLayout l = MainLayout::compute(13875, 9030 + 315, 13785, 8940);
        QCOMPARE(l.titleAllowance, 315);
        QCOMPARE(l.buttonTop, 8345);
        QCOMPARE(l.helpLeft, 13050);
        QCOMPARE(l.printLeft, 12375);
        QCOMPARE(l.bannerLeft, 9510);
        QCOMPARE(l.headerWidth, 14075);
        QCOMPARE(QSize(l.contentWidth, l.contentHeight), QSize(13535, 7135));
        QCOMPARE(QSize(l.detailsWidth, l.detailsHeight), QSize(9960, 6475));
        QCOMPARE(QSize(l.paneWidth, l.paneHeight), QSize(9970, 6475));
        QCOMPARE(l.countTop, 6755);
        QCOMPARE(l.listHeight, 6175);
        QCOMPARE(l.categoriesLeft, 120);
        QCOMPARE(l.categoriesWidth, 3135);
        QCOMPARE(l.detailsCaptionLeft, 3360);
        QCOMPARE(l.detailsCaptionWidth, 9960);
    }

    void layout_grownBy1500x1200()
    {
        const MainLayout l = MainLayout::compute(13875 + 1500, 9030 + 315 + 1200, 13785 + 1500, 8940 + 1200);
        QCOMPARE(l.helpLeft, 14550);
        QCOMPARE(l.printLeft, 13875);
        QCOMPARE(l.buttonTop, 9545);
        QCOMPARE(QSize(l.paneWidth, l.paneHeight), QSize(11470, 7675));
        QCOMPARE(l.listHeight, 7375);
    }

    void layout_minimized_givesNegativeSizes()
    {
        const MainLayout l = MainLayout::compute(2400, 500, 2310, 95);
        QVERIFY(l.contentHeight < 0);
        QVERIFY(l.listHeight < 0);
    }

    void window_designPlacesControls()
    {
        frmMain window{Platform::Twips(15.0)};
        QCOMPARE(window.size(), QSize(919, 596));
        QCOMPARE(window.button(QStringLiteral("Command1"))->geometry(), QRect(9, 556, 39, 32));
        QCOMPARE(window.button(QStringLiteral("Command2"))->geometry(), QRect(870, 556, 39, 32));
        QCOMPARE(window.List1()->geometry(), QRect(8, 32, 209, 412));
        QCOMPARE(window.Label3()->geometry(), QRect(8, 450, 209, 17));
        QCOMPARE(window.WB1()->geometry(), QRect(-2, -2, 665, 432));
        QCOMPARE(window.Picture3()->geometry().size(), QSize(664, 432));
        QCOMPARE(window.Label3()->text(), QStringLiteral("0 Categories Available."));
        QCOMPARE(window.Timer1()->interval(), 10);
        QVERIFY(window.button(QStringLiteral("Command7"))->isHidden());
    }

    void window_grows_andRestoresToTheSameLayout()
    {
        frmMain window{Platform::Twips(15.0)};
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect designList = window.List1()->geometry();
        const QRect designHelp = window.button(QStringLiteral("Command2"))->geometry();

        window.resize(window.width() + 100, window.height() + 80);
        QCOMPARE(window.button(QStringLiteral("Command2"))->x(), designHelp.x() + 100);
        QCOMPARE(window.button(QStringLiteral("Command4"))->x(), designHelp.x() + 100 - 45);
        QCOMPARE(window.List1()->height(), designList.height() + 80);
        QCOMPARE(window.WB1()->width(), window.Picture3()->width() + 1);

        window.resize(40, 30); // no smaller than the design: the buttons would overlap
        QCOMPARE(window.size(), QSize(919, 596));
        QCOMPARE(window.List1()->geometry(), designList);
        QCOMPARE(window.button(QStringLiteral("Command2"))->geometry(), designHelp);
    }

    void window_buttonsAreAccessible()
    {
        frmMain window{Platform::Twips(15.0)};
        const QList<QPair<QString, QString>> expected{
            {QStringLiteral("Command1"), QStringLiteral("Click to exit Voruvar.")},
            {QStringLiteral("Command5"), QStringLiteral("Click to refresh category listing.")},
            {QStringLiteral("Command3"), QStringLiteral("Click to expand details window.")},
            {QStringLiteral("Command6"), QStringLiteral("Click to load calculator.")},
            {QStringLiteral("Command7"), QStringLiteral("Click for the Administrator's menu.")},
            {QStringLiteral("Command4"), QStringLiteral("Click to print contents of detail window.")},
            {QStringLiteral("Command2"), QStringLiteral("Click for additional help.")},
            {QStringLiteral("Command8"), QStringLiteral("Create a reminder.")},
        };
        for (const auto &[name, tip] : expected) {
            const QToolButton *button = window.findChild<QToolButton *>(name);
            QVERIFY2(button, qPrintable(name));
            QCOMPARE(button->toolTip(), tip);
            QCOMPARE(button->accessibleDescription(), tip);
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(name));
            QVERIFY2(!button->icon().isNull(), qPrintable(name));
        }
        const QWidget *banner = window.findChild<QWidget *>(QStringLiteral("Picture4"));
        QCOMPARE(banner->toolTip(), QStringLiteral("Click to view the ABOUT screen."));
        QVERIFY(!banner->accessibleName().isEmpty());
    }

    void window_closeAndExit_askToEndTheProcess()
    {
        frmMain window{Platform::Twips(15.0)};
        int requests = 0;
        connect(&window, &frmMain::exitRequested, this, [&] { ++requests; });
        window.show();
        window.button(QStringLiteral("Command1"))->click();
        window.close();
        QCOMPARE(requests, 2);
    }

    void bannerShift_movesOnlyTheBannerDown_onceForTheWindow()
    {
        frmMain window{Platform::Twips(12.0)};
        const QRect before = window.findChild<QWidget *>(QStringLiteral("Picture4"))->geometry();
        window.moveBannerDown(80);
        const QRect after = window.findChild<QWidget *>(QStringLiteral("Picture4"))->geometry();
        QCOMPARE(after.topLeft(), before.topLeft() + QPoint(0, 80 / 12 + 1));
        window.relayout();
        window.moveBannerDown(80); // a second start
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Picture4"))->y(), after.y());
    }

    void window_opensCentred_tabRunsListPaneThenButtons()
    {
        frmMain window{Platform::Twips(15.0)};
        auto *pane = new Platform::BrowserPane(QString());
        window.setDetailsPane(pane);
        window.showInChosenState();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY2(qAbs(window.geometry().center().x() - screen.center().x()) <= 40 &&
                     qAbs(window.geometry().center().y() - screen.center().y()) <= 40,
                 qPrintable(QStringLiteral("window at %1,%2").arg(window.x()).arg(window.y())));

        window.List1()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), window.List1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(pane->nativeView()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.button(QStringLiteral("Command1"))));
    }

    void waitWindow_sizesAndLabels()
    {
        QVERIFY(!(Windows::frmWait(Platform::Twips(15.0), false).windowFlags() & Qt::WindowStaysOnTopHint));
        Windows::frmWait normal{Platform::Twips(15.0), false};
        QCOMPARE(normal.size(), QSize(291, 35));
        QCOMPARE(normal.Label1()->text(), QStringLiteral("Voruvar loading..."));
        QCOMPARE(normal.Label2()->text(), QStringLiteral("Please wait."));
        QCOMPARE(normal.twipsGeometry(normal.Label1()), QRect(600, 45, 3675, 255));
        QCOMPARE(normal.twipsGeometry(normal.Label2()), QRect(600, 240, 3675, 255));

        Windows::frmWait large{Platform::Twips(12.0), true};
        QCOMPARE(large.twipsGeometry(&large).size(), QSize(4380, 456));
        QCOMPARE(large.twipsGeometry(large.Label1()).top(), 24);
        QCOMPARE(large.twipsGeometry(large.Label2()).top(), 228);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
