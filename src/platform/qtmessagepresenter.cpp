// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "qtmessagepresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace Voruvar::Platform {

void QtMessagePresenter::show(const Message &message)
{
    QMessageBox box(message.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    message.title, QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace Voruvar::Platform
