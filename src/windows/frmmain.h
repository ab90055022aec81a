// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/twips.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QTimer;
class QToolButton;

namespace Voruvar::Windows {

class PictureBox;

// The main window: header band with the host logo and the banner, the content frame with the
// category list and the details pane, the button row, and the start timer. It only lays out and
// relays its controls; what they do is wired by the application.
class frmMain final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    static constexpr int designClientWidth = 13785;
    static constexpr int designClientHeight = 8940;

    explicit frmMain(Platform::Twips twips, QWidget *parent = nullptr);
    ~frmMain() override;

    QTimer *Timer1() const { return m_timer; }
    QListWidget *List1() const { return m_list; }
    QLabel *Label3() const { return m_count; }
    QWidget *Picture3() const { return m_detailsFrame; }
    QWidget *WB1() const { return m_pane; }
    QToolButton *button(const QString &objectName) const;

    // Replaces the category list's entries (already in list order) and the count line.
    void showCategories(const QStringList &entries, const QString &countText);

    // Puts the details pane into its frame at its design place, replacing the previous one.
    void setDetailsPane(QWidget *pane);
    void setAdminButtonVisible(bool visible);
    // Moves the banner down, the first time only.
    void moveBannerDown(int twips);
    void setOpenMaximized(bool maximized) { m_openMaximized = maximized; }
    // Shows the window in the state the settings chose.
    void showInChosenState();

    // The resize rule against the window's current outer and client size.
    void relayout();

    // The position and size of a control, in twips, as the twips helper converts back.
    QRect twipsGeometry(const QWidget *control) const;

Q_SIGNALS:
    // Any attempt to close the window, and the exit button.
    void exitRequested();
    void bannerClicked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(QWidget *control, int left, int top, int width, int height);
    void setLeft(QWidget *control, int left);
    void setTop(QWidget *control, int top);
    void setWidth(QWidget *control, int width);
    void setHeight(QWidget *control, int height);

    Platform::Twips m_twips;
    QWidget *m_header = nullptr;      // Shape1
    QLabel *m_hostLogo = nullptr;     // Picture2
    QLabel *m_banner = nullptr;       // Picture4
    QLabel *m_shade = nullptr;        // picShade
    PictureBox *m_content = nullptr;  // Picture1
    QLabel *m_categoriesCaption = nullptr; // Label2
    QLabel *m_detailsCaption = nullptr;    // Label1
    QToolButton *m_reminder = nullptr;     // Command8
    QListWidget *m_list = nullptr;         // List1
    QLabel *m_count = nullptr;             // Label3
    QWidget *m_detailsFrame = nullptr;     // Picture3
    QWidget *m_pane = nullptr;             // WB1
    QTimer *m_timer = nullptr;             // Timer1
    bool m_openMaximized = false;
    bool m_placed = false;
    bool m_bannerMoved = false;
};

} // namespace Voruvar::Windows
