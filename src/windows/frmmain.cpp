// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "frmmain.h"

#include "controls.h"

#include "mainlayout.h"
#include "picturebox.h"
#include "picturebutton.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace Voruvar::Windows {

namespace {

const QColor windowGrey(224, 224, 224);
const QColor navy(0, 0, 128);
const QColor crimson(143, 0, 21);

QFont arial(double points, bool bold, bool italic = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QLabel *makeCaption(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(arial(11.25, true, true));
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QLabel *makePicture(QWidget *parent, const QString &name, const QString &picture)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap(picture));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

frmMain::frmMain(Platform::Twips twips, QWidget *parent) : QWidget(parent, Qt::Window), m_twips(twips)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(QIcon(QStringLiteral(":/images/voruvar-32.png")));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, windowGrey);
    setPalette(background);
    resize(m_twips.toPixels(designClientWidth), m_twips.toPixels(designClientHeight));
    // Smaller than the design, the buttons of the bottom row would overlap.
    setMinimumSize(size());

    m_header = new QWidget(this);
    m_header->setObjectName(QStringLiteral("Shape1"));
    m_header->setAutoFillBackground(true);
    QPalette white = m_header->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_header->setPalette(white);
    place(m_header, -45, -180, 14075, 1170);

    m_hostLogo = makePicture(this, QStringLiteral("Picture2"), QStringLiteral(":/images/host-logo.png"));
    m_hostLogo->setAccessibleName(tr("Ruraro console logo"));
    place(m_hostLogo, 0, 0, 1275, 930);

    m_banner = makePicture(this, QStringLiteral("Picture4"), QStringLiteral(":/images/banner.png"));
    m_banner->setToolTip(QStringLiteral("Click to view the ABOUT screen."));
    m_banner->setAccessibleName(tr("About"));
    m_banner->setAccessibleDescription(m_banner->toolTip());
    m_banner->setCursor(QCursor(QPixmap(QStringLiteral(":/images/banner-pointer.png")), 10, 2));
    m_banner->setFocusPolicy(Qt::NoFocus);
    m_banner->installEventFilter(this);
    place(m_banner, 9510, 120, MainLayout::bannerWidth, 735);

    m_shade = makePicture(this, QStringLiteral("picShade"), QStringLiteral(":/images/shade-strip.png"));
    place(m_shade, -240, 980, 45360, 105);

    m_content = new PictureBox(QPixmap(QStringLiteral(":/images/frame-background.png")), windowGrey, this);
    m_content->setObjectName(QStringLiteral("Picture1"));
    place(m_content, 120, 1080, 13535, 7135);

    m_categoriesCaption = makeCaption(m_content, QStringLiteral("Label2"), QStringLiteral("CATEGORIES"));
    place(m_categoriesCaption, 0, 50, 3165, 270);
    m_detailsCaption = makeCaption(m_content, QStringLiteral("Label1"), QStringLiteral("DETAILS"));
    place(m_detailsCaption, MainLayout::detailsFrameLeft, 45, 9960, 270);

    m_reminder = makePictureButton(m_content, QStringLiteral("Command8"), QStringLiteral(":/images/button-reminder.png"),
                                   tr("Create reminder"), QStringLiteral("Create a reminder."), Qt::black);
    place(m_reminder, 30, 30, 250, 300);

    m_list = new QListWidget(m_content);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(tr("Categories"));
    m_list->setFont(arial(8.25, false));
    m_list->setStyleSheet(QStringLiteral("QListWidget { background: white; color: black; }"));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    place(m_list, MainLayout::listLeft, MainLayout::listTop, MainLayout::listWidth, 5940);

    m_count = new QLabel(QStringLiteral("0 Categories Available."), m_content);
    m_count->setObjectName(QStringLiteral("Label3"));
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setFont(arial(8.25, true));
    m_count->setStyleSheet(QStringLiteral("color: white; background-color: %1;").arg(navy.name()));
    place(m_count, 120, 6755, 3135, 255);

    m_detailsFrame = new QWidget(m_content);
    m_detailsFrame->setObjectName(QStringLiteral("Picture3"));
    m_detailsFrame->setAutoFillBackground(true);
    m_detailsFrame->setPalette(white);
    place(m_detailsFrame, MainLayout::detailsFrameLeft, 480, 9960, 6475);

    struct ButtonDesign
    {
        const char *name;
        const char *picture;
        QString accessibleName;
        const char *toolTip;
        int left;
        QColor background;
    };
    const ButtonDesign buttons[] = {
        {"Command1", "button-exit", tr("Exit"), "Click to exit Voruvar.", 135, Qt::white},
        {"Command5", "button-refresh", tr("Refresh"), "Click to refresh category listing.", 810, Qt::white},
        {"Command3", "button-expand", tr("Expand"), "Click to expand details window.", 1485, Qt::white},
        {"Command6", "button-calculator", tr("Calculator"), "Click to load calculator.", 2160, Qt::white},
        {"Command7", "button-admin", tr("Administrator options"), "Click for the Administrator's menu.", 2835, crimson},
        {"Command4", "button-print", tr("Print"), "Click to print contents of detail window.", 12375, Qt::white},
        {"Command2", "button-help", tr("Help"), "Click for additional help.", 13050, Qt::white},
    };
    for (const ButtonDesign &design : buttons) {
        QToolButton *button = makePictureButton(this, QString::fromLatin1(design.name),
                                                QStringLiteral(":/images/%1.png").arg(QLatin1String(design.picture)),
                                                design.accessibleName, QString::fromLatin1(design.toolTip),
                                                design.background);
        place(button, design.left, 8345, 580, 480);
    }
    button(QStringLiteral("Command7"))->hide();
    connect(button(QStringLiteral("Command1")), &QToolButton::clicked, this, &frmMain::exitRequested);

