#include "gui/QtPlatformServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

// The dialogs open where the user last chose something in this session, else at home, never in
// the folder the program happened to be started from.
QString QtPlatformServices::startFolder() const
{
    return m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder;
}

QStringList QtPlatformServices::chooseFiles(const QString& pattern)
{
    const QString filter = pattern + QStringLiteral(" (") + pattern + u')';
    QStringList files = QFileDialog::getOpenFileNames(m_owner, QString(), startFolder(), filter);
    if (!files.isEmpty())
        m_lastFolder = QFileInfo(files.first()).absolutePath();
    for (QString& file : files)
        file = QDir::toNativeSeparators(file);
    return files;
}

QString QtPlatformServices::chooseFile(const QString& patterns)
{
    const QString filter = patterns + QStringLiteral(" (") + patterns + u')';
    const QString file = QFileDialog::getOpenFileName(m_owner, QString(), startFolder(), filter);
    if (!file.isEmpty())
        m_lastFolder = QFileInfo(file).absolutePath();
    return QDir::toNativeSeparators(file);
}

QString QtPlatformServices::chooseFolder(const QString& prompt)
{
    const QString folder = QFileDialog::getExistingDirectory(m_owner, prompt, startFolder());
    if (!folder.isEmpty())
        m_lastFolder = folder;
    return QDir::toNativeSeparators(folder);
}

PlatformServices::Answer QtPlatformServices::showMessage(const QString& text, const QString& title,
                                                         Buttons buttons, Icon icon)
{
    QMessageBox box(m_owner);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setStandardButtons(buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                        : QMessageBox::Ok);
    // A long report never makes the box taller than the screen: beyond its first lines it goes
    // into the box's scrolling details.
    const QScreen* screen = m_owner ? m_owner->screen() : QGuiApplication::primaryScreen();
    if (screen && box.sizeHint().height() > screen->availableGeometry().height() * 3 / 4) {
        const QStringList lines = text.split(u'\n');
        constexpr qsizetype ShownLines = 3;
        box.setText(lines.mid(0, ShownLines).join(u'\n'));
        box.setDetailedText(lines.mid(ShownLines).join(u'\n'));
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void QtPlatformServices::setWaitCursor(bool waiting)
{
    if (waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool QtPlatformServices::openInDefaultApplication(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QDateTime QtPlatformServices::now()
{
    return QDateTime::currentDateTime();
}

QString QtPlatformServices::exportFolder()
{
    return QDir::tempPath();
}
