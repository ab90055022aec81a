// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The yardstick for the start-up comparison: a bare Qt window with one QTextBrowser showing a
// document, reporting "Painted" on standard error once the document is on the screen.
// Usage: bench_barewindow DOCUMENT
#include <QApplication>
#include <QFile>
#include <QStringDecoder>
#include <QTextBrowser>

#include <cstdio>

namespace {

class Browser final : public QTextBrowser
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QTextBrowser::paintEvent(event);
        if (!m_reported) {
            m_reported = true;
            std::fputs("Painted\n", stderr);
            std::fflush(stderr);
        }
    }

private:
    bool m_reported = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Browser browser;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    browser.setHtml(decoder.decode(bytes));
    browser.resize(919, 596);
    browser.show();
    return app.exec();
}
