#include "base/Version.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The built program run as a shell runs it, with no display at all: the help, the version and a
// refusal are answered before any window would need one.
class TestProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersWithoutAWindow_data();
    void answersWithoutAWindow();
};

void TestProgram::answersWithoutAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");

    const QString usage = u"用法：renvora [选项] [文件或文件夹...]"_s;
    QTest::newRow("--help") << QStringList{u"--help"_s} << 0 << usage << QString();
    QTest::newRow("Qt's option before -h")
        << QStringList{u"-style"_s, u"Fusion"_s, u"-h"_s} << 0 << usage << QString();
    QTest::newRow("--version") << QStringList{u"--version"_s} << 0
                               << u"批量改名 Renvora "_s + QStringLiteral(RENVORA_VERSION) << QString();
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s, u"a.txt"_s} << 2 << QString()
                                    << u"renvora：未知选项“--bogus”"_s;
    QTest::newRow("option without its value")
        << QStringList{u"-platform"_s} << 2 << QString() << u"renvora：选项“-platform”需要一个值"_s;
}

void TestProgram::answersWithoutAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QProcess program;
    program.setWorkingDirectory(dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RENVORA_PROGRAM), arguments);
    QVERIFY(program.waitForFinished());

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QStringList printed = QString::fromUtf8(program.readAllStandardOutput()).split(u'\n');
    const QStringList complained = QString::fromUtf8(program.readAllStandardError()).split(u'\n');
    QCOMPARE(printed.first(), output);
    QCOMPARE(complained.first(), error);
    if (exitCode == 2)
        QCOMPARE(complained.value(1), u"用法：renvora [选项] [文件或文件夹...]"_s);
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
