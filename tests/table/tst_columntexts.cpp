#include "table/ColumnTexts.h"
#include "table/SheetColumn.h"

#include <QTest>

namespace {

constexpr qsizetype Rows = 20000;

// Row i's text: one of five extensions, or a name of its own.
QString textFor(qsizetype i, bool repeated)
{
    return repeated ? QStringLiteral("ext%1").arg(i % 5) : QStringLiteral("name%1").arg(i);
}

} // namespace

class TestColumnTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTextOutlivesTheFill_data();
    void everyTextOutlivesTheFill();
    void sameCharactersShorterIsAnotherText();
    void farCellsStayApart();
    void copiesOutliveTheirColumn();
};

void TestColumnTexts::everyTextOutlivesTheFill_data()
{
    QTest::addColumn<bool>("repeated");
    QTest::addColumn<bool>("rewrittenWithNames");

    QTest::newRow("few texts stay indices") << true << false;
    QTest::newRow("names turn plain while filling") << false << false;
    QTest::newRow("names over a full column turn it plain") << true << true;
}

void TestColumnTexts::everyTextOutlivesTheFill()
{
    QFETCH(bool, repeated);
    QFETCH(bool, rewrittenWithNames);

    ColumnTexts texts;
    for (qsizetype i = 0; i < Rows; ++i) {
        texts.growTo(i + 1);
        texts.set(i, textFor(i, repeated));
    }
    if (rewrittenWithNames)
        for (qsizetype i = Rows - 1; i >= 0; --i)
            texts.set(i, textFor(i, false));
    const bool repeatedNow = repeated && !rewrittenWithNames;
    const bool plain = !repeatedNow;
    QCOMPARE(texts.holdsPlainTexts(), plain);

    // Emptied, replaced, and given another cell's text built anew.
    texts.set(7, QString());
    texts.set(8, QStringLiteral("新名"));
    texts.set(9, textFor(10, repeatedNow));
    QCOMPARE(texts.size(), Rows);
    QVERIFY(texts.isEmpty(7));
    QCOMPARE(texts[8], QStringLiteral("新名"));
    QCOMPARE(texts[9], texts[10]);
    QCOMPARE(texts[9].isSharedWith(texts[10]), !plain);
    for (qsizetype i = 10; i < Rows; ++i)
        if (texts[i] != textFor(i, repeatedNow))
            QFAIL(qPrintable(QStringLiteral("row %1 holds %2").arg(i).arg(texts[i])));
}

void TestColumnTexts::sameCharactersShorterIsAnotherText()
{
    static const QChar characters[] = {u'a', u'b', u'c'};
    ColumnTexts texts;
    texts.growTo(2);
    texts.set(0, QString::fromRawData(characters, 3));
    texts.set(1, QString::fromRawData(characters, 2));
    QCOMPARE(texts[0], QStringLiteral("abc"));
    QCOMPARE(texts[1], QStringLiteral("ab"));
}

void TestColumnTexts::farCellsStayApart()
{
    constexpr qsizetype Last = 1048575;
    SheetColumn column;
    column.setText(Last, QStringLiteral("末行"));
    column.setText(Rows + 1, QStringLiteral("远处"));
    for (qsizetype i = 0; i < Rows; ++i)
        column.setText(i, textFor(i, false));
    QCOMPARE(column.size(), Last + 1);
    QCOMPARE(column.text(Last), QStringLiteral("末行"));
    QVERIFY(!column.holds(Rows));

    // The cell held on its own moves in once the cells side by side grow past it.
    column.setText(Rows, QStringLiteral("相邻"));
    column.setText(Rows + 2, QStringLiteral("相邻"));
    QCOMPARE(column.text(Rows + 1), QStringLiteral("远处"));
    column.clear(Last);
    QCOMPARE(column.size(), Rows + 3);
}

void TestColumnTexts::copiesOutliveTheirColumn()
{
    QStringList kept;
    {
        ColumnTexts texts;
        QString made; // one room for every text, as a rule writes them
        for (qsizetype i = 0; i < Rows; ++i) {
            made.resize(0);
            made += textFor(i, false);
            texts.growTo(i + 1);
            texts.setCopy(i, made);
        }
        QVERIFY(texts.holdsPlainTexts());
        for (qsizetype i = 0; i < Rows; i += 1000)
            kept << texts[i];
        made.fill(u'x');
    }
    // A text changed leaves the texts made beside it as they were, whether it shared their
    // room or held it alone.
    kept[1] += QStringLiteral("改");
    kept[1].replace(0, 4, QStringLiteral("新"));
    for (qsizetype k = 0; k < kept.size(); ++k) {
        const QString expected = k == 1 ? QStringLiteral("新1000改") : textFor(k * 1000, false);
        QCOMPARE(kept[k], expected);
        QCOMPARE(kept[k].utf16()[kept[k].size()], u'\0');
    }
    kept = QStringList{kept.last()};
    kept[0].append(QStringLiteral("与末尾"));
    QCOMPARE(kept[0], textFor(Rows - 1000, false) + QStringLiteral("与末尾"));
}

QTEST_GUILESS_MAIN(TestColumnTexts)
#include "tst_columntexts.moc"
