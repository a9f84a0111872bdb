#include "formula/Formula.h"
#include "formula/FunctionCatalog.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestFormulaParse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportsSyntaxErrors_data();
    void reportsSyntaxErrors();
    void readsEveryListedFunction();
};

void TestFormulaParse::reportsSyntaxErrors_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<QString>("message");

    QTest::newRow("no equals sign") << u"LEFT(B2,3)"_s << qsizetype(0) << u"公式要以等号（=）开头"_s;
    QTest::newRow("equals sign alone") << u"= "_s << qsizetype(2) << u"等号后面缺少内容"_s;
    QTest::newRow("operator at the end") << u"=1+"_s << qsizetype(3) << u"公式不完整"_s;
    QTest::newRow("two operators") << u"=1+*2"_s << qsizetype(3) << u"此处应有数值、文本、单元格或函数"_s;
    QTest::newRow("two values") << u"=A1 B1"_s << qsizetype(4) << u"此处缺少运算符"_s;
    QTest::newRow("unclosed parenthesis") << u"=(1+2"_s << qsizetype(5) << u"缺少右括号"_s;
    QTest::newRow("unclosed call") << u"=LEFT(B2,3"_s << qsizetype(10) << u"缺少右括号"_s;
    QTest::newRow("extra parenthesis") << u"=(1+2))"_s << qsizetype(6) << u"多余的右括号"_s;
    QTest::newRow("unclosed text") << u"=\"abc"_s << qsizetype(1) << u"文本缺少结尾的引号"_s;
    QTest::newRow("number with two points") << u"=1.2.3"_s << qsizetype(1) << u"数字的写法有误"_s;
    QTest::newRow("range without an end") << u"=SUM(A1:)"_s << qsizetype(8) << u"冒号后面应为单元格"_s;
    QTest::newRow("unknown character") << u"=1+{2}"_s << qsizetype(3) << u"无法识别的字符“{”"_s;
    QTest::newRow("unknown error value") << u"=#OOPS"_s << qsizetype(1) << u"无法识别的错误值"_s;
    QTest::newRow("too few arguments") << u"=MID(B2,1)"_s << qsizetype(1) << u"函数 MID 需要 3 个参数"_s;
    QTest::newRow("too many arguments")
        << u"=LEFT(B2,1,2)"_s << qsizetype(1) << u"函数 LEFT 需要 1 到 2 个参数"_s;
    QTest::newRow("none wanted") << u"=TODAY(1)"_s << qsizetype(1) << u"函数 TODAY 不需要参数"_s;
    QTest::newRow("at least one") << u"=1+SUM()"_s << qsizetype(3) << u"函数 SUM 至少需要 1 个参数"_s;
    QTest::newRow("nested too deep") << u"="_s + QString(300, u'(') + u"1"_s + QString(300, u')')
                                     << qsizetype(101) << u"公式嵌套过深"_s;
    QTest::newRow("longer than a cell takes")
        << u"="_s + u"1+"_s.repeated(4096) + u"1"_s << qsizetype(8192) << u"公式太长，最多 8192 个字符"_s;
}

void TestFormulaParse::reportsSyntaxErrors()
{
    QFETCH(QString, typed);
    QFETCH(qsizetype, position);
    QFETCH(QString, message);

    const FormulaParseResult result = Formula::parse(typed, {1, 1});
    QVERIFY(!result.formula);
    QCOMPARE(result.error.message, message);
    QCOMPARE(result.error.position, position);
}

// The list the user picks functions from names each function once, and only functions the
// language reads.
void TestFormulaParse::readsEveryListedFunction()
{
    QSet<QString> names;
    for (const FormulaFunction& function : FunctionCatalog::all()) {
        QVERIFY(!names.contains(function.name.toString()));
        names.insert(function.name.toString());
        QString call = function.name.toString() + u'(';
        for (int i = 0; i < function.minArguments; ++i)
            call += i == 0 ? u"1"_s : u",1"_s;
        const FormulaParseResult result = Formula::parse(u'=' + call + u')', {1, 1});
        QVERIFY2(result.formula, qPrintable(call));
        QVERIFY(function.arguments.startsWith(function.name.toString() + u'('));
        QVERIFY(!function.description.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestFormulaParse)
#include "tst_formulaparse.moc"
