#include "base/Version.h"
#include "gui/Startup.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

class TestDesktopFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validatorsPass_data();
    void validatorsPass();
    void releaseIsTheProgramsVersion();
    void windowsShowTheProgramsIcon();
};

void TestDesktopFiles::validatorsPass_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("validator");
    QTest::newRow("desktop entry") << QStringLiteral(DESKTOP_ENTRY)
                                   << QStringList{u"desktop-file-validate"_s};
    QTest::newRow("AppStream metainfo")
        << QStringLiteral(METAINFO) << QStringList{u"appstreamcli"_s, u"validate"_s, u"--no-net"_s};
}

void TestDesktopFiles::validatorsPass()
{
    QFETCH(QString, file);
    QFETCH(QStringList, validator);
    const QString tool = QStandardPaths::findExecutable(validator.takeFirst());
    QVERIFY2(!tool.isEmpty(), "scripts/setup installs desktop-file-utils and appstream");
    // The validators judge a file by its name too, so the copy keeps it.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QFileInfo(file).fileName());
    QVERIFY(QFile::copy(file, copy));

    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(tool, validator << copy);
    QVERIFY(run.waitForFinished());
    const QByteArray said = run.readAll();
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, said.constData());
    QVERIFY2(!said.contains("W:") && !said.contains("warning"), said.constData());
}

void TestDesktopFiles::releaseIsTheProgramsVersion()
{
    QFile metainfo(QStringLiteral(METAINFO));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&metainfo);
    while (!(xml.isStartElement() && xml.name() == u"release") && !xml.atEnd())
        xml.readNext();
    const QString release = xml.attributes().value(u"version"_s).toString();

    QProcess program;
    program.start(QStringLiteral(RENVORA_PROGRAM), {u"--version"_s});
    QVERIFY(program.waitForFinished());
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).trimmed().section(u' ', -1), release);
    QCOMPARE(release, QStringLiteral(RENVORA_VERSION));
}

void TestDesktopFiles::windowsShowTheProgramsIcon()
{
    prepareApplication(*qApp);
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(48, 48)));
    QVERIFY(sizes.contains(QSize(256, 256)));
}

QTEST_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"
