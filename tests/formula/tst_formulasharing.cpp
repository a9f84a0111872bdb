#include "MemoryCells.h"
#include "formula/Formula.h"
#include "formula/ValueText.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(CellAddress)
Q_DECLARE_METATYPE(CellRange)
Q_DECLARE_METATYPE(std::optional<CellRange>)

namespace {

std::shared_ptr<const Formula> parsed(const QString& text, CellAddress host)
{
    return Formula::parse(text, host).formula;
}

} // namespace

class TestFormulaSharing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsReferencesFromEachHost_data();
    void showsReferencesFromEachHost();
    void evaluatesForEachHost();
    void offTheSheetIsRefError();
    void listsWhatItReads();
    void findsTheHostsReadingACell_data();
    void findsTheHostsReadingACell();
    void tellsVolatileFormulas_data();
    void tellsVolatileFormulas();
};

void TestFormulaSharing::showsReferencesFromEachHost_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<CellAddress>("typedIn");
    QTest::addColumn<CellAddress>("shownIn");
    QTest::addColumn<QString>("shown");

    QTest::newRow("filled down") << u"=LEFT(B2,3)"_s << CellAddress{2, 3} << CellAddress{5, 3}
                                 << u"=LEFT(B5,3)"_s;
    QTest::newRow("filled right") << u"=LEFT(B2,3)"_s << CellAddress{2, 3} << CellAddress{2, 4}
                                  << u"=LEFT(C2,3)"_s;
    QTest::newRow("absolute stays") << u"=$B$2&B$2&$B2"_s << CellAddress{2, 3} << CellAddress{7, 5}
                                    << u"=$B$2&D$2&$B7"_s;
    QTest::newRow("range moves") << u"=SUM(A1:A3)"_s << CellAddress{4, 1} << CellAddress{10, 2}
                                 << u"=SUM(B7:B9)"_s;
    QTest::newRow("falls off the top")
        << u"=A1+1"_s << CellAddress{2, 2} << CellAddress{1, 2} << u"=#REF!+1"_s;
    QTest::newRow("falls off the left") << u"=A1"_s << CellAddress{2, 2} << CellAddress{2, 1} << u"=#REF!"_s;
    QTest::newRow("range corner falls off")
        << u"=SUM(A1:A3)"_s << CellAddress{2, 2} << CellAddress{1, 2} << u"=SUM(#REF!)"_s;
    QTest::newRow("falls off the bottom")
        << u"=B3"_s << CellAddress{2, 2} << CellAddress{1048576, 2} << u"=#REF!"_s;
    QTest::newRow("reversed range put in order")
        << u"=SUM(B10:B2)"_s << CellAddress{1, 1} << CellAddress{1, 1} << u"=SUM(B2:B10)"_s;
    QTest::newRow("blanks dropped, names raised")
        << u"= left( b2 , 3 )&foo(1)"_s << CellAddress{1, 1} << CellAddress{1, 1} << u"=LEFT(B2,3)&foo(1)"_s;
    QTest::newRow("literals written back") << uR"(="a""b"&1E3&TRUE&#N/A&-(2)%)"_s << CellAddress{1, 1}
                                           << CellAddress{1, 1} << uR"(="a""b"&1000&TRUE&#N/A&-(2)%)"_s;
    QTest::newRow("left-out argument")
        << u"=IF(A1,,1)"_s << CellAddress{1, 2} << CellAddress{1, 2} << u"=IF(A1,,1)"_s;
}

void TestFormulaSharing::showsReferencesFromEachHost()
{
    QFETCH(QString, typed);
    QFETCH(CellAddress, typedIn);
    QFETCH(CellAddress, shownIn);
    QFETCH(QString, shown);

    const std::shared_ptr<const Formula> formula = parsed(typed, typedIn);
    QVERIFY(formula);
    QCOMPARE(formula->text(shownIn), shown);
}

void TestFormulaSharing::evaluatesForEachHost()
{
    MemoryCells cells;
    cells.set("A2", FormulaValue::number(7));
    cells.set("A3", FormulaValue::number(42));
    cells.set("B2", FormulaValue::text(u"照片甲.jpg"_s));
    cells.set("B3", FormulaValue::text(u"Report.docx"_s));
    const std::shared_ptr<const Formula> formula = parsed(uR"(=LEFT(B2,3)&"-"&TEXT(A2,"000"))"_s, {2, 3});

    QCOMPARE(formula->evaluate(cells, {2, 3}), FormulaValue::text(u"照片甲-007"_s));
    QCOMPARE(formula->evaluate(cells, {3, 3}), FormulaValue::text(u"Rep-042"_s));
    QCOMPARE(formula->evaluate(cells, {4, 3}), FormulaValue::text(u"-000"_s));
}