    QWidget *previous = m_list;
    for (const char *name : {"Command1", "Command5", "Command3", "Command6", "Command7", "Command4", "Command2"}) {
        QWidget *next = button(QString::fromLatin1(name));
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, m_reminder);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(10);

    // The details frame starts with an empty white pane until a document pane is put in.
    auto *emptyPane = new QWidget(m_detailsFrame);
    emptyPane->setAutoFillBackground(true);
    emptyPane->setPalette(white);
    setDetailsPane(emptyPane);
}

frmMain::~frmMain() = default;

QToolButton *frmMain::button(const QString &objectName) const
{
    return findChild<QToolButton *>(objectName);
}

void frmMain::showCategories(const QStringList &entries, const QString &countText)
{
    m_list->setUpdatesEnabled(false);
    // The old selection goes with the old entries, without a new one.
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
    // Rows already holding the right text are kept and the others rewritten: rebuilding a long
    // list that has not changed then makes and deletes no rows at all.
    const int kept = int(std::min<qsizetype>(m_list->count(), entries.size()));
    for (int row = 0; row < kept; ++row) {
        QListWidgetItem *item = m_list->item(row);
        if (item->text() != entries[row])
            item->setText(entries[row]);
    }
    if (m_list->count() > kept)
        m_list->model()->removeRows(kept, m_list->count() - kept);
    if (entries.size() > kept)
        m_list->addItems(entries.mid(kept));
    m_list->scrollToTop();
    m_list->setUpdatesEnabled(true);
    m_count->setText(countText);
}

void frmMain::setDetailsPane(QWidget *pane)
{
    if (m_pane && m_pane != pane)
        m_pane->deleteLater();
    m_pane = pane;
    pane->setParent(m_detailsFrame);
    pane->setObjectName(QStringLiteral("WB1"));
    place(pane, -30, -30, 9970, 6475);
    relayout();
    pane->show();
    // The pane follows the list in the tab order. A pane that hands its focus to a renderer
    // inside it takes part through that renderer.
    QWidget *focusTarget = pane->focusProxy() ? pane->focusProxy() : pane;
    setTabOrder(m_list, focusTarget);
    setTabOrder(focusTarget, button(QStringLiteral("Command1")));
}

void frmMain::setAdminButtonVisible(bool visible)
{
    button(QStringLiteral("Command7"))->setVisible(visible);
}

void frmMain::moveBannerDown(int twips)
{
    // Once for the life of the window: every start asks again.
    if (std::exchange(m_bannerMoved, true))
        return;
    setTop(m_banner, m_twips.toTwips(m_banner->y()) + twips);
}

void frmMain::showInChosenState()
{
    // Opened centred on the screen the first time; later starts leave it where the user put it.
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    }
    if (m_openMaximized)
        showMaximized();
    else
        showNormal();
}

QRect frmMain::twipsGeometry(const QWidget *control) const
{
    return Windows::twipsGeometry(m_twips, control);
}

void frmMain::relayout()
{
    if (!m_pane)
        return;
    // The rule works from the outer size. Window managers draw their frames outside the client
    // area and report them late or not at all, so the outer size is taken as the client size
    // plus the design frame: the layout then depends on the client size alone, whatever the
    // desktop's decorations, and the design client size gives the design layout.
    const int clientWidth = m_twips.toTwips(width());
    const int clientHeight = m_twips.toTwips(height());
    const MainLayout l = MainLayout::compute(clientWidth + MainLayout::designFrameWidth,
                                             clientHeight + MainLayout::designFrameWidth, clientWidth, clientHeight);
    setLeft(m_banner, l.bannerLeft);
    setWidth(m_header, l.headerWidth);
    for (const char *name : {"Command1", "Command5", "Command3", "Command6", "Command7", "Command2", "Command4"})
        setTop(button(QString::fromLatin1(name)), l.buttonTop);
    setLeft(button(QStringLiteral("Command2")), l.helpLeft);
    setLeft(button(QStringLiteral("Command4")), l.printLeft);
    setHeight(m_content, l.contentHeight);
    setWidth(m_content, l.contentWidth);
    setHeight(m_detailsFrame, l.detailsHeight);
    setHeight(m_pane, l.paneHeight);
    setWidth(m_detailsFrame, l.detailsWidth);
    setWidth(m_pane, l.paneWidth);
    setTop(m_count, l.countTop);
    setLeft(m_categoriesCaption, l.categoriesLeft);
    setWidth(m_categoriesCaption, l.categoriesWidth);
    setLeft(m_detailsCaption, l.detailsCaptionLeft);
    setWidth(m_detailsCaption, l.detailsCaptionWidth);
    setHeight(m_list, l.listHeight);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT exitRequested();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void frmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        relayout();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_banner && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Q_EMIT bannerClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(m_twips.rect(left, top, width, height));
}

// The rule's setters: a negative size cannot be set, and the control keeps its previous one.
void frmMain::setLeft(QWidget *control, int left)
{
    control->move(m_twips.toPixels(left), control->y());
}

void frmMain::setTop(QWidget *control, int top)
{
    control->move(control->x(), m_twips.toPixels(top));
}

void frmMain::setWidth(QWidget *control, int width)
{
    if (width >= 0)
        control->resize(m_twips.toPixels(width), control->height());
}

void frmMain::setHeight(QWidget *control, int height)
{
    if (height >= 0)
        control->resize(control->width(), m_twips.toPixels(height));
}

} // namespace Voruvar::Windows
