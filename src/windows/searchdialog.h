// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "catalog/searchquery.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QLineEdit;
class QListWidget;

namespace Voruvar::Catalog {
class SearchIndex;
}

namespace Voruvar::Windows {

// The search across all documents: a field, the hits below it (each the category's title over
// the line of its page, the match in bold on a highlight), and a status line. Typing searches;
// Up and Down in the field move through the hits; Enter or a double-click chooses one, which
// closes the window; Escape closes it without a choice.
class SearchDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchDialog)

public:
    explicit SearchDialog(Catalog::SearchIndex &index, QWidget *parent = nullptr);
    ~SearchDialog() override;

    QLineEdit *txtSearch() const { return m_field; }
    QListWidget *lstResults() const { return m_results; }
    QLabel *lblStatus() const { return m_status; }
    const QList<Catalog::SearchHit> &hits() const { return m_hits; }

Q_SIGNALS:
    // A hit was chosen; the window is closing.
    void hitChosen(const Catalog::SearchHit &hit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search();
    void choose(int row);

    Catalog::SearchIndex &m_index;
    QLineEdit *m_field = nullptr;
    QListWidget *m_results = nullptr;
    QLabel *m_status = nullptr;
    QList<Catalog::SearchHit> m_hits;
    QElapsedTimer m_sinceFileCheck;
};

} // namespace Voruvar::Windows
