// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The search across all documents without a display: the page text, folding, the hits and their
// ranking over the real reference pages of the build, and the index kept fresh.
#include "catalog/builtincategory.h"
#include "catalog/documentdisplay.h"
#include "core/foldedtext.h"
#include "catalog/pagetext.h"
#include "catalog/searchindex.h"
#include "catalog/userdocuments.h"
#include "testfiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Voruvar;
using Catalog::SearchHit;
using Catalog::SearchIndex;
using Catalog::SearchQuery;
using Catalog::SearchSource;

namespace {

// The built-in pages the build made, under their titles.
QList<SearchSource> builtPages()
{
    const QString directory = qEnvironmentVariable("VORUVAR_BIN_DIR");
    QList<SearchSource> sources;
    for (const Catalog::BuiltInCategory &row : Catalog::BuiltInCategory::all()) {
        const QString path = row.documentPath(directory);
        if (QFileInfo::exists(path))
            sources.append({row.title.toString(), path, true});
    }
    return sources;
}

const SearchIndex::Documents &realPages()
{
    static const SearchIndex::Documents documents = SearchIndex::read(builtPages(), {});
    return documents;
}

QList<SearchHit> searchRealPages(const QString &query)
{
    return SearchQuery(query).run(realPages(), 100);
}

QString marked(const SearchHit &hit)
{
    return hit.markStart < 0 ? QString() : hit.snippet.mid(hit.markStart, hit.markLength);
}

const QString separator = Catalog::PageText::cellSeparator.toString();

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString writePage(const QString &name, const QByteArray &content)
    {
        return Testing::writeTestFile(m_dir.filePath(name), content);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Every reference page that exists so far is built; the test needs the ones it names.
        QVERIFY2(realPages().size() >= 21, qPrintable(QString::number(realPages().size())));
    }

