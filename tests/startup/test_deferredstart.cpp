// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "fakeplatform.h"
#include "host/hostcontext.h"
#include "startup/deferredstart.h"
#include "startup/startsteps.h"
#include "startup/startview.h"

#include <QTest>

#include <functional>

using namespace Voruvar;
using namespace Voruvar::Testing;
using Startup::DeferredStart;

namespace {

// Records what the start does to the windows, in order.
class FakeView final : public Startup::StartView, public Startup::StartSteps
{
public:
    void enableTimer() override { timerEnabled = true; }
    void disableTimer() override
    {
        timerEnabled = false;
        log << QStringLiteral("timer off");
    }
    void showWaitWindow() override
    {
        waitVisible = true;
        log << QStringLiteral("wait shown");
    }
    void unloadWaitWindow() override
    {
        waitVisible = false;
        log << QStringLiteral("wait unloaded");
    }
    void processEvents() override
    {
        if (duringEvents)
            duringEvents();
    }
    void setAdminButtonVisible(bool visible) override { adminVisible = visible; }
    QStringList listEntries() const override { return entries; }
    void selectEntry(int index) override
    {
        selected = index;
        log << QStringLiteral("select %1").arg(index);
    }
    void moveBannerDown(int twips) override { bannerShift += twips; }
    void showMainWindow() override
    {
        mainVisible = true;
        log << QStringLiteral("main shown");
    }
    void focusList() override { listFocused = true; }

    void fetchRetryCount() override { log << QStringLiteral("retry count"); }
    void readSettings() override { log << QStringLiteral("settings"); }
    void buildCategoryList() override
    {
        log << QStringLiteral("list");
        entries = listToBuild;
    }

    QStringList log;
    QStringList entries;
    QStringList listToBuild{QStringLiteral("AREA"), QStringLiteral("TORX BITS"), QStringLiteral("ZEBRA")};
    std::function<void()> duringEvents;
    bool timerEnabled = false;
    bool waitVisible = false;
    bool adminVisible = false;
    bool mainVisible = false;
    bool listFocused = false;
    int selected = -1;
    int bannerShift = 0;
};

struct Fixture
{
    Host::HostContext context;
    FakeView view;
    FakeMessagePresenter messages;
    FakeInstanceProbe instances;
    FakeScreenMetrics screen;
    FakeProcessControl process;
    DeferredStart start{context, {view, view, messages, instances, screen, process}};

    void tick()
    {
        start.arm();
        start.onTick();
    }
    QStringList titles() const
    {
        QStringList result;
        for (const Platform::Message &message : messages.shown)
            result << message.title;
        return result;
    }
};

} // namespace

class TestDeferredStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void start_runsItsStepsInOrder()
    {
        Fixture f;
        f.tick();
        QCOMPARE(f.view.log, QStringList({"wait shown", "timer off", "retry count", "settings", "list", "wait unloaded",
                                          "main shown", "select 0"}));
        QVERIFY(f.view.mainVisible);
        QVERIFY(f.view.listFocused);
        QVERIFY(!f.view.timerEnabled);
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.process.endRequests, 0);
    }

    void instanceRule_data()
    {
        QTest::addColumn<QString>("multiInstance");
        QTest::addColumn<bool>("otherRunning");
        QTest::addColumn<bool>("refused");
        QTest::newRow("0 with another copy") << "0" << true << true;
        QTest::newRow("0 alone") << "0" << false << false;
        QTest::newRow("empty with another copy") << "" << true << false;
        QTest::newRow("1 with another copy") << "1" << true << false;
        QTest::newRow("0 with a blank") << "0 " << true << false;
    }

    void instanceRule()
    {
        QFETCH(QString, multiInstance);
        QFETCH(bool, otherRunning);
        QFETCH(bool, refused);
        Fixture f;
        f.context.strMultiInstance = multiInstance;
        f.instances.otherRunning = otherRunning;
        // The loading window is gone before the box shows.
        f.messages.whileShown = [&](const Platform::Message &) { QVERIFY(!f.view.waitVisible); };
        f.tick();
        QCOMPARE(f.process.endRequests, refused ? 1 : 0);
        QCOMPARE(f.view.mainVisible, !refused);
        if (refused) {
            QCOMPARE(f.messages.shown, QList<Platform::Message>{DeferredStart::multipleInstancesMessage()});
            QCOMPARE(f.messages.shown[0].text,
                     QStringLiteral("Voruvar is already running.\r\n\r\nYour user settings do not allow you to run "
                                    "more than once instance of this add-in."));
            QVERIFY(!f.view.log.contains(QStringLiteral("retry count")));
        }
    }

    void resolutionRule_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<bool>("refused");
        QTest::newRow("640 x 480") << 640 << 480 << 15.0 << true;
        QTest::newRow("733 x 533 at the edge") << 733 << 533 << 15.0 << true;
        QTest::newRow("800 x 600") << 800 << 600 << 15.0 << false;
        QTest::newRow("1024 x 500 wide enough") << 1024 << 500 << 15.0 << false;
        QTest::newRow("700 x 900 tall enough") << 700 << 900 << 15.0 << false;
        QTest::newRow("800 x 600 at 120 dpi") << 800 << 600 << 12.0 << true;
    }

    void resolutionRule()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, twipsPerPixel);
        QFETCH(bool, refused);
        Fixture f;
        f.screen = FakeScreenMetrics(width, height, twipsPerPixel);
        // The loading window stays up until the box is closed.
        f.messages.whileShown = [&](const Platform::Message &) { QVERIFY(f.view.waitVisible); };
        f.tick();
        QCOMPARE(f.process.endRequests, refused ? 1 : 0);
        QCOMPARE(f.titles(), refused ? QStringList{QStringLiteral("Invalid Resolution")} : QStringList{});
        if (refused)
            QCOMPARE(f.messages.shown[0], DeferredStart::invalidResolutionMessage());
    }

    void alert_data()
    {
        QTest::addColumn<QString>("alert");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("invalidReference");
        QTest::newRow("none") << "" << 0 << false;
        QTest::newRow("blanks only") << "   " << 0 << false;
        QTest::newRow("exact") << "TORX BITS" << 1 << false;
        QTest::newRow("lower case with blanks") << "  torx bits " << 1 << false;
        QTest::newRow("last entry") << "zebra" << 2 << false;
        QTest::newRow("not listed") << "BELTS" << 0 << true;
        QTest::newRow("inner blanks differ") << "TORX  BITS" << 0 << true;
        QTest::newRow("tab is not a blank") << "\tTORX BITS" << 0 << true;
    }

    void alert()
    {
        QFETCH(QString, alert);
        QFETCH(int, selected);
        QFETCH(bool, invalidReference);
        Fixture f;
        f.context.strAlertRef = alert;
        f.tick();
        QCOMPARE(f.view.selected, selected);
        QCOMPARE(f.titles(), invalidReference ? QStringList{QStringLiteral("Invalid Reference")} : QStringList{});
        if (invalidReference)
            QCOMPARE(f.messages.shown[0].text, QStringLiteral("The referenced object either no longer exists."));
        // One selection only: the alert's, or the first entry after the window shows.
        QCOMPARE(f.view.log.filter(QStringLiteral("select")).size(), 1);
    }

    void alert_selectionComesBeforeTheWindowShows()
    {
        Fixture f;
        f.context.strAlertRef = QStringLiteral("torx bits");
        f.tick();
        QVERIFY(f.view.log.indexOf(QStringLiteral("select 1")) < f.view.log.indexOf(QStringLiteral("main shown")));
    }

    void emptyList_opensWithNothingSelected()
    {
        Fixture f;
        f.view.listToBuild.clear();
        f.tick();
        QCOMPARE(f.view.selected, -1);
        QVERIFY(f.view.mainVisible);
        QVERIFY(f.messages.shown.isEmpty());
    }

    void adminButton_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<bool>("visible");
        QTest::newRow("2") << "2" << true;
        QTest::newRow("2 with a blank") << "2 " << false;
        QTest::newRow("1") << "1" << false;
        QTest::newRow("empty") << "" << false;
    }

    void adminButton()
    {
        QFETCH(QString, level);
        QFETCH(bool, visible);
        Fixture f;
        f.view.adminVisible = !visible;
        f.context.strAccessLevel = level;
        f.tick();
        QCOMPARE(f.view.adminVisible, visible);
    }

    void bannerShift_onlyAtTwelveTwipsPerPixel()
    {
        for (const double perPixel : {15.0, 12.0, 10.0}) {
            Fixture f;
            f.screen = FakeScreenMetrics(1600, 1200, perPixel);
            f.tick();
            QCOMPARE(f.view.bannerShift, perPixel == 12.0 ? 80 : 0);
        }
    }

    void tickWhileRunning_doesNotStartASecondRun()
    {
        Fixture f;
        int nested = 0;
        f.view.duringEvents = [&] {
            ++nested;
            f.start.onTick();
        };
        f.tick();
        QCOMPARE(nested, 1);
        QCOMPARE(f.view.log.count(QStringLiteral("list")), 1);
    }

    // A request before the run has read the alert is served by this very run; one after it
    // arms the timer for a run of its own.
    void executeDuringARun_data()
    {
        QTest::addColumn<bool>("afterTheAlert");
        QTest::newRow("during the loading window's events: absorbed") << false;
        QTest::newRow("during the Invalid Reference box: runs again") << true;
    }

    void executeDuringARun()
    {
        QFETCH(bool, afterTheAlert);
        Fixture f;
        f.context.strAlertRef = QStringLiteral("nothing listed");
        const auto request = [&] {
            f.context.strAlertRef = QStringLiteral("zebra");
            f.start.arm();
        };
        if (afterTheAlert)
            f.messages.whileShown = [&](const Platform::Message &) { request(); };
        else
            f.view.duringEvents = request;
        f.tick();
        QCOMPARE(f.view.timerEnabled, afterTheAlert);
        QCOMPARE(f.view.log.count(QStringLiteral("wait shown")), 1);
        QCOMPARE(f.titles(), afterTheAlert ? QStringList{QStringLiteral("Invalid Reference")} : QStringList{});
        QCOMPARE(f.view.selected, afterTheAlert ? 0 : 2);
        if (!afterTheAlert)
            return;
        f.view.log.clear();
        f.messages.whileShown = nullptr;
        f.start.onTick();
        QCOMPARE(f.view.log, QStringList({"wait shown", "timer off", "retry count", "settings", "list", "select 2",
                                          "wait unloaded", "main shown"}));
        QVERIFY(!f.view.timerEnabled);
    }

    void secondExecute_rebuildsAndSelectsTheFirstEntryAgain()
    {
        Fixture f;
        f.context.strAlertRef = QStringLiteral("zebra");
        f.tick();
        QCOMPARE(f.view.selected, 2);
        f.context.strAlertRef.clear();
        f.view.log.clear();
        f.tick();
        QCOMPARE(f.view.log.count(QStringLiteral("list")), 1);
        QCOMPARE(f.view.selected, 0);
    }
};

QTEST_GUILESS_MAIN(TestDeferredStart)
#include "test_deferredstart.moc"
