#include "gui/facts/FileFactsHandler.h"

#include "base/Progress.h"
#include "table/Sheet.h"

#include <QBoxLayout>
#include <QProgressBar>
#include <QPushButton>

FileFactsHandler::FileFactsHandler(QProgressBar* bar, Sheet& sheet, Progress& progress)
    : m_sheet(sheet), m_progress(progress), m_facts(sheet, m_reader),
      m_stop(new QPushButton(QStringLiteral("停止读取")))
{
    m_stop->setObjectName(QStringLiteral("cmdStopFacts"));
    m_stop->setAccessibleName(QStringLiteral("停止读取文件信息"));
    m_stop->hide();
    if (auto* row = qobject_cast<QBoxLayout*>(bar->parentWidget()->layout()))
        row->insertWidget(row->indexOf(bar) + 1, m_stop);
    connect(m_stop, &QPushButton::clicked, this, &FileFactsHandler::stop);

    m_delivery.setInterval(DeliveryIntervalMs);
    connect(&m_delivery, &QTimer::timeout, this, &FileFactsHandler::deliver);
    // Called while the sheet calculates: only the timer and the button are touched.
    m_facts.setReadingStarted([this] { started(); });
    m_sheet.setFileInfoProvider(&m_facts);
}

FileFactsHandler::~FileFactsHandler()
{
    m_sheet.setFileInfoProvider(nullptr);
}

QString FileFactsHandler::unfinishedReason() const
{
    if (!isReading())
        return {};
    return QStringLiteral(
        "文件信息（FILEINFO）还在读取中，新文件名尚未确定！请等读取完成，或点击“停止读取”后再开始改名！");
}

void FileFactsHandler::started()
{
    m_progress.setMaximum(1);
    m_progress.setValue(0);
    m_stop->show();
    m_delivery.start();
}

void FileFactsHandler::deliver()
{
    m_facts.deliver();
    if (!m_facts.isPending()) {
        finish();
        return;
    }
    m_progress.setMaximum(m_facts.askedCount());
    m_progress.setValue(m_facts.answeredCount());
}

void FileFactsHandler::stop()
{
    m_facts.cancel();
    finish();
}

void FileFactsHandler::finish()
{
    m_delivery.stop();
    m_stop->hide();
    m_progress.setMaximum(1);
    m_progress.setValue(1);
}
