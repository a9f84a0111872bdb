#pragma once

#include "facts/FactReader.h"
#include "facts/SheetFileFacts.h"

#include <QObject>
#include <QTimer>

class Progress;
class QProgressBar;
class QPushButton;
class Sheet;

// Answers FILEINFO in the table while the window goes on: the files' facts are read on a
// thread of their own, each formula shows #GETTING_DATA until its file's facts arrive, a few
// dozen times a second the arrived ones are calculated in, PBar1 counts them, and 停止读取
// beside the bar ends the reading (what was not read yet becomes #N/A).
class FileFactsHandler : public QObject
{
    Q_OBJECT

public:
    // The stop button goes into the bar's row, right after it.
    FileFactsHandler(QProgressBar* bar, Sheet& sheet, Progress& progress);
    ~FileFactsHandler() override;

    bool isReading() const { return m_facts.isPending(); }
    // Why the table's new names are not final yet, in Chinese; empty when they are.
    QString unfinishedReason() const;

    // The click of the stop button.
    void stop();

private:
    void started();
    void deliver();
    void finish();

    static constexpr int DeliveryIntervalMs = 40;

    Sheet& m_sheet;
    Progress& m_progress;
    FactReader m_reader;
    SheetFileFacts m_facts;
    QTimer m_delivery;
    QPushButton* m_stop;
};
