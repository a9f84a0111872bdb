#include "FileSizeLimit.h"
#include "base/NativeName.h"
#include "rename/LinuxFileSystem.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class LinuxFileSystemTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    LinuxFileSystem m_fs;

    QString path(const QString& name) const { return m_dir->filePath(name); }

    void write(const QString& name, const QByteArray& content)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // A file whose name is given as the file system's bytes.
    void writeBytes(const QByteArray& name, const QByteArray& content)
    {
        const QByteArray full = QFile::encodeName(m_dir->path()) + '/' + name;
        const int fd = ::open(full.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, content.constData(), size_t(content.size())), ssize_t(content.size()));
        ::close(fd);
    }

    QByteArray readBytes(const QByteArray& name) const
    {
        const int fd = ::open((QFile::encodeName(m_dir->path()) + '/' + name).constData(), O_RDONLY);
        if (fd < 0)
            return "<missing>";
        char buffer[64];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        ::close(fd);
        return QByteArray(buffer, int(n));
    }

    QStringList entries() const
    {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void renameGivesTheFileItsNewName()
    {
        write(u"a.txt"_s, "A");
        QVERIFY(m_fs.renameNoReplace(path(u"a.txt"_s), path(u"b.txt"_s)).ok());
        QCOMPARE(entries(), QStringList{u"b.txt"_s});
        QCOMPARE(read(u"b.txt"_s), QByteArray("A"));
    }

    void renameOntoAnExistingNameLeavesBothFiles()
    {
        write(u"a.txt"_s, "A");
        write(u"b.txt"_s, "B");
        const FileOutcome outcome = m_fs.renameNoReplace(path(u"a.txt"_s), path(u"b.txt"_s));
        QCOMPARE(outcome.reason(), u"目标已存在"_s);
        QCOMPARE(read(u"a.txt"_s), QByteArray("A"));
        QCOMPARE(read(u"b.txt"_s), QByteArray("B"));
    }

    void caseOnlyRenameWorks()
    {
        write(u"photo.JPG"_s, "P");
        QVERIFY(m_fs.renameNoReplace(path(u"photo.JPG"_s), path(u"photo.jpg"_s)).ok());
        QCOMPARE(entries(), QStringList{u"photo.jpg"_s});
        QCOMPARE(read(u"photo.jpg"_s), QByteArray("P"));
    }

    void destinationThatIsTheSourceItselfGoesThroughATemporaryName()
    {
        // What a name differing only in case is where names ignore case: the same file.
        write(u"a.txt"_s, "A");
        QVERIFY(m_fs.renameNoReplace(path(u"a.txt"_s), m_dir->path() + u"/./a.txt"_s).ok());
        QCOMPARE(entries(), QStringList{u"a.txt"_s});
        QCOMPARE(read(u"a.txt"_s), QByteArray("A"));
    }

    void secondNameOfTheSameFileIsNotReplaced()
    {
        write(u"a.txt"_s, "A");
        QCOMPARE(::link(QFile::encodeName(path(u"a.txt"_s)).constData(),
                        QFile::encodeName(path(u"b.txt"_s)).constData()),
                 0);
        const FileOutcome outcome = m_fs.renameNoReplace(path(u"a.txt"_s), path(u"b.txt"_s));
        QCOMPARE(outcome.reason(), u"目标已存在"_s);
        // Both names are back, and no temporary name is left behind.
        QCOMPARE(entries(), (QStringList{u"a.txt"_s, u"b.txt"_s}));
    }

    void renameFailureNamesWhatIsMissing_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("reason");
        QTest::newRow("source gone") << u"gone.txt"_s << u"b.txt"_s << u"源文件不存在"_s;
        QTest::newRow("destination folder missing")
            << u"a.txt"_s << u"nowhere/b.txt"_s << u"目标目录不存在"_s;
        QTest::newRow("a file where the destination's folder should be")
            << u"a.txt"_s << u"a.txt/b.txt"_s << u"目标不是目录"_s;
    }

    void renameFailureNamesWhatIsMissing()
    {
        QFETCH(QString, source);
        QFETCH(QString, destination);
        QFETCH(QString, reason);
        write(u"a.txt"_s, "A");
        QCOMPARE(m_fs.renameNoReplace(path(source), path(destination)).reason(), reason);
        QCOMPARE(entries(), QStringList{u"a.txt"_s});
        QCOMPARE(m_fs.copyExclusive(path(source), path(destination)).reason(), reason);
        QCOMPARE(entries(), QStringList{u"a.txt"_s});
    }

    void copyMakesANewFile()
    {
        write(u"a.txt"_s, "content");
        const QDateTime taken(QDate(2019, 5, 4), QTime(10, 30, 15));
        {
            QFile original(path(u"a.txt"_s));
            QVERIFY(original.open(QIODevice::ReadWrite));
            QVERIFY(original.setFileTime(taken, QFileDevice::FileModificationTime));
        }
        QVERIFY(m_fs.copyExclusive(path(u"a.txt"_s), path(u"b.txt"_s)).ok());
        // Written under a temporary name first, then given its own: nothing else is left.
        QCOMPARE(entries(), (QStringList{u"a.txt"_s, u"b.txt"_s}));
        QCOMPARE(read(u"a.txt"_s), QByteArray("content"));
        QCOMPARE(read(u"b.txt"_s), QByteArray("content"));
        // A copy of a photo keeps the time it was taken.
        QCOMPARE(QFileInfo(path(u"b.txt"_s)).lastModified(), taken);
    }

    void namesThatAreNotTextReachTheirOwnFile_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::newRow("rename") << false;
        QTest::newRow("copy") << true;
    }

    void namesThatAreNotTextReachTheirOwnFile()
    {
        QFETCH(bool, copy);
        // A lossy decoding takes both for one name: a\uFFFD.txt.
        writeBytes("a\xE9.txt", "E9");
        writeBytes("a\xEF\xBF\xBD.txt", "FFFD");
        const QString source = m_dir->path() + u'/' + NativeName::fromBytes("a\xE9.txt");
        const FileOutcome outcome = copy ? m_fs.copyExclusive(source, path(u"修好.txt"_s))
                                         : m_fs.renameNoReplace(source, path(u"修好.txt"_s));
        QVERIFY(outcome.ok());
        QCOMPARE(read(u"修好.txt"_s), QByteArray("E9"));
        QCOMPARE(readBytes("a\xE9.txt"), copy ? QByteArray("E9") : QByteArray("<missing>"));
        QCOMPARE(readBytes("a\xEF\xBF\xBD.txt"), QByteArray("FFFD"));
    }

    void copyKeepsEveryByte_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("larger than one buffer") << QByteArray(200 * 1024 + 7, 'y') << false;
        QTest::newRow("read-only original") << QByteArray("scan") << true;
    }

    void copyKeepsEveryByte()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, readOnly);
        write(u"a.bin"_s, content);
        if (readOnly)
            QVERIFY(QFile::setPermissions(path(u"a.bin"_s), QFileDevice::ReadOwner));
        QVERIFY(m_fs.copyExclusive(path(u"a.bin"_s), path(u"b.bin"_s)).ok());
        QCOMPARE(read(u"b.bin"_s), content);
    }

    void copyRefusesWhatIsNoFile_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::newRow("a folder") << false;
        QTest::newRow("a pipe, without waiting for a writer") << true;
    }

    void copyRefusesWhatIsNoFile()
    {
        QFETCH(bool, pipe);
        const QByteArray source = QFile::encodeName(path(u"source"_s));
        QCOMPARE(pipe ? ::mkfifo(source.constData(), 0600) : ::mkdir(source.constData(), 0700), 0);
        QVERIFY(!m_fs.copyExclusive(path(u"source"_s), path(u"copy"_s)).ok());
        QVERIFY(!m_fs.exists(path(u"copy"_s)));
    }

    void copyOntoAnExistingFileLeavesItUntouched()
    {
        write(u"a.txt"_s, "new");
        write(u"b.txt"_s, "old");
        QCOMPARE(m_fs.copyExclusive(path(u"a.txt"_s), path(u"b.txt"_s)).reason(), u"目标已存在"_s);
        QCOMPARE(read(u"b.txt"_s), QByteArray("old"));
        QCOMPARE(m_fs.copyExclusive(path(u"a.txt"_s), path(u"a.txt"_s)).reason(), u"目标已存在"_s);
        QCOMPARE(read(u"a.txt"_s), QByteArray("new"));
        QVERIFY(QDir(m_dir->path()).mkdir(u"folder"_s));
        QCOMPARE(m_fs.copyExclusive(path(u"a.txt"_s), path(u"folder"_s)).reason(), u"目标已存在"_s);
        QVERIFY(m_fs.isFolder(path(u"folder"_s)));
    }

    void copyThatFailsHalfwayLeavesNoPartialFile()
    {
        write(u"big.bin"_s, QByteArray(64 * 1024, 'x'));
        // A file size limit makes the copy's writes fail part of the way through, as a full
        // disk would.
        FileOutcome outcome;
        {
            const FileSizeLimit limit(4096);
            outcome = m_fs.copyExclusive(path(u"big.bin"_s), path(u"copy.bin"_s));
        }

        QVERIFY(!outcome.ok());
        QCOMPARE(entries(), QStringList{u"big.bin"_s});
        QCOMPARE(read(u"big.bin"_s).size(), 64 * 1024);
    }

    void createFolderNeedsItsParent()
    {
        QVERIFY(m_fs.createFolder(path(u"out"_s)).ok());
        QVERIFY(m_fs.isFolder(path(u"out"_s)));
        QCOMPARE(m_fs.createFolder(path(u"out"_s)).reason(), u"目标已存在"_s);
        QCOMPARE(m_fs.createFolder(path(u"missing/sub"_s)).reason(), u"目标目录不存在"_s);
        QVERIFY(!m_fs.exists(path(u"missing"_s)));
    }

    void systemErrorsBecomeReasons_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no access") << EACCES << u"没有权限"_s;
        QTest::newRow("not permitted") << EPERM << u"没有权限"_s;
        QTest::newRow("read-only file system") << EROFS << u"只读文件系统"_s;
        QTest::newRow("full disk") << ENOSPC << u"磁盘空间不足"_s;
        QTest::newRow("over the quota") << EDQUOT << u"磁盘空间不足"_s;
        QTest::newRow("name too long") << ENAMETOOLONG << u"文件名太长"_s;
        QTest::newRow("name the file system cannot store") << EILSEQ << u"文件名含有非法字符"_s;
        QTest::newRow("existing name") << EEXIST << u"目标已存在"_s;
    }

    void systemErrorsBecomeReasons()
    {
        QFETCH(int, error);
        QFETCH(QString, reason);
        QCOMPARE(LinuxFileSystem::outcomeFor(error, QFile::encodeName(path(u"a.txt"_s))).reason(), reason);
    }

    void otherErrorsKeepTheSystemsWords()
    {
        const FileOutcome outcome = LinuxFileSystem::outcomeFor(EIO, QFile::encodeName(path(u"a.txt"_s)));
        QCOMPARE(outcome.failure, FileOutcome::Failure::Other);
        QCOMPARE(outcome.reason(), u"其他错误:"_s + QString::fromLocal8Bit(std::strerror(EIO)));
    }
};

QTEST_GUILESS_MAIN(LinuxFileSystemTest)
#include "tst_linuxfilesystem.moc"
