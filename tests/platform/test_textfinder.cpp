// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "platform/textfinder.h"

#include <QTest>

using Voruvar::Platform::TextFinder;

class TestTextFinder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each match as it stands in the text: where it starts and how long it is there.
    void findAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("found"); // the matched pieces of the text, joined by "|"
        QTest::newRow("letter case") << "Torx T25, torx t30" << "TORX" << "Torx|torx";
        QTest::newRow("accents in the text") << "Résumé of the métal" << "resume" << "Résumé";
        QTest::newRow("accents in the search") << "metal and métal" << "métal" << "metal|métal";
        QTest::newRow("decomposed accents") << QString::fromUtf8("me\xcc\x81tal") << "metal"
                                            << QString::fromUtf8("me\xcc\x81tal");
        QTest::newRow("numbers as written") << "F 0.2570, G 0.2610; 1/4-20 #7" << "0.2570" << "0.2570";
        QTest::newRow("thread size") << "F 0.2570, G 0.2610; 1/4-20 #7" << "1/4-20" << "1/4-20";
        QTest::newRow("next match starts after the last") << "aaaa" << "aa" << "aa|aa";
        QTest::newRow("none") << "Ohm's law" << "watt" << "";
        QTest::newRow("empty search") << "Ohm's law" << "" << "";
        QTest::newRow("symbols") << "10 Ω ± 5 %" << "ω" << "Ω";
    }

    void findAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, what);
        QFETCH(QString, found);
        QStringList pieces;
        for (const TextFinder::Match &match : TextFinder(text).findAll(what))
            pieces << text.mid(match.position, match.length);
        QCOMPARE(pieces.join(u'|'), found);
    }
};

QTEST_GUILESS_MAIN(TestTextFinder)
#include "test_textfinder.moc"