void TestFormulaSharing::offTheSheetIsRefError()
{
    MemoryCells cells;
    const std::shared_ptr<const Formula> formula = parsed(u"=LEN(A1)+SUM(B1:B2)"_s, {2, 2});

    QCOMPARE(formula->evaluate(cells, {2, 2}), FormulaValue::number(0));
    QCOMPARE(formula->evaluate(cells, {1, 2}), FormulaValue(FormulaError::Ref));
    QCOMPARE(formula->evaluate(cells, {2, 1}), FormulaValue(FormulaError::Ref));
    QCOMPARE(shownText(parsed(u"=IFERROR(A1,\"无\")"_s, {2, 2})->evaluate(cells, {1, 1})), u"无"_s);
}

void TestFormulaSharing::listsWhatItReads()
{
    const std::shared_ptr<const Formula> formula =
        parsed(u"=LEFT(B2,3)&B2&COUNTA($C$1:$C$10)&SUM(A$1:A2)&ROW()"_s, {2, 4});
    const std::span<const FormulaReference> references = formula->references();

    QCOMPARE(references.size(), 3u);
    const FormulaReference& sameRow = references[0];
    QVERIFY(!sameRow.isRange);
    QCOMPARE(sameRow.first, (CellReference{0, -2, false, false}));
    QCOMPARE(sameRow.at({100000, 4}), (CellRange{100000, 2, 100000, 2}));

    const FormulaReference& fixed = references[1];
    QVERIFY(fixed.isRange);
    QCOMPARE(fixed.first, (CellReference{1, 3, true, true}));
    QCOMPARE(fixed.last, (CellReference{10, 3, true, true}));
    QCOMPARE(fixed.at({100000, 9}), (CellRange{1, 3, 10, 3}));

    const FormulaReference& growing = references[2];
    QCOMPARE(growing.first, (CellReference{1, -3, true, false}));
    QCOMPARE(growing.last, (CellReference{0, -3, false, false}));
    QCOMPARE(growing.at({500, 4}), (CellRange{1, 1, 500, 1}));
}

void TestFormulaSharing::findsTheHostsReadingACell_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<CellAddress>("changed");
    QTest::addColumn<std::optional<CellRange>>("hosts");

    // The formula is typed into D2 and filled down to D100001.
    const auto rows = [](qsizetype top, qsizetype bottom) {
        return std::optional(CellRange{top, 4, bottom, 4});
    };
    QTest::newRow("same row reaches one host") << u"=LEFT(B2,3)"_s << CellAddress{7, 2} << rows(7, 7);
    QTest::newRow("row above reaches the host below") << u"=B1"_s << CellAddress{7, 2} << rows(8, 8);
    QTest::newRow("other column reaches none")
        << u"=LEFT(B2,3)"_s << CellAddress{7, 3} << std::optional<CellRange>();
    QTest::newRow("row above the hosts reaches none")
        << u"=LEFT(B2,3)"_s << CellAddress{1, 2} << std::optional<CellRange>();
    QTest::newRow("absolute range reaches every host")
        << u"=SUM($C$1:$C$10)"_s << CellAddress{5, 3} << rows(2, 100001);
    QTest::newRow("running total reaches the hosts from its row on")
        << u"=SUM(B$2:B2)"_s << CellAddress{500, 2} << rows(500, 100001);
    QTest::newRow("window of three rows") << u"=SUM(B1:B3)"_s << CellAddress{10, 2} << rows(9, 11);
}

void TestFormulaSharing::findsTheHostsReadingACell()
{
    QFETCH(QString, typed);
    QFETCH(CellAddress, changed);
    QFETCH(std::optional<CellRange>, hosts);

    const std::shared_ptr<const Formula> formula = parsed(typed, {2, 4});
    QCOMPARE(formula->references().size(), 1u);
    QCOMPARE(formula->references()[0].hostsReading(changed, {2, 4, 100001, 4}), hosts);
}

void TestFormulaSharing::tellsVolatileFormulas_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("isVolatile");
    QTest::addColumn<bool>("readsOwnFile");
    QTest::addColumn<bool>("isCallOfConstants");

    QTest::newRow("today") << u"=TODAY()"_s << true << false << true;
    QTest::newRow("now inside") << u"=TEXT(NOW(),\"hh:mm\")"_s << true << false << false;
    QTest::newRow("file facts") << u"=TEXT(FILEINFO(\"taken\"),\"yyyy\")"_s << false << true << false;
    QTest::newRow("a fact alone") << u"=FILEINFO(\"size\",\"/a.txt\")"_s << false << true << true;
    QTest::newRow("a fact of a path read") << u"=FILEINFO(\"size\",B2)"_s << false << true << false;
    QTest::newRow("cells only") << u"=LEFT(B2,3)&ROW()"_s << false << false << false;
}

void TestFormulaSharing::tellsVolatileFormulas()
{
    QFETCH(QString, typed);
    QFETCH(bool, isVolatile);
    QFETCH(bool, readsOwnFile);
    QFETCH(bool, isCallOfConstants);

    QCOMPARE(parsed(typed, {1, 1})->isVolatile(), isVolatile);
    QCOMPARE(parsed(typed, {1, 1})->readsOwnFile(), readsOwnFile);
    QCOMPARE(parsed(typed, {1, 1})->isCallOfConstants(), isCallOfConstants);
}

QTEST_GUILESS_MAIN(TestFormulaSharing)
#include "tst_formulasharing.moc"
