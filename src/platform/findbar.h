// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPropertyAnimation;

namespace Voruvar::Platform {

// The bar that slides in at the bottom of a details pane to find text in the page: a field
// searched as it is typed, previous and next, "n of m", and a close button. Enter finds the
// next match, Shift+Enter the previous one, Escape closes the bar.
class FindBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindBar)

public:
    explicit FindBar(QWidget *parent);

    QLineEdit *field() const { return m_field; }
    QString text() const;
    // Shows the bar at the bottom of its parent and puts the keyboard in its field.
    void open();
    // Hides the bar; the parent keeps the keyboard.
    void dismiss();
    bool isOpen() const { return m_open; }
    // Places the bar along the bottom of its parent; called when the parent changes size.
    void place();
    // The current match and the number of matches: "2 of 7", "No matches", nothing for no text.
    void showResult(int current, int total);
    QString resultText() const;

Q_SIGNALS:
    void searchChanged(const QString &text);
    void nextRequested();
    void previousRequested();
    void dismissed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_field = nullptr;
    QLabel *m_result = nullptr;
    QPropertyAnimation *m_slide = nullptr;
    bool m_open = false;
};

} // namespace Voruvar::Platform
