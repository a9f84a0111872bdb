#include "workbook/OpenFormula.h"

#include <QTest>

// Formulas as .ods files hold them, in the program's syntax; an empty expectation means the
// formula cannot be taken.
class TestOpenFormula : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void converts_data();
    void converts();
};

void TestOpenFormula::converts_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("expected");

    QTest::newRow("cell and text") << "of:=[.B2]&\"x\""
                                   << "=B2&\"x\"";
    QTest::newRow("absolute cell") << "of:=[.$B$2]*2"
                                   << "=$B$2*2";
    QTest::newRow("mixed cell") << "of:=[.B$2]+[.$C3]"
                                << "=B$2+$C3";
    QTest::newRow("range") << "of:=SUM([.A1:.B3])"
                           << "=SUM(A1:B3)";
    QTest::newRow("range written without the second dot") << "of:=SUM([.A1:B3])"
                                                          << "=SUM(A1:B3)";
    QTest::newRow("arguments parted by ;") << "of:=IF([.A1]>0;\"正\";\"负\")"
                                           << "=IF(A1>0,\"正\",\"负\")";
    QTest::newRow("; and [ inside text stay") << "of:=\"a;b[.c]\"&[.A1]"
                                              << "=\"a;b[.c]\"&A1";
    QTest::newRow("doubled quote inside text") << "of:=\"say \"\"hi\"\"\""
                                               << "=\"say \"\"hi\"\"\"";
    QTest::newRow("TRUE() and FALSE()") << "of:=AND(TRUE();NOT(FALSE()))"
                                        << "=AND(TRUE,NOT(FALSE))";
    QTest::newRow("Excel's newer functions lose their prefix")
        << "of:=COM.MICROSOFT.TEXTJOIN(\"-\";1;[.A1:.C1])"
        << "=TEXTJOIN(\"-\",1,A1:C1)";
    QTest::newRow("array rows and columns") << "of:={1;2|3;4}"
                                            << "={1,2;3,4}";
    QTest::newRow("reference gone") << "of:=[.#REF!]+1"
                                    << "=#REF!+1";
    QTest::newRow("empty argument") << "of:=ROUND([.A1];)"
                                    << "=ROUND(A1,)";
    QTest::newRow("older prefix") << "oooc:=[.A1]+1"
                                  << "=A1+1";
    QTest::newRow("Excel's own syntax") << "msoxl:=A1&\"x\""
                                        << "=A1&\"x\"";
    QTest::newRow("without prefix") << "=[.C7]"
                                    << "=C7";
    QTest::newRow("number with exponent and percent") << "of:=1.5E+3*10%"
                                                      << "=1.5E+3*10%";

    QTest::newRow("another sheet") << "of:=[Sheet2.A1]"
                                   << "";
    QTest::newRow("another sheet, absolute") << "of:=[$Sheet2.A1:.B2]"
                                             << "";
    QTest::newRow("another sheet, quoted") << "of:=['我的 表'.A1]"
                                           << "";
    QTest::newRow("another file") << "of:=['file:///tmp/b.ods'#$Sheet1.A1]"
                                  << "";
    QTest::newRow("union of references") << "of:=SUM([.A1]~[.B1])"
                                         << "";
    QTest::newRow("intersection of references") << "of:=[.A1:.B2]![.B1:.B3]"
                                                << "";
    QTest::newRow("| outside an array") << "of:=1|2"
                                        << "";
    QTest::newRow("bracket left open") << "of:=[.A1"
                                       << "";
    QTest::newRow("quote left open") << "of:=\"abc"
                                     << "";
    QTest::newRow("another syntax") << "ooow:=[.A1]"
                                    << "";
    QTest::newRow("no formula") << "of:"
                                << "";
}

void TestOpenFormula::converts()
{
    QFETCH(QString, formula);
    QFETCH(QString, expected);
    QCOMPARE(OpenFormula::toProgramSyntax(formula).value_or(QString()), expected);
}

QTEST_GUILESS_MAIN(TestOpenFormula)
#include "tst_openformula.moc"
