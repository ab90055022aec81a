// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// voruvar-docgen: builds one reference document (.DOX) from its page folder, the shared
// template and the shared stylesheet. Run by the build for every page folder.
//
//   voruvar-docgen <template.html> <style.css> <page folder> <output file>

#include "pagerenderer.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

QString readAll(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        err << "usage: voruvar-docgen <template.html> <style.css> <page folder> <output file>\n";
        return 2;
    }
    bool ok = false;
    const QString templateText = readAll(args.at(1), &ok);
    if (!ok) {
        err << "voruvar-docgen: cannot read " << args.at(1) << '\n';
        return 1;
    }
    const QString style = readAll(args.at(2), &ok);
    if (!ok) {
        err << "voruvar-docgen: cannot read " << args.at(2) << '\n';
        return 1;
    }

    QString error;
    const QString page = Voruvar::DocGen::PageRenderer(templateText, style).render(args.at(3), &error);
    if (page.isEmpty()) {
        err << "voruvar-docgen: " << args.at(3) << ": " << error << '\n';
        return 1;
    }
    // Written whole or not at all, so a failed build never leaves half a page behind.
    QSaveFile out(args.at(4));
    if (!out.open(QIODevice::WriteOnly) || out.write(page.toUtf8()) < 0 || !out.commit()) {
        err << "voruvar-docgen: cannot write " << args.at(4) << ": " << out.errorString() << '\n';
        return 1;
    }
    return 0;
}
