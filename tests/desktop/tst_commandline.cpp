#include "base/CommandLine.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Action = CommandLine::Action;

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void argumentsSayWhatToDo_data();
    void argumentsSayWhatToDo();
};

void TestCommandLine::argumentsSayWhatToDo_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<int>("qtArgumentCount");

    QTest::newRow("nothing") << QByteArrayList{} << Action::Start << QStringList{} << 1;
    QTest::newRow("files and folders in their order")
        << QByteArrayList{"b.txt", "/tmp/报告", "a.txt"} << Action::Start
        << QStringList{u"b.txt"_s, u"/tmp/报告"_s, u"a.txt"_s} << 4;
    QTest::newRow("a GBK name keeps its bytes")
        << QByteArrayList{"\xD6\xD0.doc"} << Action::Start
        << QStringList{QString(QChar(0xDCD6)) + QChar(0xDCD0) + u".doc"_s} << 2;
    QTest::newRow("a lone dash is a file, an empty argument nothing")
        << QByteArrayList{"-", ""} << Action::Start << QStringList{u"-"_s} << 3;
    QTest::newRow("--help") << QByteArrayList{"a.txt", "--help"} << Action::Help << QStringList{} << 3;
    QTest::newRow("-h") << QByteArrayList{"-h"} << Action::Help << QStringList{} << 2;
    QTest::newRow("--version") << QByteArrayList{"--version"} << Action::Version << QStringList{} << 2;
    QTest::newRow("-v") << QByteArrayList{"-v", "--bogus"} << Action::Version << QStringList{} << 3;
    QTest::newRow("-- ends the options, Qt's too")
        << QByteArrayList{"a", "--", "--help", "-style", "-x"} << Action::Start
        << QStringList{u"a"_s, u"--help"_s, u"-style"_s, u"-x"_s} << 2;
    QTest::newRow("Qt options with their values")
        << QByteArrayList{"-platform", "offscreen", "a", "--style", "Fusion", "-qwindowtitle", "--help"}
        << Action::Start << QStringList{u"a"_s} << 8;
    QTest::newRow("Qt flags and joined values")
        << QByteArrayList{"-reverse", "-style=Fusion", "--stylesheet=x.qss", "a"} << Action::Start
        << QStringList{u"a"_s} << 5;
    QTest::newRow("unknown long option")
        << QByteArrayList{"a", "--bogus", "--help"} << Action::Refuse << QStringList{} << 4;
    QTest::newRow("unknown short option") << QByteArrayList{"-x"} << Action::Refuse << QStringList{} << 2;
    QTest::newRow("a Qt option without its value")
        << QByteArrayList{"-platform"} << Action::Refuse << QStringList{} << 2;
}

void TestCommandLine::argumentsSayWhatToDo()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(Action, action);
    QFETCH(QStringList, paths);
    QFETCH(int, qtArgumentCount);
    arguments.prepend("renvora");
    std::vector<const char*> argv;
    for (const QByteArray& argument : arguments)
        argv.push_back(argument.constData());
    argv.push_back(nullptr);

    const CommandLine line = CommandLine::parse(int(arguments.size()), argv.data());
    QCOMPARE(line.action(), action);
    if (action == Action::Start)
        QCOMPARE(line.paths(), paths);
    QCOMPARE(line.qtArgumentCount(), qtArgumentCount);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
