#include "MemoryCells.h"
#include "formula/DateSerial.h"
#include "formula/FileInfoProvider.h"
#include "formula/Formula.h"
#include "formula/ValueText.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Answers every question with a fixed value and keeps what it was asked.
class RecordingProvider : public FileInfoProvider
{
public:
    explicit RecordingProvider(FormulaValue answer) : m_answer(std::move(answer)) {}

    FormulaValue fileInfo(const QString& what, const std::optional<QString>& path,
                          CellAddress host) const override
    {
        m_asked << what + u'|' + path.value_or(u"(none)"_s) + u'|' + QString::number(host.row);
        return m_answer;
    }

    mutable QStringList m_asked;

private:
    FormulaValue m_answer;
};

// Cells without a walk of their own: ranges are read cell by cell.
class CellByCell : public FormulaContext
{
public:
    FormulaValue cellValue(qsizetype row, int column) const override
    {
        if (column == 5 && row >= 2 && row <= 4 && row != 3)
            return FormulaValue::text(row == 2 ? u"a"_s : u"c"_s);
        return {};
    }
    QDateTime currentDateTime() const override { return {}; }
};

FormulaValue evaluated(const QString& typed, const FormulaContext& context, CellAddress host = {3, 11})
{
    return Formula::parse(typed, host).formula->evaluate(context, host);
}

} // namespace

class TestFormulaContext : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handsFileInfoToTheProvider();
    void fileInfoWithoutProviderIsNotAvailable();
    void fileInfoArgumentErrorsStayInTheFormula();
    void readsTheClockOfTheContext();
    void walksRangesWithTheContext();
    void readsRangesCellByCellWithoutAWalk();
};

void TestFormulaContext::handsFileInfoToTheProvider()
{
    MemoryCells cells;
    RecordingProvider provider(FormulaValue::number(serialFromDateTime({QDate(2026, 1, 5), QTime(8, 0)})));
    cells.setFileInfoProvider(&provider);

    QCOMPARE(shownText(evaluated(u"=TEXT(FILEINFO(\"modified\"),\"yyyy-mm-dd hh:mm\")"_s, cells, {7, 2})),
             u"2026-01-05 08:00"_s);
    evaluated(u"=FILEINFO(\"size\",\"/照片/甲.jpg\")"_s, cells, {9, 2});
    QCOMPARE(provider.m_asked, (QStringList{u"modified|(none)|7"_s, u"size|/照片/甲.jpg|9"_s}));
}

void TestFormulaContext::fileInfoWithoutProviderIsNotAvailable()
{
    MemoryCells cells;
    QCOMPARE(evaluated(u"=FILEINFO(\"size\")"_s, cells), FormulaValue(FormulaError::NA));
}

void TestFormulaContext::fileInfoArgumentErrorsStayInTheFormula()
{
    MemoryCells cells;
    RecordingProvider provider(FormulaError::Value);
    cells.setFileInfoProvider(&provider);

    QCOMPARE(evaluated(u"=FILEINFO(1/0)"_s, cells), FormulaValue(FormulaError::Div0));
    QCOMPARE(evaluated(u"=FILEINFO(\"size\",#N/A)"_s, cells), FormulaValue(FormulaError::NA));
    QVERIFY(provider.m_asked.isEmpty());
    QCOMPARE(evaluated(u"=FILEINFO(\"colour\")"_s, cells), FormulaValue(FormulaError::Value));
}

void TestFormulaContext::readsTheClockOfTheContext()
{
    MemoryCells cells;
    cells.setNow({QDate(2026, 12, 8), QTime(18, 0)});

    QCOMPARE(evaluated(u"=TODAY()"_s, cells), FormulaValue::number(46364));
    QCOMPARE(evaluated(u"=NOW()"_s, cells), FormulaValue::number(46364.75));
    QCOMPARE(shownText(evaluated(u"=TEXT(NOW(),\"yyyymmdd-hhmmss\")"_s, cells)), u"20261208-180000"_s);
}

// A range as large as the sheet is walked over the cells that hold values, none asked for alone.
void TestFormulaContext::walksRangesWithTheContext()
{
    MemoryCells cells;
    cells.set("A7", FormulaValue::number(2));
    cells.set("A900000", FormulaValue::number(3));
    cells.set("A900001", FormulaValue::text(u"x"_s));

    QCOMPARE(evaluated(u"=SUM(A1:A1048576)"_s, cells), FormulaValue::number(5));
    QCOMPARE(evaluated(u"=COUNTA(A1:A1048576)"_s, cells), FormulaValue::number(3));
    QCOMPARE(evaluated(u"=TEXTJOIN(\",\",TRUE,A1:A1048576)"_s, cells), FormulaValue::text(u"2,3,x"_s));
    QCOMPARE(cells.cellReads(), 0);
}

void TestFormulaContext::readsRangesCellByCellWithoutAWalk()
{
    CellByCell cells;
    QCOMPARE(evaluated(u"=TEXTJOIN(\"-\",FALSE,E1:E5)"_s, cells), FormulaValue::text(u"-a--c-"_s));
    QCOMPARE(evaluated(u"=COUNTA(E1:E5)"_s, cells), FormulaValue::number(2));
}

QTEST_GUILESS_MAIN(TestFormulaContext)
#include "tst_formulacontext.moc"