    void pageText_fromHtml_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("lines");
        const QString s = separator;
        QTest::newRow("table row, cells apart")
            << u"<table><tr><th>Drill</th><th>Diameter</th></tr><tr><td>#7</td><td>0.2010</td></tr></table>"_qs
            << QStringList{u"Drill"_qs + s + u"Diameter"_qs, u"#7"_qs + s + u"0.2010"_qs};
        QTest::newRow("empty first cell") << u"<tr><td></td><td>1/4-20</td></tr>"_qs << QStringList{u"1/4-20"_qs};
        QTest::newRow("head, style and script left out")
            << u"<html><head><title>T</title><style>p{}</style></head><body><p>A<script>x<1</script>B</p></body>"_qs
            << QStringList{u"AB"_qs};
        QTest::newRow("white space runs, inline markup")
            << u"<p>  Tap\n  drill <b>1/4-20</b>\tUNC </p>"_qs << QStringList{u"Tap drill 1/4-20 UNC"_qs};
        QTest::newRow("character references") << u"<p>5 &lt; 6 &amp; 90&deg; &#8722;40 &#x2126; &bogus;</p>"_qs
                                              << QStringList{u"5 < 6 & 90° −40 \u2126 &bogus;"_qs};
        QTest::newRow("a superscript is a word of its own")
            << u"<td>4046.856<sup>exact</sup></td>"_qs << QStringList{u"4046.856\u200Bexact"_qs};
        QTest::newRow("attributes and comments are no text")
            << u"<p title=\"x > y\">a<img alt=\"drill\" src=\"data:,\"/><!-- b -->c</p>"_qs << QStringList{u"ac"_qs};
        QTest::newRow("line breaks and list items")
            << u"<ul><li>one</li><li>two<br/>three</li></ul>"_qs << QStringList{u"one"_qs, u"two"_qs, u"three"_qs};
        QTest::newRow("preformatted lines") << u"<pre>a  b\nc</pre>"_qs << QStringList{u"a b"_qs, u"c"_qs};
        QTest::newRow("unclosed tag at the end") << u"<p>kept<b"_qs << QStringList{u"kept"_qs};
    }
    void pageText_fromHtml()
    {
        QFETCH(QString, html);
        QFETCH(QStringList, lines);
        QCOMPARE(Catalog::PageText::fromHtml(html), lines);
    }

    void pageText_decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("<p>M\xC3\xA8tre</p>") << u"<p>Mètre</p>"_qs;
        QTest::newRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF\xC2\xB5") << u"µ"_qs;
        QTest::newRow("not UTF-8: Windows-1252") << QByteArray("M\xE8tre \x96 \x80") << u"Mètre – €"_qs;
        QTest::newRow("declared Latin-1 reads as Windows-1252")
            << QByteArray("<meta charset=\"iso-8859-1\"><p>\x93q\x94</p>")
            << u"<meta charset=\"iso-8859-1\"><p>“q”</p>"_qs;
    }
    void pageText_decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Catalog::PageText::decode(bytes, true), text);
    }

    void fold_data()
    {
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("folded");
        QTest::newRow("letter case") << u"TORX T25"_qs << u"torx t25"_qs;
        QTest::newRow("accents, composed") << u"Mètre ÉTALON"_qs << u"metre etalon"_qs;
        QTest::newRow("accents, decomposed") << u"cre\u0300me"_qs << u"creme"_qs;
        QTest::newRow("minus sign and dashes") << u"−40 – 10‑2"_qs << u"-40 - 10-2"_qs;
        QTest::newRow("fraction slash") << u"1⁄4-20"_qs << u"1/4-20"_qs;
        QTest::newRow("micro sign is mu") << u"µF"_qs << u"μf"_qs;
        QTest::newRow("narrow spaces") << u"1\u2009000\u00A0m"_qs << u"1 000 m"_qs;
        QTest::newRow("outside the basic plane") << u"𝐀B"_qs << u"𝐀b"_qs;
    }
    void fold()
    {
        QFETCH(QString, original);
        QFETCH(QString, folded);
        const Core::FoldedText text = Core::FoldedText::fold(original);
        QCOMPARE(text.text, folded);
        QCOMPARE(Core::FoldedText::foldedString(original), folded);
        // Every folded range maps back to a whole range of the original.
        QCOMPARE(text.origin.size(), folded.size() + 1);
        QCOMPARE(text.origin.last(), int(original.size()));
        QVERIFY(std::is_sorted(text.origin.cbegin(), text.origin.cend()));
    }

    // Values as the pages write them find the table rows that hold them.
    void numbers_findTheirRows_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("row");
        const QString s = separator;
        QTest::newRow("decimal") << u"0.2570"_qs << u"DRILL SIZES (LETTERED)"_qs
                                 << u"F"_qs + s + u"0.2570"_qs + s + u"6.528"_qs + s + u"Tap drill 5/16-18 UNC"_qs;
        QTest::newRow("metric thread") << u"M10"_qs << u"METRIC BOLTS, NUTS, & WASHERS"_qs << u"M10"_qs + s;
        QTest::newRow("thread size") << u"1/4-20"_qs << u"DRILL SIZES (NUMBERED)"_qs
                                     << u"#7"_qs + s + u"0.2010"_qs + s + u"5.105"_qs + s + u"Tap drill 1/4-20 UNC"_qs;
        QTest::newRow("number drill") << u"#7"_qs << u"DRILL SIZES (NUMBERED)"_qs << u"#7"_qs + s + u"0.2010"_qs;
        QTest::newRow("another thread") << u"5/16-18"_qs << u"DRILL SIZES (LETTERED)"_qs << u"F"_qs + s + u"0.2570"_qs;
        QTest::newRow("typed minus finds the minus sign") << u"-0.5"_qs << u"LENSES"_qs << u"m = −0.5"_qs;
        QTest::newRow("Torx size") << u"T25"_qs << u"TORX BITS"_qs << u"T25"_qs + s + u"4.43"_qs;
    }
    void numbers_findTheirRows()
    {
        QFETCH(QString, query);
        QFETCH(QString, title);
        QFETCH(QString, row);
        const QList<SearchHit> hits = searchRealPages(query);
        QVERIFY(!hits.isEmpty());
        QCOMPARE(hits.first().title, title);
        const auto found = std::find_if(hits.cbegin(), hits.cend(), [&](const SearchHit &hit) {
            return hit.title == title && hit.snippet.contains(row);
        });
        QVERIFY2(found != hits.cend(), qPrintable(hits.first().snippet));
        // The mark and the text to find in the page are the value as the page writes it.
        QCOMPARE(QString(marked(*found)).replace(u'\u2212', u'-'), query);
        QCOMPARE(found->matchedText, marked(*found));
    }

    void numbers_wholeValueBeforeLongerOnes()
    {
        // "#7" is also the start of "#70" to "#79".
        const QList<SearchHit> hits = searchRealPages(u"#7"_qs);
        QVERIFY(hits.size() > 1);
        QVERIFY(hits.first().snippet.startsWith(u"#7" + separator));
        QVERIFY(std::any_of(hits.cbegin() + 1, hits.cend(),
                            [](const SearchHit &hit) { return hit.snippet.startsWith(u"#70"); }));
    }

    void fit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("fit");
        const int whole = int(SearchQuery::Fit::Whole), prefix = int(SearchQuery::Fit::Prefix),
                  inside = int(SearchQuery::Fit::Inside);
        QTest::newRow("alone") << u"m10 x 1.25"_qs << u"m10"_qs << whole;
        QTest::newRow("sentence end") << u"use m10."_qs << u"m10"_qs << whole;
        QTest::newRow("list comma") << u"m10, m12"_qs << u"m10"_qs << whole;
        QTest::newRow("start of a longer number") << u"#70"_qs << u"#7"_qs << prefix;
        QTest::newRow("fraction before a thread") << u"1/4-20 unc"_qs << u"1/4"_qs << prefix;
        QTest::newRow("decimals go on") << u"0.25700"_qs << u"0.2570"_qs << prefix;
        QTest::newRow("after a joiner") << u"1/4-20"_qs << u"20"_qs << inside;
        QTest::newRow("after a number sign") << u"#7"_qs << u"7"_qs << inside;
        QTest::newRow("inside a word") << u"m10"_qs << u"10"_qs << inside;
    }
    void fit()
    {
        QFETCH(QString, text);
        QFETCH(QString, term);
        QFETCH(int, fit);
        const qsizetype at = text.lastIndexOf(term);
        QCOMPARE(int(SearchQuery::fitAt(text, at, at + term.size())), fit);
    }

    void ranking_titleMatchesFirst()
    {
        // Pages whose title names drills come first; others that speak of drills follow.
        const QList<SearchHit> hits = searchRealPages(u"DRILL"_qs);
        const auto firstOther =
            std::find_if(hits.cbegin(), hits.cend(), [](const SearchHit &hit) { return !hit.titleMatch; });
        QVERIFY(firstOther != hits.cbegin() && firstOther != hits.cend());
        QVERIFY(std::all_of(hits.cbegin(), firstOther, [](const SearchHit &hit) { return hit.title.contains(u"DRILL"); }));
        QVERIFY(std::none_of(firstOther, hits.cend(), [](const SearchHit &hit) { return hit.titleMatch; }));
        QVERIFY(std::any_of(firstOther, hits.cend(),
                            [](const SearchHit &hit) { return hit.title == u"METRIC BOLTS, NUTS, & WASHERS"; }));
        QCOMPARE(hits.first().title, u"DRILL SIZES (LETTERED)"_qs);
    }

    void ranking_allTermsNeeded_moreTermsInALineFirst()
    {
        // "tap" and "1/4-20" stand in one row of the numbered drills; only the pages holding both
        // terms are found.
        const QList<SearchHit> hits = searchRealPages(u"tap 1/4-20"_qs);
        QVERIFY(!hits.isEmpty());
        QCOMPARE(hits.first().title, u"DRILL SIZES (NUMBERED)"_qs);
        QVERIFY(hits.first().snippet.contains(u"Tap drill 1/4-20"));
        QVERIFY(std::all_of(hits.cbegin(), hits.cend(), [](const SearchHit &hit) {
            return hit.title == u"DRILL SIZES (NUMBERED)" || hit.title == u"SAE TAP & DRILL CHART";
        }));
        // Terms as typed, one after the other, are the match where a line holds them so.
        QCOMPARE(searchRealPages(u"tap drill"_qs).value(0).matchedText.toLower(), u"tap drill"_qs);
        QVERIFY(!searchRealPages(u"drill tap"_qs).value(0).matchedText.contains(u' '));
        QVERIFY(searchRealPages(u"1/4-20 zeppelin"_qs).isEmpty());
        QVERIFY(searchRealPages(u"   "_qs).isEmpty());
    }

    void occurrence_countsTheSameTextBeforeIt()
    {
        // 0.2570 stands in both tables of the lettered drills: in the letter table, then in the
        // table in order of size; the tap chart has it too (F, the tap drill for 5/16-18).
        const QList<SearchHit> hits = searchRealPages(u"0.2570"_qs);
        QList<SearchHit> lettered;
        for (const SearchHit &hit : hits)
            if (hit.title == u"DRILL SIZES (LETTERED)")
                lettered.append(hit);
        QCOMPARE(lettered.size(), 2);
        QCOMPARE(lettered[0].occurrence, 0);
        QCOMPARE(lettered[1].occurrence, 1);
        QVERIFY(lettered[1].snippet.contains(u"Letter drill"));
        QVERIFY(std::any_of(hits.cbegin(), hits.cend(), [](const SearchHit &hit) {
            return hit.title == u"SAE TAP & DRILL CHART" && hit.snippet.contains(u"5/16-18");
        }));
    }

    void snippet_longLine_keepsTheMatchInView()
    {
        const QString line = u"word "_qs.repeated(40) + u"TARGET" + u" tail"_qs.repeated(40);
        qsizetype mark = -1;
        const QString snippet = SearchQuery::snippet(line, line.indexOf(u"TARGET"), 6, &mark);
        QVERIFY(snippet.size() <= SearchQuery::snippetLength + 2);
        QCOMPARE(snippet.mid(mark, 6), u"TARGET"_qs);
        QVERIFY(snippet.startsWith(QChar(0x2026)) && snippet.endsWith(QChar(0x2026)));
        QCOMPARE(SearchQuery::snippet(u"short TARGET line", 6, 6, &mark), u"short TARGET line"_qs);
        QCOMPARE(mark, 6);
    }

    void userDocuments_caseAndAccents_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("matched");
        QTest::newRow("plain letters find accented ones") << u"creme"_qs << u"crème"_qs;
        QTest::newRow("capitals and accents") << u"ETALONNAGE"_qs << u"étalonnage"_qs;
        QTest::newRow("decomposed in the page") << u"brulee"_qs << u"bru\u0302le\u0301e"_qs;
        QTest::newRow("accented query") << u"Crème"_qs << u"crème"_qs;
        QTest::newRow("plain text file") << u"gasket"_qs << u"Gasket"_qs;
    }
    void userDocuments_caseAndAccents()
    {
        QFETCH(QString, query);
        QFETCH(QString, matched);
        const QList<SearchSource> sources{
            {u"KITCHEN"_qs,
             writePage(u"kitchen.html"_qs, u"<p>la crème, l'étalonnage, bru\u0302le\u0301e</p>"_qs.toUtf8()), true},
            {u"PARTS"_qs, writePage(u"parts.txt"_qs, "Pump 4\r\n\r\nGasket\tset\r\n"), false}};
        const QList<SearchHit> hits = SearchQuery(query).run(SearchIndex::read(sources, {}), 10);
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits.first().matchedText, matched);
    }

    void sources_followTheListAndTheDisplay()
    {
        writePage(u"USER.ADD"_qs, "NOTES||notes.htm\r\n"
                                  "WEB||http://example.org/a.html\r\n"
                                  "MANUAL||manual.pdf\r\n"
                                  "LOG||logs\\shift.TXT\r\n"
                                  "NOTES||other.html\r\n"
                                  "AREA||mine.html\r\n"
                                  "HIDDEN||hidden.html\r\n");
        Catalog::UserDocuments user;
        user.load(m_dir.filePath(u"USER.ADD"_qs));
        const QList<SearchSource> sources = SearchSource::forCategories(
            {u"AREA"_qs, u"LOG"_qs, u"MANUAL"_qs, u"NOTES"_qs, u"NOTES"_qs, u"WEB"_qs}, m_dir.path(), user);
        const QList<SearchSource> expected{{u"AREA"_qs, m_dir.filePath(u"AP.DOX"_qs), true},
                                           {u"LOG"_qs, m_dir.filePath(u"logs/shift.TXT"_qs), false},
                                           {u"NOTES"_qs, m_dir.filePath(u"other.html"_qs), true}};
        QCOMPARE(sources, expected);
        // Each is the document that selecting its category leaves on show.
        const Catalog::DocumentDisplay display(user, m_dir.path());
        for (const SearchSource &source : sources)
            QCOMPARE(display.addressesFor(source.title).last(), source.path);
    }

    void index_changedFile_isReadAgain()
    {
        const QString path = writePage(u"changing.html"_qs, "<p>Belt tension</p>");
        const QString missing = m_dir.filePath(u"later.txt"_qs);
        SearchIndex index;
        QSignalSpy updated(&index, &SearchIndex::updated);
        index.setSources({{u"BELTS"_qs, path, true}, {u"LATER"_qs, missing, false}});
        QVERIFY(index.search(u"tension"_qs).isEmpty()); // not read yet
        QVERIFY(updated.wait());
        QCOMPARE(index.search(u"tension"_qs).size(), 1);
        QVERIFY(!index.refreshChanged());

        writePage(u"changing.html"_qs, "<p>Belt deflection: 1/64 in per inch of span</p>");
        Testing::writeTestFile(missing, "Sheave gauge");
        QVERIFY(index.refreshChanged());
        QVERIFY(updated.wait());
        QVERIFY(index.search(u"tension"_qs).isEmpty());
        QCOMPARE(index.search(u"1/64"_qs).value(0).title, u"BELTS"_qs);
        QCOMPARE(index.search(u"sheave"_qs).value(0).title, u"LATER"_qs);

        QVERIFY(QFile::remove(missing));
        QVERIFY(index.refreshChanged());
        QVERIFY(updated.wait());
        QVERIFY(index.search(u"sheave"_qs).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "test_search.moc"
