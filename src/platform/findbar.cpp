// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "findbar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QToolButton>

namespace Voruvar::Platform {

namespace {

QToolButton *makeButton(QWidget *parent, const QString &text, const QString &name, const QString &toolTip)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setAutoRaise(true);
    button->setToolTip(toolTip);
    button->setAccessibleName(name);
    button->setAccessibleDescription(toolTip);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

FindBar::FindBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("findBar"));
    setAccessibleName(tr("Find in page"));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("#findBar { background: #e8e8ee; border-top: 1px solid #8c8c8c; }"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->setSpacing(4);
    auto *label = new QLabel(tr("Find:"), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("findField"));
    m_field->setAccessibleName(tr("Find in page"));
    m_field->setClearButtonEnabled(true);
    if (auto *clear = m_field->findChild<QToolButton *>()) {
        clear->setAccessibleName(tr("Clear"));
        clear->setToolTip(tr("Clear"));
    }
    m_field->installEventFilter(this);
    label->setBuddy(m_field);
    QToolButton *previous = makeButton(this, QStringLiteral("\u25B2"), tr("Previous match"), tr("Previous match (Shift+F3)"));
    QToolButton *next = makeButton(this, QStringLiteral("\u25BC"), tr("Next match"), tr("Next match (F3)"));
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("findResult"));
    m_result->setAccessibleName(tr("Matches"));
    m_result->setMinimumWidth(80);
    QToolButton *close = makeButton(this, QStringLiteral("\u2715"), tr("Close find bar"), tr("Close (Escape)"));
    layout->addWidget(label);
    layout->addWidget(m_field, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(m_result);
    layout->addWidget(close);
    connect(m_field, &QLineEdit::textChanged, this, &FindBar::searchChanged);
    connect(previous, &QToolButton::clicked, this, &FindBar::previousRequested);
    connect(next, &QToolButton::clicked, this, &FindBar::nextRequested);
    connect(close, &QToolButton::clicked, this, &FindBar::dismiss);
    m_slide = new QPropertyAnimation(this, "pos", this);
    m_slide->setDuration(120);
    hide();
}

QString FindBar::text() const
{
    return m_field->text();
}

void FindBar::place()
{
    const QWidget *host = parentWidget();
    const int height = sizeHint().height();
    setGeometry(0, host->height() - (m_open ? height : 0), host->width(), height);
}

void FindBar::open()
{
    const bool wasOpen = m_open;
    m_open = true;
    if (!wasOpen) {
        place();
        show();
        raise();
        m_slide->stop();
        m_slide->setStartValue(QPoint(0, parentWidget()->height()));
        m_slide->setEndValue(QPoint(0, parentWidget()->height() - height()));
        m_slide->start();
    }
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void FindBar::dismiss()
{
    if (!m_open)
        return;
    m_open = false;
    m_slide->stop();
    hide();
    Q_EMIT dismissed();
}

void FindBar::showResult(int current, int total)
{
    if (m_field->text().isEmpty())
        m_result->clear();
    else if (total == 0)
        m_result->setText(tr("No matches"));
    else
        m_result->setText(tr("%1 of %2").arg(current).arg(total));
}

QString FindBar::resultText() const
{
    return m_result->text();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            dismiss();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                Q_EMIT previousRequested();
            else
                Q_EMIT nextRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Voruvar::Platform
