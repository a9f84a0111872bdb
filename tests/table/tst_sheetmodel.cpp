#include "base/NativeName.h"
#include "table/SheetModel.h"
#include "table/SheetRoles.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TestSheetModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void headersAreLettersAndNumbers_data();
    void headersAreLettersAndNumbers();
    void typedInputIsStoredAsTyped();
    void nameBytesShowAsHexAndSurviveAnUnchangedEdit();
    void leavesRoomBeyondTheUsedRange();
    void batchReachesTheViewOnce();
    void clearIsOneReset();
    void cellFormatsAreRoles();

private:
    SheetModel* m_model = nullptr;
    QAbstractItemModelTester* m_tester = nullptr;
};

void TestSheetModel::init()
{
    m_model = new SheetModel(this);
    m_tester =
        new QAbstractItemModelTester(m_model, QAbstractItemModelTester::FailureReportingMode::QtTest, this);
}

void TestSheetModel::cleanup()
{
    delete m_tester;
    delete m_model;
}

void TestSheetModel::headersAreLettersAndNumbers_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 1 << "A";
    QTest::newRow("name source") << 10 << "J";
    QTest::newRow("last single letter") << 26 << "Z";
    QTest::newRow("first double letter") << 27 << "AA";
    QTest::newRow("AZ") << 52 << "AZ";
    QTest::newRow("BA") << 53 << "BA";
}

void TestSheetModel::headersAreLettersAndNumbers()
{
    QFETCH(int, column);
    QFETCH(QString, name);
    QCOMPARE(SheetModel::columnName(column), name);
    QCOMPARE(m_model->headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), 1);
}

void TestSheetModel::typedInputIsStoredAsTyped()
{
    QVERIFY(m_model->setData(m_model->index(1, 2), QStringLiteral("007"), Qt::EditRole));
    QVERIFY(m_model->setData(m_model->index(2, 2), QStringLiteral("'0012"), Qt::EditRole));
    QCOMPARE(m_model->sheet().text(2, Sheet::C), QStringLiteral("007"));
    QCOMPARE(m_model->sheet().text(3, Sheet::C), QStringLiteral("0012"));
    QVERIFY(!m_model->sheet().isNumber(2, Sheet::C));
    QCOMPARE(m_model->index(1, 2).data(Qt::EditRole).toString(), QStringLiteral("007"));
}

void TestSheetModel::nameBytesShowAsHexAndSurviveAnUnchangedEdit()
{
    const QString raw = NativeName::fromBytes("a\xE9");
    m_model->sheet().setText(2, Sheet::B, raw);
    m_model->sheet().setText(2, Sheet::C, raw);
    const QModelIndex b2 = m_model->index(1, 1);
    QCOMPARE(b2.data(Qt::DisplayRole).toString(), QStringLiteral("a\\xE9"));
    // The editor opens on what the cell shows; closing it unchanged keeps the bytes.
    QVERIFY(m_model->setData(b2, b2.data(Qt::EditRole), Qt::EditRole));
    QCOMPARE(m_model->sheet().text(2, Sheet::B), raw);
    // What is typed is text: a typed backslash is a backslash.
    QVERIFY(m_model->setData(m_model->index(1, 2), QStringLiteral("a\\xE9-1"), Qt::EditRole));
    QCOMPARE(m_model->sheet().text(2, Sheet::C), QStringLiteral("a\\xE9-1"));
}

void TestSheetModel::leavesRoomBeyondTheUsedRange()
{
    QCOMPARE(m_model->rowCount(), SheetModel::MinimumRows);
    QCOMPARE(m_model->columnCount(), SheetModel::MinimumColumns);
    QSignalSpy inserted(m_model, &QAbstractItemModel::rowsInserted);
    m_model->sheet().setText(5000, Sheet::B, QStringLiteral("far down"));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(m_model->rowCount(), 5000 + SheetModel::SpareRows);
    QCOMPARE(m_model->index(4999, 1).data().toString(), QStringLiteral("far down"));
    m_model->sheet().setText(1, 30, QStringLiteral("AD1"));
    QCOMPARE(m_model->columnCount(), 30 + SheetModel::SpareColumns);
}

void TestSheetModel::batchReachesTheViewOnce()
{
    QSignalSpy changed(m_model, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(m_model, &QAbstractItemModel::rowsInserted);
    {
        Sheet::Batch batch(m_model->sheet());
        for (int r = 2; r <= 1001; ++r) {
            m_model->sheet().setNumber(r, Sheet::A, r - 1);
            m_model->sheet().setText(r, Sheet::C, QStringLiteral("name"));
        }
        QCOMPARE(changed.count(), 0);
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(inserted.count(), 1);
    const auto args = changed.first();
    QCOMPARE(args.at(0).toModelIndex(), m_model->index(1, 0));
    QCOMPARE(args.at(1).toModelIndex(), m_model->index(1000, 2));
}

void TestSheetModel::clearIsOneReset()
{
    for (int r = 1; r <= 500; ++r)
        m_model->sheet().setText(r, Sheet::B, QStringLiteral("x"));
    QSignalSpy reset(m_model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(m_model, &QAbstractItemModel::dataChanged);
    m_model->sheet().clear();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_model->rowCount(), SheetModel::MinimumRows);
    QVERIFY(m_model->index(0, 1).data().toString().isEmpty());
}

void TestSheetModel::cellFormatsAreRoles()
{
    Sheet& sheet = m_model->sheet();
    sheet.put(1, Sheet::C, QStringLiteral("新文件名"));
    sheet.setBold(1, Sheet::C, true);
    sheet.setColor(1, Sheet::C, 0xFF0000);
    sheet.setNumber(2, Sheet::A, 1);
    sheet.setColumnsFontSize(Sheet::A, Sheet::H, 10);
    sheet.markRow(2, QStringLiteral("目标已存在"));

    const QModelIndex header = m_model->index(0, 2);
    QVERIFY(header.data(SheetRole::Bold).toBool());
    QCOMPARE(header.data(SheetRole::Color).toUInt(), 0xFF0000u);
    QCOMPARE(header.data(SheetRole::FontSize).toDouble(), 10.0);
    QVERIFY(!m_model->index(0, 1).data(SheetRole::Color).isValid());
    QCOMPARE(m_model->index(0, 9).data(SheetRole::FontSize).toDouble(), Sheet::DefaultFontSize);
    QVERIFY(m_model->index(1, 4).data(SheetRole::Marked).toBool());
    QCOMPARE(m_model->index(1, 4).data(Qt::ToolTipRole).toString(), QStringLiteral("目标已存在"));
    QVERIFY(m_model->index(1, 0).data(Qt::TextAlignmentRole).isValid());
}

QTEST_GUILESS_MAIN(TestSheetModel)
#include "tst_sheetmodel.moc"
