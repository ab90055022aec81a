// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The main window's commands through the real windows, with the platform's services faked:
// the zoom window, the calculator, the reminder, the administrator options, help and about.
#include "fakehostlibrary.h"
#include "fakejetdatabase.h"
#include "fakeplatform.h"
#include "processmemory.h"
#include "testfiles.h"
#include "host/hostcontext.h"
#include "platform/browserpane.h"
#include "startup/adminsettings.h"
#include "windows/addin.h"
#include "windows/controls.h"
#include "windows/frmabout.h"
#include "windows/frmadmin.h"
#include "windows/frmhelp.h"
#include "windows/frmmain.h"
#include "windows/frmxpand.h"
#include "windows/maincommands.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Voruvar;
using Windows::MainCommands;
using Windows::ZoomNavigation;

namespace {

struct Session
{
    explicit Session(const QString &directory, bool hosted = true, Host::HostLibrary *library = nullptr)
        : addin({messages, instances, screen, process, shell, library, hosted}, directory)
    {
        addin.setDatabase(std::make_unique<Testing::FakeJetDatabase>());
    }
    Testing::FakeMessagePresenter messages;
    Testing::FakeInstanceProbe instances;
    Testing::FakeScreenMetrics screen{1280, 1024, 15.0};
    Testing::FakeProcessControl process;
    Testing::FakeShell shell;
    Windows::Addin addin;

