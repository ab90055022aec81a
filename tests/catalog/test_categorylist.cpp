// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "catalog/builtincategory.h"
#include "catalog/categorylist.h"
#include "catalog/userdocuments.h"

#include "testfiles.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Voruvar::Catalog;

namespace {
const QString tradeMark = QString(QChar(0x2122));
}

class TestCategoryList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString userFile(const QByteArray &content)
    {
        return Voruvar::Testing::writeTestFile(m_dir.filePath(QStringLiteral("USER.ADD")), content);
    }
    QString noUserFile() const { return m_dir.filePath(QStringLiteral("none.add")); }

    static QStringList builtInTitles()
    {
        QStringList titles;
        for (const BuiltInCategory &row : BuiltInCategory::all())
            titles.append(row.title.toString());
        return titles;
    }

private Q_SLOTS:
    void table_isComplete()
    {
        QCOMPARE(BuiltInCategory::all().size(), size_t(42));
        QSet<QString> titles;
        QSet<QString> documents;
        for (const BuiltInCategory &row : BuiltInCategory::all()) {
            titles.insert(row.title.toString());
            documents.insert(row.document.toString());
            QCOMPARE(row.title.toString(), row.title.toString().toUpper().trimmed());
            QVERIFY(row.document.startsWith(u'\\'));
            QVERIFY(row.document.endsWith(u".DOX"));
        }
        QCOMPARE(titles.size(), 42);
        QCOMPARE(documents.size(), 42);
        // The table is in the list's own order.
        QStringList sorted = builtInTitles();
        CategoryList::sortEntries(sorted);
        QCOMPARE(sorted, builtInTitles());
    }

    void findByTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("document");
        QTest::newRow("TORX BITS") << QStringLiteral("TORX BITS") << QStringLiteral("\\TX.DOX");
        QTest::newRow("case kept") << QStringLiteral("CONTINENTS") << QStringLiteral("\\Cn.DOX");
        QTest::newRow("SPEED") << QStringLiteral("SPEED") << QStringLiteral("\\SA.DOX");
        QTest::newRow("TABLE OF ELEMENTS") << QStringLiteral("TABLE OF ELEMENTS") << QStringLiteral("\\PT.DOX");
        QTest::newRow("TRIGONOMETRY") << QStringLiteral("TRIGONOMETRY FUNCTIONS") << QStringLiteral("\\AG.DOX");
        QTest::newRow("POWER- A/C") << QStringLiteral("POWER- A/C CIRCUITS") << QStringLiteral("\\PA.DOX");
        QTest::newRow("apostrophe") << QStringLiteral("NEWTON'S LAWS OF MOTION") << QStringLiteral("\\NL.DOX");
        QTest::newRow("lower case") << QStringLiteral("torx bits") << QString();
        QTest::newRow("leading blank") << QStringLiteral(" AREA") << QString();
        QTest::newRow("trailing blank") << QStringLiteral("AREA ") << QString();
        QTest::newRow("no blank after hyphen") << QStringLiteral("POWER-A/C CIRCUITS") << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void findByTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, document);
        const BuiltInCategory *row = BuiltInCategory::findByTitle(title);
        QCOMPARE(row ? row->document.toString() : QString(), document);
    }

    void documentPath_joinsWithOneSeparator()
    {
        const BuiltInCategory *torx = BuiltInCategory::findByTitle(u"TORX BITS");
        QCOMPARE(torx->documentPath(QStringLiteral("/opt/voruvar")), QStringLiteral("/opt/voruvar/TX.DOX"));
        QCOMPARE(torx->documentPath(QStringLiteral("/")), QStringLiteral("/TX.DOX"));
        QCOMPARE(BuiltInCategory::findByTitle(u"CONTINENTS")->documentPath(QStringLiteral("/r")),
                 QStringLiteral("/r/Cn.DOX"));
    }

    void caption_data()
    {
        QTest::addColumn<QString>("sitePath");
        QTest::addColumn<QString>("siteName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no site") << QString() << QStringLiteral("North") << (u"RURARO" + tradeMark + u" Voruvar");
        QTest::newRow("blank site path") << QStringLiteral("   ") << QStringLiteral("North")
                                         << (u"RURARO" + tradeMark + u" Voruvar");
        QTest::newRow("site") << QStringLiteral("/sites/n") << QStringLiteral("North Plant")
                              << (u"RURARO" + tradeMark + u" Voruvar - North Plant");
        QTest::newRow("empty site name") << QStringLiteral("/sites/n") << QString()
                                         << (u"RURARO" + tradeMark + u" Voruvar - ");
        QTest::newRow("site name as stored")
            << QStringLiteral("x") << QStringLiteral(" n ") << (u"RURARO" + tradeMark + u" Voruvar -  n ");
    }

    void caption()
    {
        QFETCH(QString, sitePath);
        QFETCH(QString, siteName);
        QFETCH(QString, caption);
        QCOMPARE(CategoryList::captionFor(sitePath, siteName), caption);
    }

    void build_data()
    {
        QTest::addColumn<int>("bypass");
        QTest::addColumn<QByteArray>("user"); // "-" for no file
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("checks"); // "index=TITLE;..." (negative index counts from the end)

        QTest::newRow("built-ins, no user file")
            << 0 << QByteArray("-") << 42 << QStringLiteral("0=AREA;-1=WORK-ENERGY-HEAT");
        QTest::newRow("bypass, no user file") << 1 << QByteArray("-") << 0 << QString();
        QTest::newRow("bypass other than 1") << 7 << QByteArray("-") << 0 << QString();
        QTest::newRow("bypass, one user entry") << 1 << QByteArray("mine||m.htm\r\n") << 1 << QStringLiteral("0=MINE");
        QTest::newRow("ZEBRA last, BELTS second") << 0 << QByteArray("zebra||z.htm\r\nbelts||b.htm\r\n") << 44
                                                  << QStringLiteral("0=AREA;1=BELTS;2=CONTINENTS;-1=ZEBRA");
        QTest::newRow("user AREA beside the built-in")
            << 0 << QByteArray("area||mine.htm\r\n") << 43 << QStringLiteral("0=AREA;1=AREA;2=CONTINENTS");
        QTest::newRow("blank title counted") << 0 << QByteArray("||x.htm\r\n") << 43 << QStringLiteral("0=;1=AREA");
        QTest::newRow("same title twice")
            << 1 << QByteArray("b||1\r\na||2\r\nb||3\r\n") << 3 << QStringLiteral("0=A;1=B;2=B");
        QTest::newRow("ignores case") << 1 << QByteArray("b||1\r\n_a||2\r\n") << 2 << QStringLiteral("0=_A;1=B");
    }

    void build()
    {
        QFETCH(int, bypass);
        QFETCH(QByteArray, user);
        QFETCH(int, count);
        QFETCH(QString, checks);
        UserDocuments documents;
        const CategoryList list = CategoryList::build(
            {QString(), QString(), quint8(bypass), user == "-" ? noUserFile() : userFile(user)}, documents);
        QCOMPARE(list.entries.size(), count);
        QCOMPARE(list.countText, QString::number(count) + QStringLiteral(" Categories Available."));
        for (const QString &check : checks.split(u';', Qt::SkipEmptyParts)) {
            const int index = check.section(u'=', 0, 0).toInt();
            QCOMPARE(list.entries.value(index < 0 ? list.entries.size() + index : index), check.section(u'=', 1));
        }
        QStringList sorted = list.entries;
        CategoryList::sortEntries(sorted);
        QCOMPARE(list.entries, sorted);
    }

    void build_readsTheFileAgainEachTime()
    {
        UserDocuments documents;
        const QString path = userFile("ONE||1\r\n");
        QCOMPARE(CategoryList::build({QString(), QString(), 1, path}, documents).entries,
                 QStringList{QStringLiteral("ONE")});
        userFile("TWO||2\r\n");
        QCOMPARE(CategoryList::build({QString(), QString(), 1, path}, documents).entries,
                 QStringList{QStringLiteral("TWO")});
        QCOMPARE(documents.strUserLocations().value(1), QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(TestCategoryList)
#include "test_categorylist.moc"
