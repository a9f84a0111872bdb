#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

// The documents a reader opens first; every picture and file they link to must be there.
const char* const Documents[] = {"README.md", "docs/guide.zh.md"};

QString contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The targets of the Markdown links and images, and of <img src>, outside code, where "](" may
// be part of an example.
QStringList linkTargets(QString text)
{
    static const QRegularExpression code(QStringLiteral("```.*?```|`[^`\n]*`"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression link(QStringLiteral(R"re(\]\(\s*<?([^)\s>]+)>?(?:\s+"[^"]*")?\s*\))re"
                                                        R"re(|<img\s[^>]*src="([^"]+)")re"));
    text.remove(code);
    QStringList targets;
    for (const QRegularExpressionMatch& m : link.globalMatch(text))
        targets << (m.hasCaptured(1) ? m.captured(1) : m.captured(2));
    return targets;
}

// Web addresses and anchors within the page are no files of the project.
bool isProjectFile(const QString& target)
{
    static const QRegularExpression scheme(QStringLiteral("^[a-zA-Z][a-zA-Z0-9+.-]*:"));
    return !target.startsWith(u'#') && !scheme.match(target).hasMatch();
}

} // namespace

class DocLinksTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linkedFilesExist_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("target");
        const QDir source(QStringLiteral(SOURCE_DIR));
        for (const char* document : Documents) {
            const QString path = source.filePath(QString::fromLatin1(document));
            const QStringList targets = linkTargets(contents(path));
            // A document without links has lost them, or is not there at all.
            QTest::addRow("%s links somewhere", document) << path << QString();
            for (const QString& target : targets) {
                if (isProjectFile(target))
                    QTest::addRow("%s -> %s", document, qPrintable(target)) << path << target;
            }
        }
    }

    void linkedFilesExist()
    {
        QFETCH(QString, document);
        QFETCH(QString, target);
        if (target.isEmpty()) {
            QVERIFY2(!linkTargets(contents(document)).isEmpty(), qPrintable(document));
            return;
        }
        const QString file = target.section(u'#', 0, 0);
        const QFileInfo linked(QFileInfo(document).dir(), QUrl::fromPercentEncoding(file.toUtf8()));
        QVERIFY2(linked.exists(), qPrintable(linked.filePath()));
    }
};

QTEST_GUILESS_MAIN(DocLinksTest)
#include "tst_doclinks.moc"