    MainCommands &commands() { return addin.commands(); }
    QListWidget *list() { return addin.mainWindow().List1(); }
    void showEntries(const QStringList &entries)
    {
        addin.mainWindow().showCategories(entries, QString());
    }
    QStringList titles() const
    {
        QStringList result;
        for (const Platform::Message &message : messages.shown)
            result << message.title;
        return result;
    }
};

QStringList letters(int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << QString(QChar(u'A' + i));
    return entries;
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *name : {"A", "B", "C"})
            Testing::writeTestFile(m_dir.filePath(QLatin1String(name) + u".html"), "<p>page</p>");
    }

    // The step buttons when the window opens, and after each step.
    void zoom_buttonStates_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("steps"); // n: next, p: previous
        QTest::addColumn<int>("row");       // the selection after the steps
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::newRow("one entry: both off") << 1 << 0 << "" << 0 << false << false;
        QTest::newRow("first of three") << 3 << 0 << "" << 0 << false << true;
        QTest::newRow("last of three") << 3 << 2 << "" << 2 << true << false;
        QTest::newRow("empty list: next off") << 0 << -1 << "" << -1 << true << false;
        QTest::newRow("previous from the second") << 3 << 1 << "p" << 0 << false << true;
        QTest::newRow("next to the last") << 3 << 1 << "n" << 2 << true << false;
        QTest::newRow("two, alternating") << 2 << 0 << "npnpn" << 1 << true << false;
        QTest::newRow("none selected: next takes the first") << 3 << -1 << "n" << 0 << true << true;
        QTest::newRow("empty list, previous past the end") << 0 << -1 << "p" << -1 << true << true;
    }

    void zoom_buttonStates()
    {
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(QString, steps);
        QFETCH(int, row);
        QFETCH(bool, previous);
        QFETCH(bool, next);
        Session session(m_dir.path());
        session.showEntries(letters(count));
        session.list()->setCurrentRow(selected);
        session.commands().expand();
        Windows::frmXpand *zoom = session.commands().zoomWindow();
        QVERIFY(zoom);
        for (const QChar step : steps)
            (step == u'n' ? zoom->cmdNext() : zoom->cmdPrev())->click();
        QCOMPARE(session.list()->currentRow(), row);
        QCOMPARE(zoom->lblItem()->text(), row >= 0 ? session.list()->item(row)->text() : QString());
        QCOMPARE(zoom->cmdPrev()->isEnabled(), previous);
        QCOMPARE(zoom->cmdNext()->isEnabled(), next);
    }

    void zoom_showsTheDocument_stepsMoveBothPanes_escapeUnloads()
    {
        Testing::writeTestFile(m_dir.filePath(QStringLiteral("USER.ADD")), "A||A.html\r\nB||B.html\r\nC||C.html\r\n");
        Session session(m_dir.path());
        session.addin.settings().bytBypassBuiltIns = 1;
        session.addin.buildCategoryList();
        session.list()->setCurrentRow(0);
        session.addin.mainWindow().setWindowTitle(QStringLiteral("RURARO™ Voruvar"));
        session.commands().expand();
        QPointer<Windows::frmXpand> zoom = session.commands().zoomWindow();
        QVERIFY(zoom && zoom->isVisible() && zoom->isModal());
        QCOMPARE(zoom->windowTitle(), QStringLiteral("RURARO™ Voruvar (Zoom Window)"));
        QVERIFY(zoom->windowState() & Qt::WindowMaximized);
        QCOMPARE(zoom->WB1()->locationURL(), session.addin.detailsPane().locationURL());

        QVERIFY(QTest::qWaitForWindowActive(zoom));
        QTest::keyClick(zoom, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(session.list()->currentRow(), 1);
        QVERIFY(zoom->WB1()->locationURL().endsWith(u"/B.html"));
        QCOMPARE(zoom->WB1()->locationURL(), session.addin.detailsPane().locationURL());
        zoom->cmdNext()->setFocus();
        QTest::keyClick(zoom->cmdNext(), Qt::Key_PageDown);
        QCOMPARE(session.list()->currentRow(), 2);
        QTest::keyClick(zoom, Qt::Key_Right, Qt::AltModifier); // next is off on the last entry
        QCOMPARE(session.list()->currentRow(), 2);

        QTest::keyClick(zoom, Qt::Key_Escape);
        QTRY_VERIFY(!zoom);
        QVERIFY(!session.commands().zoomWindow());
        // A selection now reaches only the main pane; a new opening starts afresh.
        session.list()->setCurrentRow(0);
        session.commands().expand();
        QVERIFY(session.commands().zoomWindow()->cmdNext()->isEnabled());
        QVERIFY(!session.commands().zoomWindow()->cmdPrev()->isEnabled());
    }

    void zoom_layout()
    {
        // At the design size the rule gives the design layout; grown, the pane follows.
        const Windows::ZoomLayout design = Windows::ZoomLayout::compute(8760 + 90, 7515 + 90, 0);
        QCOMPARE(QSize(design.paneWidth, design.paneHeight), QSize(8600, 6905));
        QCOMPARE(design.printLeft, 8100);
        const Windows::ZoomLayout grown = Windows::ZoomLayout::compute(8760 + 90 + 1500, 7515 + 90 + 600, 315);
        QCOMPARE(QSize(grown.paneWidth, grown.paneHeight), QSize(10100, 7190));
        QCOMPARE(grown.printLeft, 9600);
    }

    // Typing the first letters of a title selects it, as in any list of the desktop.
    void list_typeAhead_selectsTheTitle()
    {
        Session session(m_dir.path());
        session.showEntries({QStringLiteral("AREA"), QStringLiteral("TEMPERATURE"), QStringLiteral("TIME"),
                             QStringLiteral("TORQUE"), QStringLiteral("TORX BITS")});
        session.list()->setFocus();
        QTest::keyClicks(session.list(), QStringLiteral("torx"));
        QCOMPARE(session.list()->currentItem()->text(), QStringLiteral("TORX BITS"));
    }

    void calculator_shellResults_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("failed");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("2, not found") << 2 << true;
        QTest::newRow("32") << 32 << true;
        QTest::newRow("33") << 33 << false;
        QTest::newRow("negative") << -1 << false;
    }

    void calculator_shellResults()
    {
        QFETCH(int, result);
        QFETCH(bool, failed);
        Session session(m_dir.path());
        session.shell.result = result;
        session.addin.mainWindow().button(QStringLiteral("Command6"))->click();
        QCOMPARE(session.shell.starts, 1);
        const QList<Platform::Message> expected{{QStringLiteral("Failed Execution"),
                                                 QStringLiteral("Could not succesfully launch the calculator application."),
                                                 Platform::MessageIcon::Error}};
        QCOMPARE(session.messages.shown, failed ? expected : QList<Platform::Message>());
    }

    void reminder_onItsOwnWithoutAConsole_saysSo_hostedKeepsTheRules()
    {
        Session alone(m_dir.path(), false, nullptr);
        alone.showEntries({QStringLiteral("TORX BITS")});
        alone.list()->setCurrentRow(0);
        alone.addin.mainWindow().button(QStringLiteral("Command8"))->click();
        QCOMPARE(alone.titles(), QStringList{QStringLiteral("No Console Connected")});

        Testing::FakeHostLibrary library;
        Session hosted(m_dir.path(), true, &library);
        hosted.addin.context().strReminderDays = QStringLiteral("7");
        hosted.showEntries({QStringLiteral("TORX BITS")});
        hosted.list()->setCurrentRow(0);
        hosted.addin.mainWindow().button(QStringLiteral("Command8"))->click();
        QVERIFY(hosted.messages.shown.isEmpty());
        QVERIFY(library.calls.join(u' ').contains(u"VORUVAR.CLSMAIN, TORX BITS"));
    }

    // The switches as the options window shows them, from the settings as read.
    void adminOptions_checkBoxesFromTheSettings_data()
    {
        QTest::addColumn<QString>("maximize");
        QTest::addColumn<int>("printerDialog");
        QTest::addColumn<bool>("check1");
        QTest::addColumn<bool>("check2");
        QTest::newRow("1") << "1" << 1 << true << true;
        QTest::newRow("0") << "0" << 0 << false << false;
        QTest::newRow("empty") << "" << 0 << false << false;
        QTest::newRow("leading blank") << " 1" << 0 << true << false;
        QTest::newRow("1.0") << "1.0" << 0 << true << false;
        QTest::newRow("letters") << "yes" << 0 << false << false;
        QTest::newRow("dialog 2 asks for it but stays clear") << "0" << 2 << false << false;
    }

    void adminOptions_checkBoxesFromTheSettings()
    {
        QFETCH(QString, maximize);
        QFETCH(int, printerDialog);
        QFETCH(bool, check1);
        QFETCH(bool, check2);
        Session session(m_dir.path());
        session.addin.settings().strMaximize = maximize;
        session.addin.settings().bytPrinterDialog = quint8(printerDialog);
        session.addin.settings().bytBypassBuiltIns = 1;
        session.commands().administratorOptions();
        Windows::frmAdmin *admin = session.commands().adminWindow();
        QVERIFY(admin && admin->isModal());
        QCOMPARE(admin->windowTitle(), QStringLiteral("Voruvar Administration"));
        QCOMPARE(admin->Check1()->isChecked(), check1);
        QCOMPARE(admin->Check2()->isChecked(), check2);
        QVERIFY(admin->Check3()->isChecked());
    }

    void adminOptions_closeKeeps_saveWritesAndUpdates()
    {
        QTemporaryDir dir;
        const QString file = Startup::AdminSettings::filePath(dir.path());
        Testing::writeTestFile(file, "1\r\n1\r\n1\r\n");
        Session session(dir.path());
        session.addin.readSettings();
        session.commands().administratorOptions();
        QPointer<Windows::frmAdmin> admin = session.commands().adminWindow();
        admin->Check1()->setChecked(false);
        QTest::keyClick(admin, Qt::Key_Escape);
        QTRY_VERIFY(!admin);
        QCOMPARE(Testing::readTestFile(file), QByteArray("1\r\n1\r\n1\r\n"));
        QCOMPARE(session.addin.settings().bytPrinterDialog, quint8(1));

        session.commands().administratorOptions();
        admin = session.commands().adminWindow();
        QVERIFY(admin->Check1()->isChecked()); // the unsaved change is gone
        for (QCheckBox *box : {admin->Check1(), admin->Check2(), admin->Check3()})
            box->setChecked(false);
        admin->findChild<QToolButton *>(QStringLiteral("Command26"))->click();
        QTRY_VERIFY(!admin);
        QCOMPARE(Testing::readTestFile(file), QByteArray("0\r\n0\r\n0\r\n"));
        QCOMPARE(session.addin.settings().bytPrinterDialog, quint8(0));
        QCOMPARE(session.titles(), QStringList{QStringLiteral("Success")});
    }

    void help_opensModal_escapeCloses()
    {
        Session session(m_dir.path());
        session.commands().help();
        QPointer<Windows::frmHelp> help = session.commands().helpWindow();
        QVERIFY(help && help->isModal());
        QCOMPARE(help->windowTitle(), QStringLiteral("Voruvar Help"));
        QCOMPARE(help->findChild<QLabel *>(QStringLiteral("Picture1"))->pixmap().size(), QSize(711, 416));
        QTest::keyClick(help, Qt::Key_Escape);
        QTRY_VERIFY(!help);
    }

    void about_levelNames_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << "0" << "READ-ONLY";
        QTest::newRow("1") << "1" << "REGULAR";
        QTest::newRow("2") << "2" << "SYSTEM ADMINISTRATOR";
        QTest::newRow("2.0") << "2.0" << "SYSTEM ADMINISTRATOR";
        QTest::newRow("7") << "7" << "UNKNOWN";
        QTest::newRow("empty") << "" << "READ-ONLY";
        QTest::newRow("abc") << "abc" << "READ-ONLY";
    }

    void about_levelNames()
    {
        QFETCH(QString, level);
        QFETCH(QString, name);
        QCOMPARE(Windows::frmAbout::accessLevelName(level), name);
    }

    void about_valuesInCapitals_contextUnchanged()
    {
        Session session(m_dir.path());
        Host::HostContext &context = session.addin.context();
        context.strAccountName = QStringLiteral("dana admin");
        context.strAccountId = QStringLiteral("dadmin");
        context.strAccountTitle = QString(10000, u'x');
        context.strAccessLevel = QStringLiteral("2");
        session.addin.mainWindow().findChild<QLabel *>(QStringLiteral("Picture4"))->setFocus();
        Q_EMIT session.addin.mainWindow().bannerClicked();
        Windows::frmAbout *about = session.commands().aboutWindow();
        QVERIFY(about && about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Ruraro Voruvar"));
        QCOMPARE(about->label("Label9")->text(), QStringLiteral("DANA ADMIN"));
        QCOMPARE(about->label("Label13")->text(), QStringLiteral("DADMIN"));
        QCOMPARE(about->label("Label14")->text(), QString(10000, u'X'));
        QCOMPARE(about->label("Label10")->text(), QStringLiteral("SYSTEM ADMINISTRATOR"));
        QCOMPARE(about->label("Label4")->text(), QStringLiteral("Version 3.7 - B1"));
        QCOMPARE(about->label("Label2")->text(), QStringLiteral("Ruraro™ Voruvar"));
        QCOMPARE(context.strAccountName, QStringLiteral("dana admin"));
    }

    // The link with a library that always fails: max(1, retry count) attempts, then one log
    // entry and one box.
    void about_link_attemptsBoundByTheRetryCount_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("attempts");
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("0 still tries once") << 0 << 1;
        QTest::newRow("1") << 1 << 1;
    }

    void about_link_attemptsBoundByTheRetryCount()
    {
        QFETCH(int, limit);
        QFETCH(int, attempts);
        Testing::FakeHostLibrary library;
        library.failing = {QStringLiteral("gBrowser")};
        Session session(m_dir.path(), true, &library);
        session.addin.retry().intRetryLimit = qint16(limit);
        session.commands().about();
        Windows::frmAbout *about = session.commands().aboutWindow();
        QLabel *link = about->label("Label15");
        QVERIFY(link->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(link, Qt::Key_Return);
        QTRY_COMPARE(session.messages.shown.size(), 1);
        QCOMPARE(session.titles(), QStringList{QStringLiteral("TB700 : DLL Call Failure")});
        QCOMPARE(library.calls.filter(QStringLiteral("gBrowser(")).size(), attempts);
        QCOMPARE(library.calls.filter(QStringLiteral("writeLog(ERROR: TB700 : DLL Call Failure (Voruvar)")).size(), 1);
    }

    void about_link_onItsOwn_opensTheDesktopBrowser()
    {
        Session session(m_dir.path(), false, nullptr);
        session.commands().about();
        QTest::mouseClick(session.commands().aboutWindow()->label("Label15"), Qt::LeftButton);
        QTRY_COMPARE(session.shell.addresses, QStringList{QStringLiteral("https://www.zederiro.example/voruvar")});
    }

    // The windows' layouts: design at 96 dots per inch, the adjustments at 120, and 144 unchanged.
    void dialogs_layoutByScale_data()
    {
        QTest::addColumn<double>("perPixel");
        QTest::newRow("96 dpi") << 15.0;
        QTest::newRow("120 dpi") << 12.0;
        QTest::newRow("144 dpi") << 10.0;
    }

    void dialogs_layoutByScale()
    {
        QFETCH(double, perPixel);
        const Platform::Twips twips(perPixel);
        const bool large = perPixel == 12.0;
        const auto geometry = [&](const QWidget *window, const char *name) {
            return Windows::twipsGeometry(twips, window->findChild<QWidget *>(QLatin1String(name)));
        };
        const auto near = [](int a, int b) { return qAbs(a - b) <= 15; }; // within a pixel

        Windows::frmAdmin admin(twips, large, QPixmap(), QPixmap());
        QVERIFY(near(Windows::twipsGeometry(twips, &admin).width(), 7230));
        const QRect banner = geometry(&admin, "Picture4");
        QVERIFY2(near(banner.left(), large ? 7230 + 90 - 274 * 12 - 200 : 3010), qPrintable(QString::number(banner.left())));
        QVERIFY(near(banner.top(), large ? 170 : 120));

        Windows::frmHelp help(twips, large, QPixmap());
        const QRect size = Windows::twipsGeometry(twips, &help);
        QVERIFY(near(size.width(), large ? 8830 - 90 : 10890));
        QVERIFY(near(size.height(), large ? 7250 - 90 : 8115));
        const QRect picture = geometry(&help, "Picture1");
        const QRect hint = geometry(&help, "Label3");
        QVERIFY(near(hint.top(), large ? picture.bottom() + 100 : 7740));
        QVERIFY(near(geometry(&help, "Command1").left(), large ? 8830 - 770 : 10200));

        Windows::frmAbout about(twips, large, QPixmap());
        // The link stands at its design place or, where the invitation's words reach further, after them.
        QVERIFY(geometry(&about, "Label15").left() >= (large ? 3400 : 2400) - 15);
        QVERIFY(near(geometry(&about, "Picture2").topLeft().x(), large ? 160 : 60));
    }

    // Opened and closed 200 times, each window leaves the process's memory where it settled.
    void windows_openedAndClosed200Times_memorySettles_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"zoom", "about", "admin", "help"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void windows_openedAndClosed200Times_memorySettles()
    {
        QFETCH(QString, window);
        Session session(m_dir.path());
        session.showEntries({QStringLiteral("A")});
        session.list()->setCurrentRow(0);
        MainCommands &commands = session.commands();
        const auto round = [&] {
            QPointer<QWidget> opened;
            if (window == u"zoom") {
                commands.expand();
                opened = commands.zoomWindow();
            } else if (window == u"about") {
                commands.about();
                opened = commands.aboutWindow();
            } else if (window == u"admin") {
                commands.administratorOptions();
                opened = commands.adminWindow();
            } else {
                commands.help();
                opened = commands.helpWindow();
            }
            if (!opened)
                return false;
            opened->close();
            return QTest::qWaitFor([&opened] { return opened.isNull(); }, 5000);
        };
        QString why;
        QVERIFY2(Testing::memorySettles(QCoreApplication::applicationPid(), 200, 4096, round, &why), qPrintable(why));
    }

    void dialogs_everyClickableControlIsNamed()
    {
        Session session(m_dir.path());
        session.commands().about();
        session.commands().help();
        session.commands().administratorOptions();
        session.showEntries({QStringLiteral("A")});
        session.commands().expand();
        for (QWidget *window : std::initializer_list<QWidget *>{session.commands().aboutWindow(), session.commands().helpWindow(),
                                                                session.commands().adminWindow(), session.commands().zoomWindow()}) {
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                if (button->objectName() == u"cmdClose")
                    continue; // never seen; Escape presses it
                QVERIFY2(!button->accessibleName().isEmpty() || !button->text().isEmpty(), qPrintable(button->objectName()));
                QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
