// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers

// The page generator: CSV reading, cell markup, figures, and the faults that must stop a
// build rather than ship a broken page.

#include "csvtable.h"
#include "htmltext.h"
#include "pagerenderer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Voruvar::DocGen;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QString templateText =
    QStringLiteral("<!DOCTYPE html><html><head><title>{{title}}</title><style>{{style}}</style>"
                   "</head><body>{{body}}</body></html>");
const QByteArray sources = "<p class=\"sources\">Sources: X (2020)</p>";

} // namespace

class TestDocGen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void csv_quotedFieldsAndDirectives_areRead()
    {
        CsvTable table;
        QString error;
        QVERIFY2(CsvTable::parse(QChar(0xFEFF) + QStringLiteral("# caption: Drills, lettered\r\n# align: l r\r\n"
                                                                "Name,\"Size, in\"\r\n\"A \"\"big\"\"\",0.2340\r\n\r\n"
                                                                "\"two\nlines\",1\r\n"),
                                 &table, &error),
                 qPrintable(error));
        QCOMPARE(table.caption, QStringLiteral("Drills, lettered"));
        QCOMPARE(table.alignments, QStringList({QStringLiteral("left"), QStringLiteral("right")}));
        QCOMPARE(table.header, QStringList({QStringLiteral("Name"), QStringLiteral("Size, in")}));
        QCOMPARE(table.rows.size(), 2);
        QCOMPARE(table.rows.at(0), QStringList({QStringLiteral("A \"big\""), QStringLiteral("0.2340")}));
        QCOMPARE(table.rows.at(1).at(0), QStringLiteral("two\nlines"));
    }

    void csv_malformed_isRefusedWithTheReason_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("short row") << QStringLiteral("a,b\n1\n") << QStringLiteral("1 fields");
        QTest::newRow("long row") << QStringLiteral("a,b\n1,2,3\n") << QStringLiteral("3 fields");
        QTest::newRow("open quote") << QStringLiteral("a\n\"x\n") << QStringLiteral("never closed");
        QTest::newRow("text after quote") << QStringLiteral("a\n\"x\"y\n") << QStringLiteral("after a closing quote");
        QTest::newRow("stray quote") << QStringLiteral("a\nx\"y\n") << QStringLiteral("quote inside");
        QTest::newRow("empty") << QString() << QStringLiteral("no header");
        QTest::newRow("unknown directive")
            << QStringLiteral("# colour: red\na\n") << QStringLiteral("unknown directive");
        QTest::newRow("align count") << QStringLiteral("# align: l\na,b\n") << QStringLiteral("align");
        QTest::newRow("widths count") << QStringLiteral("# widths: 50%\na,b\n") << QStringLiteral("widths");
        QTest::newRow("width not percent")
            << QStringLiteral("# widths: 50px 50%\na,b\n") << QStringLiteral("percentage");
    }
    void csv_malformed_isRefusedWithTheReason()
    {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        CsvTable table;
        QString error;
        QVERIFY(!CsvTable::parse(text, &table, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void markup_rendersKnownTokensAndRefusesOthers()
    {
        QString out;
        QString error;
        QVERIFY(HtmlText::renderMarkup(
            HtmlText::escape(QStringLiteral("25.4 {exact} m{^2} H{_2}O {b x}{br}{lbrace}<&")), &out, &error));
        QCOMPARE(out, QStringLiteral("25.4 <sup>exact</sup> m<sup>2</sup> H<sub>2</sub>O <b>x</b><br/>{&lt;&amp;"));
        for (const QString &bad : {QStringLiteral("{exakt}"), QStringLiteral("a } b"), QStringLiteral("{open"),
                                   QStringLiteral("{figure x.svg | a | 10}")}) {
            error.clear();
            QVERIFY2(!HtmlText::renderMarkup(bad, &out, &error), qPrintable(bad));
            QVERIFY(!error.isEmpty());
        }
    }

    void numericColumns_areRecognised()
    {
        for (const char *text : {"0.2340", "−430", "≈ 24.2", "1/4", "4 046.856 {exact}", "6.674 30 × 10⁻¹¹", "2.2",
                                 "3–30", "(5)", "1½", "¾"})
            QVERIFY2(HtmlText::looksNumeric(QString::fromUtf8(text)), text);
        for (const char *text : {"A", "Tap drill 5/16-18", "", "#1", "n/a"})
            QVERIFY2(!HtmlText::looksNumeric(QString::fromUtf8(text)), text);
    }

    void page_isBuiltWithTablesFiguresAndTitle()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("page.html")),
                  "<h1>FAN &amp; BLOWER</h1>\n<p>m{^3}</p>\n{{table t.csv}}\n{{figure f.svg | A box | 120}}\n" +
                      sources);
        writeFile(
            dir.filePath(QStringLiteral("t.csv")),
            "# caption: Sizes\nItem,Value (in)\nA <b>,0.2340\nB,\"1,000\"\n{figure f.svg | small box | 20} C,3\n");
        writeFile(dir.filePath(QStringLiteral("f.svg")),
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" viewBox=\"0 0 200 100\"><rect width=\"1\" "
                  "height=\"1\"/></svg>");
        QString error;
        const QString page =
            PageRenderer(templateText, QStringLiteral("p { color: #000000; }")).render(dir.path(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(page.contains(QStringLiteral("<title>FAN &amp; BLOWER</title>")));
        QVERIFY(page.contains(QStringLiteral("<style>p { color: #000000; }</style>")));
        QVERIFY(page.contains(QStringLiteral("<p>m<sup>3</sup></p>")));
        QVERIFY(page.contains(
            QStringLiteral("<thead>\n<tr><th class=\"caption\" colspan=\"2\" align=\"left\">Sizes</th></tr>\n"
                           "<tr><th class=\"first\">Item</th><th>Value (in)</th></tr>\n</thead>")));
        QVERIFY(page.contains(
            QStringLiteral("<td class=\"first\" align=\"left\">A &lt;b&gt;</td><td align=\"right\">0.2340</td>")));
        QVERIFY(page.contains(QStringLiteral("<td align=\"right\">1,000</td>")));
        QVERIFY(page.contains(QStringLiteral("width=\"120\" height=\"60\" align=\"middle\" alt=\"A box\"/>")));
        QVERIFY(page.contains(QStringLiteral("width=\"20\" height=\"10\" align=\"middle\" alt=\"small box\"/>")));
        // The other cell of the row with a drawing starts with an invisible strut as tall.
        QVERIFY(page.contains(QRegularExpression(QStringLiteral(
            "<td align=\"right\"><img src=\"data:image/svg\\+xml;base64,[^\"]+\" width=\"1\" height=\"10\" "
            "align=\"middle\" alt=\"\"/>3</td>"))));
        QCOMPARE(page.count(QStringLiteral("width=\"1\" height=")), 1); // only in the row with a drawing
        // The drawing (first the one in the table) is sized at three times its shown width,
        // replacing its own size.
        const qsizetype at = page.indexOf(QStringLiteral("base64,")) + 7;
        const QByteArray svg = QByteArray::fromBase64(page.mid(at, page.indexOf(u'"', at) - at).toLatin1());
        QVERIFY2(svg.startsWith("<svg width=\"60\" height=\"30\" xmlns="), svg.constData());
    }

    // The cells draw the grid: the first column its left rule, and the headings the top rule
    // when there is no caption row above them to draw it.
    void table_marksTheCellsThatDrawTheOuterRules()
    {
        CsvTable table;
        QString why;
        QVERIFY2(CsvTable::parse(QStringLiteral("A,B\n1,2\n"), &table, &why), qPrintable(why));
        QString error;
        QString html = PageRenderer::tableHtml(table, QString(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY2(html.contains(QStringLiteral("<tr><th class=\"first top\">A</th><th class=\"top\">B</th></tr>")),
                 qPrintable(html));
        QVERIFY2(html.contains(QStringLiteral("<tr><td class=\"first\" align=\"left\">1</td><td align=\"right\">2</td>")),
                 qPrintable(html));
        QVERIFY(!html.contains(QStringLiteral("border=")));

        table.caption = QStringLiteral("Caption");
        html = PageRenderer::tableHtml(table, QString(), &error);
        QVERIFY2(html.contains(QStringLiteral("<tr><th class=\"first\">A</th><th>B</th></tr>")), qPrintable(html));
    }

    void page_faults_stopTheBuild_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no title") << "<p>x</p>" + sources << QStringLiteral("<h1>");
        QTest::newRow("no sources") << QByteArray("<h1>T</h1><p>x</p>") << QStringLiteral("sources");
        QTest::newRow("unclosed") << "<h1>T</h1><p>x" + sources << QStringLiteral("well-formed");
        QTest::newRow("named entity") << "<h1>T</h1><p>a&nbsp;b</p>" + sources << QStringLiteral("well-formed");
        QTest::newRow("script") << "<h1>T</h1><script>x()</script>" + sources << QStringLiteral("<script>");
        QTest::newRow("web image") << "<h1>T</h1><img src=\"http://x/y.png\"/>" + sources << QStringLiteral("leaves");
        QTest::newRow("local image") << "<h1>T</h1><img src=\"y.png\"/>" + sources << QStringLiteral("leaves");
        QTest::newRow("handler") << "<h1 onclick=\"x\">T</h1>" + sources << QStringLiteral("handler");
        QTest::newRow("missing table") << "<h1>T</h1>{{table none.csv}}" + sources << QStringLiteral("cannot open");
        QTest::newRow("table outside") << "<h1>T</h1>{{table ../x.csv}}" + sources << QStringLiteral("not a file name");
        QTest::newRow("unknown placeholder")
            << "<h1>T</h1>{{chart x}}" + sources << QStringLiteral("unknown placeholder");
        QTest::newRow("bad markup") << "<h1>T</h1><p>{exakt}</p>" + sources << QStringLiteral("unknown markup");
        QTest::newRow("figure no alt") << "<h1>T</h1>{{figure ok.svg | | 100}}" + sources << QStringLiteral("alt text");
        QTest::newRow("figure no viewBox")
            << "<h1>T</h1>{{figure nobox.svg | x | 100}}" + sources << QStringLiteral("viewBox");
        QTest::newRow("figure links out")
            << "<h1>T</h1>{{figure link.svg | x | 100}}" + sources << QStringLiteral("outside");
        QTest::newRow("bad csv") << "<h1>T</h1>{{table bad.csv}}" + sources << QStringLiteral("2 fields");
    }
    void page_faults_stopTheBuild()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("page.html")), body);
        writeFile(dir.filePath(QStringLiteral("ok.svg")),
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\"/>");
        writeFile(dir.filePath(QStringLiteral("nobox.svg")), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
        writeFile(dir.filePath(QStringLiteral("link.svg")),
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                  "viewBox=\"0 0 10 10\"><use xlink:href=\"http://x/y.svg#a\"/></svg>");
        writeFile(dir.filePath(QStringLiteral("bad.csv")), "a\n1,2\n");
        QString error;
        const QString page = PageRenderer(templateText, QString()).render(dir.path(), &error);
        QVERIFY(page.isEmpty());
        QVERIFY2(error.contains(reason), qPrintable(error));
    }
};

QTEST_MAIN(TestDocGen)
#include "test_docgen.moc"
