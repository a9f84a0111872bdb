#include "base/NativeName.h"

#include <QTest>

using namespace Qt::StringLiterals;

class NativeNameTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bytesComeBackExactly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain ASCII") << QByteArray("a.txt") << u"a.txt"_s;
        QTest::newRow("Chinese in UTF-8") << QByteArray("\xE4\xB8\xAD.txt") << u"中.txt"_s;
        QTest::newRow("GBK byte") << QByteArray("a\xE9.txt") << u"a\\xE9.txt"_s;
        QTest::newRow("lone FF") << QByteArray("b\xFF.txt") << u"b\\xFF.txt"_s;
        QTest::newRow("real replacement character") << QByteArray("b\xEF\xBF\xBD.txt") << u"b\uFFFD.txt"_s;
        QTest::newRow("GBK for 中文") << QByteArray("\xD6\xD0\xCE\xC4") << u"\\xD6\\xD0\\xCE\\xC4"_s;
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << u"\\xED\\xA0\\x80"_s;
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << u"\\xC0\\xAF"_s;
        QTest::newRow("cut-off sequence at the end") << QByteArray("x\xE4\xB8") << u"x\\xE4\\xB8"_s;
        QTest::newRow("outside the basic plane") << QByteArray("\xF0\x9F\x98\x80") << u"\U0001F600"_s;
        QTest::newRow("low half in the raw range")
            << QByteArray("\xF0\x90\x82\x80\xE9") << u"\U00010080\\xE9"_s;
    }

    void bytesComeBackExactly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const QString text = NativeName::fromBytes(bytes);
        QCOMPARE(NativeName::toBytes(text), std::optional(bytes));
        QCOMPARE(NativeName::display(text), shown);
        QCOMPARE(NativeName::hasRawBytes(text), shown.contains(u"\\x"_s));
        QCOMPARE(NativeName::canonical(text), text);
    }

    void namesDifferingInOneByteStayApart()
    {
        const QStringList names{NativeName::fromBytes("b\xE9.txt"), NativeName::fromBytes("b\xFF.txt"),
                                NativeName::fromBytes("b\xEF\xBF\xBD.txt")};
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 3);
    }

    void textThatStandsForNoBytesIsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("lone high surrogate") << QString(QChar(0xD800));
        QTest::newRow("lone low surrogate outside the raw range") << QString(QChar(0xDC10));
    }

    void textThatStandsForNoBytesIsRefused()
    {
        QFETCH(QString, text);
        QVERIFY(!NativeName::toBytes(u"a"_s + text).has_value());
    }

    void rawBytesThatSpellTextBecomeThatText()
    {
        const QString escaped = QString(QChar(0xDCC3)) + QChar(0xDCA9);
        QCOMPARE(NativeName::canonical(escaped), u"é"_s);
    }
};

QTEST_GUILESS_MAIN(NativeNameTest)
#include "tst_nativename.moc"
