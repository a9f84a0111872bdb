#include "gui/rename/RunFeedback.h"

#include "base/Progress.h"
#include "gui/PlatformServices.h"

#include <QLineEdit>

#include <algorithm>

RunFeedback::RunFeedback(QLineEdit* rowCountField, Progress& progress, PlatformServices& platform,
                         qint64 dataRows)
    : m_rowCountField(rowCountField), m_progress(progress), m_platform(platform),
      m_step(std::max<qint64>(1, dataRows / 200)) // as often as the bar moves
{
}

void RunFeedback::showRowCount(qint64 rows)
{
    m_shownRows = rows;
    m_rowCountField->setText(QStringLiteral("批量更名的文件数：") + QString::number(rows));
    // The run keeps the event loop waiting: paint now or the count is seen only at the end.
    m_rowCountField->repaint();
    m_pace.painted();
}

void RunFeedback::rowReached(qint64 index)
{
    m_progress.setValue(index);
    if (m_countsRows && (m_shownRows < 0 || (index - m_shownRows >= m_step && m_pace.due())))
        showRowCount(index);
}

bool RunFeedback::acceptFolderForm()
{
    const QString warning = QStringLiteral("请注意:文件分配时候，目录形式要形如：C:\\XX;不能是C:\\XX\\;") +
                            QStringLiteral("\r\n") + QStringLiteral("文件退出，请重新检查EXCEL规则表");
    return m_platform.showMessage(warning, QStringLiteral("XTB"), PlatformServices::Buttons::OkCancel,
                                  PlatformServices::Icon::Critical) == PlatformServices::Answer::Ok;
}
