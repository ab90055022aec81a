// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "searchdialog.h"

#include "catalog/searchindex.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace Voruvar::Windows {

namespace {

constexpr int markStartRole = Qt::UserRole + 1;
constexpr int markLengthRole = Qt::UserRole + 2;
constexpr int snippetRole = Qt::UserRole + 3;

// Paints a hit on two lines: the title in bold, then the snippet with its match in bold on the
// highlight colour.
class HitDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        const int line = option.fontMetrics.lineSpacing();
        return {option.rect.width(), 2 * line + 8};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

        const bool selected = option.state & QStyle::State_Selected;
        const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        const QColor ink = option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
        const QRect area = option.rect.adjusted(6, 4, -6, -4);
        const int line = option.fontMetrics.lineSpacing();

        painter->save();
        painter->setPen(ink);
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
        const QString title = index.data(Qt::DisplayRole).toString();
        painter->drawText(QRect(area.left(), area.top(), area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(bold).elidedText(title, Qt::ElideRight, area.width()));

        const QString snippet = index.data(snippetRole).toString();
        const qsizetype start = index.data(markStartRole).toLongLong();
        const qsizetype length = index.data(markLengthRole).toLongLong();
        const QStringView text(snippet);
        const QStringView parts[3] = {start >= 0 ? text.first(start) : text,
                                      start >= 0 ? text.sliced(start, length) : QStringView(),
                                      start >= 0 ? text.sliced(start + length) : QStringView()};
        int x = area.left();
        const int y = area.top() + line;
        for (int part = 0; part < 3 && x < area.right(); ++part) {
            if (parts[part].isEmpty())
                continue;
            const QFont &font = part == 1 ? bold : option.font;
            const QFontMetrics metrics(font);
            const QString shown = metrics.elidedText(parts[part].toString(), Qt::ElideRight, area.right() - x);
            const QRect box(x, y, metrics.horizontalAdvance(shown), line);
            painter->setFont(font);
            if (part == 1) {
                painter->fillRect(box, option.palette.color(group, selected ? QPalette::Base : QPalette::Highlight)
                                           .lighter(selected ? 100 : 160));
                painter->setPen(option.palette.color(group, QPalette::Text));
            } else {
                painter->setPen(ink);
            }
            painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter, shown);
            x = box.right() + 1;
        }
        painter->restore();
    }
};

} // namespace

SearchDialog::SearchDialog(Catalog::SearchIndex &index, QWidget *parent) : QDialog(parent), m_index(index)
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(tr("Search All Documents"));
    resize(620, 440);

    auto *prompt = new QLabel(tr("&Find in every page:"), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("txtSearch"));
    m_field->setAccessibleName(tr("Search text"));
    m_field->setPlaceholderText(tr("A word or a value, e.g. torque, M10, 1/4-20"));
    m_field->setClearButtonEnabled(true);
    prompt->setBuddy(m_field);

    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("lstResults"));
    m_results->setAccessibleName(tr("Search results"));
    m_results->setItemDelegate(new HitDelegate(m_results));
    m_results->setUniformItemSizes(true);
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_field);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_status);
    setTabOrder(m_field, m_results);
    m_field->setFocus();

    m_field->installEventFilter(this);
    m_results->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &SearchDialog::search);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { choose(m_results->row(item)); });
    // New text in the documents: the hits on show are searched again.
    connect(&m_index, &Catalog::SearchIndex::updated, this, &SearchDialog::search);
    search();
}

SearchDialog::~SearchDialog() = default;

bool SearchDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(std::max(m_results->currentRow(), 0));
            return true;
        }
        // The field keeps the focus while Up and Down move through the hits.
        if (watched == m_field &&
            (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
            QCoreApplication::sendEvent(m_results, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SearchDialog::search()
{
    // A file changed since it was read is read again; its new text comes with updated(). The
    // files are looked at when the window opens and then at most once a second, so a long
    // USER.ADD does not slow the typing.
    if (!m_sinceFileCheck.isValid() || m_sinceFileCheck.hasExpired(1000)) {
        m_index.refreshChanged();
        m_sinceFileCheck.start();
    }
    const QString query = m_field->text();
    // The hit selected before stays selected when it is found again.
    const QListWidgetItem *current = m_results->currentItem();
    const QString previous = current ? current->data(Qt::AccessibleTextRole).toString() : QString();
    m_hits = m_index.search(query);
    m_results->clear();
    for (const Catalog::SearchHit &hit : std::as_const(m_hits)) {
        auto *item = new QListWidgetItem(hit.title, m_results);
        item->setData(snippetRole, hit.snippet);
        item->setData(markStartRole, qlonglong(hit.markStart));
        item->setData(markLengthRole, qlonglong(hit.markLength));
        item->setData(Qt::AccessibleTextRole, QString(hit.title + QStringLiteral(": ") + hit.snippet));
        item->setToolTip(hit.snippet);
    }
    if (m_results->count() > 0) {
        int row = 0;
        for (int i = 0; i < m_results->count() && !previous.isEmpty(); ++i) {
            if (m_results->item(i)->data(Qt::AccessibleTextRole).toString() == previous)
                row = i;
        }
        m_results->setCurrentRow(row);
    }

    if (!m_index.isReady())
        m_status->setText(tr("Reading the documents…"));
    else if (Catalog::SearchQuery(query).isEmpty())
        m_status->setText(tr("Type a word or a value to find it in %1 documents.")
                              .arg(std::count_if(m_index.documents().cbegin(), m_index.documents().cend(),
                                                 [](const auto &document) { return document->size >= 0; })));
    else if (m_hits.isEmpty())
        m_status->setText(tr("Nothing found."));
    else
        m_status->setText((m_hits.size() == 1 ? tr("1 line found") : tr("%1 lines found").arg(m_hits.size())) +
                          tr("; Enter shows the one selected."));
}

void SearchDialog::choose(int row)
{
    if (row < 0 || row >= m_hits.size())
        return;
    const Catalog::SearchHit hit = m_hits[row];
    close();
    Q_EMIT hitChosen(hit);
}

} // namespace Voruvar::Windows
