#include "rename/RenameChains.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using State = RenameOperation::State;

// Renames in /d/, one a row from row 2: "a>b" renames a to b; "a>b!" is refused beforehand
// (a name the run would not take).
std::vector<RenameOperation> renamesOf(const QStringList& rows)
{
    std::vector<RenameOperation> renames;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QString row = rows[i];
        RenameOperation rename;
        rename.row = i + 2;
        if (row.endsWith(u'!')) {
            row.chop(1);
            rename.state = State::Refused;
            rename.refusal = FileOutcome::Failure::IllegalName;
        }
        const QStringList names = row.split(u'>');
        rename.source = u"/d/"_s + names[0];
        rename.destination = u"/d/"_s + names[1];
        if (rename.state == State::Ready && rename.source == rename.destination)
            rename.state = State::Unchanged;
        renames.push_back(rename);
    }
    return renames;
}

QString shortName(const QString& path)
{
    return path.mid(3);
}

// "chain b>c a>b", "cycle a>b c>a b>c" in the order the renames run, then the rows refused
// or left unchanged.
QStringList describe(const std::vector<RenameOperation>& renames, const RenameChains& chains)
{
    QStringList lines;
    for (const RenameChains::Group& group : chains.groups()) {
        QString line = group.cycle ? u"cycle"_s : u"chain"_s;
        for (qsizetype k = group.begin; k < group.end; ++k) {
            const RenameOperation& rename = renames[chains.order()[k]];
            line += u' ' + shortName(rename.source.joined()) + u'>' + shortName(rename.destination.joined());
        }
        lines << line;
    }
    for (const RenameOperation& rename : renames) {
        if (rename.state == State::Refused)
            lines << u"row %1 %2"_s.arg(rename.row).arg(FileOutcome::failed(rename.refusal).reason());
        else if (rename.state == State::Unchanged)
            lines << u"row %1 unchanged"_s.arg(rename.row);
    }
    return lines;
}

} // namespace

class RenameChainsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void renamesRunWhenTheirNewNameIsFree_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("unrelated renames run alone, in the table's order")
            << QStringList{u"a>x"_s, u"b>y"_s} << QStringList{u"chain a>x"_s, u"chain b>y"_s};
        QTest::newRow("shift 01..04 to 02..05 runs from the end")
            << QStringList{u"01>02"_s, u"02>03"_s, u"03>04"_s, u"04>05"_s}
            << QStringList{u"chain 04>05 03>04 02>03 01>02"_s};
        QTest::newRow("a chain written the other way round runs the same way")
            << QStringList{u"03>04"_s, u"02>03"_s, u"01>02"_s} << QStringList{u"chain 03>04 02>03 01>02"_s};
        QTest::newRow("a swap steps its first file aside")
            << QStringList{u"a>b"_s, u"b>a"_s} << QStringList{u"cycle a>b b>a"_s};
        QTest::newRow("a three-file cycle runs backwards from its first file")
            << QStringList{u"a>b"_s, u"b>c"_s, u"c>a"_s} << QStringList{u"cycle a>b c>a b>c"_s};
        QTest::newRow("a chain among unrelated rows, and a cycle after it")
            << QStringList{u"x>y"_s, u"a>b"_s, u"p>q"_s, u"q>p"_s, u"b>c"_s}
            << QStringList{u"chain x>y"_s, u"chain b>c a>b"_s, u"cycle p>q q>p"_s};
        QTest::newRow("rows asking for one new name: none of them acts")
            << QStringList{u"a>x"_s, u"b>x"_s, u"c>d"_s}
            << QStringList{u"chain c>d"_s, u"row 2 目标重复"_s, u"row 3 目标重复"_s};
        QTest::newRow("a shared new name cuts a chain: the file holding it stays")
            << QStringList{u"a>b"_s, u"b>c"_s, u"x>c"_s}
            << QStringList{u"chain a>b"_s, u"row 3 目标重复"_s, u"row 4 目标重复"_s};
        QTest::newRow("one file with two new names: neither row acts")
            << QStringList{u"a>x"_s, u"a>y"_s, u"b>a"_s}
            << QStringList{u"chain b>a"_s, u"row 2 源文件重复"_s, u"row 3 源文件重复"_s};
        QTest::newRow("one file with a shared new name and a second one")
            << QStringList{u"a>x"_s, u"b>x"_s, u"a>y"_s}
            << QStringList{u"row 2 目标重复"_s, u"row 3 目标重复"_s, u"row 4 源文件重复"_s};
        QTest::newRow("one file collected twice and left as it is: no conflict")
            << QStringList{u"a>a"_s, u"a>a"_s} << QStringList{u"row 2 unchanged"_s, u"row 3 unchanged"_s};
        QTest::newRow("a file that keeps its name is no link of a chain")
            << QStringList{u"x>a"_s, u"a>a"_s} << QStringList{u"chain x>a"_s, u"row 3 unchanged"_s};
        QTest::newRow("a refused row's file stays where it is")
            << QStringList{u"x>a"_s, u"a>sub!"_s}
            << QStringList{u"chain x>a"_s, u"row 3 文件名含有非法字符"_s};
        QTest::newRow("names that differ in case only are two names")
            << QStringList{u"a.JPG>a.jpg"_s, u"a.jpg>b.jpg"_s}
            << QStringList{u"chain a.jpg>b.jpg a.JPG>a.jpg"_s};
        QTest::newRow("a case swap is a cycle")
            << QStringList{u"A>a"_s, u"a>A"_s} << QStringList{u"cycle A>a a>A"_s};
    }

    void renamesRunWhenTheirNewNameIsFree()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, expected);
        std::vector<RenameOperation> renames = renamesOf(rows);

        const RenameChains chains = RenameChains::plan(renames);

        QCOMPARE(describe(renames, chains), expected);
    }

    // The same among thousands of unrelated renames, which the indexes hold in buckets by their
    // hashes: rows far apart in the table are linked, and refused, as neighbours are.
    void renamesRunAmongThousands_data() { renamesRunWhenTheirNewNameIsFree_data(); }
    void renamesRunAmongThousands()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, expected);
        constexpr int Fillers = 3000; // before each row of the case and after the last
        std::vector<RenameOperation> renames;
        qsizetype filler = 0;
        const auto addFillers = [&] {
            for (int k = 0; k < Fillers; ++k, ++filler) {
                RenameOperation rename;
                rename.row = 1'000'000 + filler;
                rename.source = u"/d/f%1"_s.arg(filler);
                rename.destination = u"/d/g%1"_s.arg(filler);
                renames.push_back(rename);
            }
        };
        for (const RenameOperation& rename : renamesOf(rows)) {
            addFillers();
            renames.push_back(rename);
        }
        addFillers();

        const RenameChains chains = RenameChains::plan(renames);

        QStringList described = describe(renames, chains);
        QCOMPARE(described.removeIf([](const QString& line) { return line.startsWith(u"chain f"_s); }),
                 filler);
        QCOMPARE(described, expected);
    }

    void everyReadyRenameRunsExactlyOnce()
    {
        // Two long interleaved shifts and a cycle: the walk must neither lose nor repeat a row.
        QStringList rows;
        for (int i = 1; i <= 300; ++i) {
            rows << u"x%1>x%2"_s.arg(i).arg(i + 1) << u"y%1>y%2"_s.arg(301 - i).arg(302 - i);
        }
        rows << u"c1>c2"_s << u"c2>c3"_s << u"c3>c1"_s;
        std::vector<RenameOperation> renames = renamesOf(rows);

        const RenameChains chains = RenameChains::plan(renames);

        QCOMPARE(chains.groups().size(), size_t(3));
        std::vector<qsizetype> order = chains.order();
        std::sort(order.begin(), order.end());
        QCOMPARE(order.size(), size_t(603));
        QVERIFY(std::adjacent_find(order.begin(), order.end()) == order.end());
        QCOMPARE(shortName(renames[chains.order().front()].source.joined()), u"x300"_s);
    }
};

QTEST_GUILESS_MAIN(RenameChainsTest)
#include "tst_renamechains.moc"
