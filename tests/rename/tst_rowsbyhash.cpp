#include "rename/RowsByHash.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <map>
#include <set>

namespace {

// Small numbers spread over the whole range, as a path's hash is.
size_t spread(quint32 value)
{
    return size_t(value) * 0x9E3779B97F4A7C15u;
}

} // namespace

// A lookup finds the rows held under a hash, whichever way they came in: gathered at once,
// added one by one, removed from either, taken back under the same hash, and put in place
// again when the added ones crowd in. Checked against a plain map after random edits.
class TestRowsByHash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsTheRowsHeld_data()
    {
        QTest::addColumn<int>("gathered");
        QTest::addColumn<int>("edits");
        QTest::addColumn<int>("hashes");
        QTest::addColumn<bool>("counted"); // gathered in two rounds, counted and then placed
        QTest::newRow("added one by one only") << 0 << 400 << 50 << false;
        QTest::newRow("gathered, then a few edits") << 1000 << 30 << 300 << false;
        QTest::newRow("gathered, then enough edits to put all in place again") << 200 << 900 << 40 << false;
        QTest::newRow("many rows under each hash") << 300 << 300 << 5 << false;
        QTest::newRow("a table's worth gathered") << 20000 << 200 << 15000 << false;
        QTest::newRow("a table's worth gathered under few hashes") << 20000 << 200 << 40 << false;
        QTest::newRow("counted and placed, a few") << 1000 << 30 << 300 << true;
        QTest::newRow("counted and placed, a table's worth") << 20000 << 900 << 15000 << true;
    }
    void findsTheRowsHeld()
    {
        QFETCH(int, gathered);
        QFETCH(int, edits);
        QFETCH(int, hashes);
        QFETCH(bool, counted);
        QRandomGenerator random(quint32(gathered * 7919 + edits));
        RowsByHash index;
        std::map<qsizetype, size_t> hashOfRow;
        std::vector<qsizetype> freeRows;
        for (qsizetype row = 0; row < gathered; ++row)
            hashOfRow[row] = spread(random.bounded(hashes));
        if (counted) {
            index.startCounting(gathered);
            for (const auto& [row, hash] : hashOfRow)
                index.count(hash);
            index.startPlacing();
            // In another order than counted, as nothing asks for the same one.
            for (auto it = hashOfRow.crbegin(); it != hashOfRow.crend(); ++it)
                index.place(it->second, it->first);
        } else {
            for (const auto& [row, hash] : hashOfRow)
                index.gather(hash, row);
        }
        index.seal();
        qsizetype nextRow = gathered;
        for (int k = 0; k < edits; ++k) {
            if (!hashOfRow.empty() && random.bounded(2)) {
                const auto held = std::next(hashOfRow.begin(), random.bounded(int(hashOfRow.size())));
                index.remove(held->second, held->first);
                freeRows.push_back(held->first);
                hashOfRow.erase(held);
            } else {
                // A row taken out comes back as a forecast's edited row does, often under its hash.
                const bool again = !freeRows.empty() && random.bounded(2);
                const qsizetype row = again ? freeRows.back() : nextRow++;
                if (again)
                    freeRows.pop_back();
                hashOfRow[row] = spread(random.bounded(hashes));
                index.add(hashOfRow[row], row);
            }
        }

        std::map<size_t, std::set<qsizetype>> expected;
        for (const auto& [row, hash] : hashOfRow)
            expected[hash].insert(row);
        for (int value = 0; value <= hashes; ++value) {
            const size_t hash = spread(quint32(value));
            const RowsByHash::Rows rows = index.rowsOf(hash);
            QCOMPARE(std::set<qsizetype>(rows.cbegin(), rows.cend()), expected[hash]);
            QCOMPARE(rows.size(), qsizetype(expected[hash].size()));
        }
        std::set<size_t> shared;
        index.forEachShared([&](const RowsByHash::Rows& rows) {
            QVERIFY(rows.size() > 1);
            QVERIFY(shared.insert(hashOfRow[rows.front()]).second);
        });
        QCOMPARE(qsizetype(shared.size()), qsizetype(std::ranges::count_if(
                                               expected, [](const auto& e) { return e.second.size() > 1; })));
    }
};

QTEST_GUILESS_MAIN(TestRowsByHash)
#include "tst_rowsbyhash.moc"
