#include "gui/rename/ModeHandlers.h"

#include "gui/ControlEvents.h"
#include "gui/Form1.h"
#include "gui/PlatformServices.h"
#include "base/DialogPaths.h"
#include "base/NativeName.h"
#include "base/TrailingSeparator.h"
#include "base/WholeNumber.h"
#include "collect/FileListModel.h"
#include "rename/DerivationTable.h"
#include "table/SheetModel.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString FolderPrompt = QStringLiteral("请选择复制改名文件存放目录");
}

ModeHandlers::ModeHandlers(Form1& form) : m_form(form)
{
    ControlEvents::onClick(m_form.Option1, this, [this] { option1Click(); });
    ControlEvents::onClick(m_form.Option2, this, [this] { option2Click(); });
    ControlEvents::onClick(m_form.Option3, this, [this] { option3Click(); });
    ControlEvents::onClick(m_form.Check1, this, [this] { check1Click(); });
    ControlEvents::onClick(m_form.Check2, this, [this] { check2Click(); });
    ControlEvents::onClick(m_form.ysq, this, [this] { ysqClick(); });
    ControlEvents::onClick(m_form.yss2, this, [this] { yss2Click(); });
    connect(m_form.Command2, &QPushButton::clicked, this, &ModeHandlers::command2Click);
    // The batch derivation count is typed into yanshengshu: it is usable whenever ysq is.
    m_form.ysq->installEventFilter(this);
}

bool ModeHandlers::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form.ysq && event->type() == QEvent::EnabledChange)
        followBatchCountState();
    return QObject::eventFilter(watched, event);
}

void ModeHandlers::followBatchCountState()
{
    // The single-file derivation keeps the field for its own count.
    if (m_form.ysq->isEnabled())
        m_form.yanshengshu->setEnabled(true);
    else if (!m_form.Check2->isChecked())
        m_form.yanshengshu->setEnabled(false);
}

void ModeHandlers::pickFolder(const QString& prompt)
{
    const QString chosen = m_form.platform->chooseFolder(prompt);
    if (const std::optional<QString> exact = exactPathOf(chosen); !exact)
        m_form.tell(QStringLiteral("所选目录的名称含有无法识别的字节，仍使用原来的目录"));
    else if (!exact->isEmpty())
        m_form.targetFolder = QDir::toNativeSeparators(*exact);
    // A folder that already ends in its separator (a root, or the one kept from before) gets no second one.
    m_form.targetFolder = withTrailingSeparator(m_form.targetFolder);
}

void ModeHandlers::clearBatchCount()
{
    m_form.ysq->setEnabled(false);
    m_form.ysq->setChecked(false);
}

void ModeHandlers::option1Click()
{
    clearBatchCount();
}

void ModeHandlers::option2Click()
{
    pickFolder(FolderPrompt);
    m_form.tell(NativeName::display(m_form.targetFolder));
    m_form.Text1->setText(NativeName::display(m_form.targetFolder));
}

void ModeHandlers::option3Click()
{
    clearBatchCount();
}

void ModeHandlers::check1Click()
{
    if (!m_form.Check1->isChecked())
        return;
    m_form.Check2->setChecked(false);
    m_form.yss1->setEnabled(false);
    m_form.yss2->setEnabled(false);
    m_form.Option1->setEnabled(true);
    m_form.Option2->setEnabled(true);
    m_form.Option3->setEnabled(true);
    m_form.yanshengshu->setEnabled(m_form.ysq->isEnabled());
}

void ModeHandlers::check2Click()
{
    m_form.files->clear();
    if (m_form.Check2->isChecked()) {
        m_form.Check1->setChecked(false);
        m_form.Option1->setEnabled(false);
        m_form.Option2->setEnabled(false);
        m_form.Option3->setEnabled(false);
        m_form.yss1->setChecked(true);
        m_form.yanshengshu->setEnabled(true);
    }
    resetTableForSingleFile();
}

void ModeHandlers::resetTableForSingleFile()
{
    // One file, or none, is already what a derivation starts from.
    if (m_form.table->sheet().dataRowCount() <= 1)
        return;
    DerivationTable::resetForSingleFile(m_form.table->sheet());
    m_form.tell(QStringLiteral("请选择需要衍生的单文件"));
}

std::optional<qsizetype> ModeHandlers::derivationCount()
{
    const auto count = digitsOnlyNumber(m_form.yanshengshu->text());
    if (!count) {
        m_form.tell(QStringLiteral("文件衍生数必须是0或正整数"));
        return std::nullopt;
    }
    if (*count > DerivationTable::MaxCount) {
        m_form.tell(QStringLiteral("文件衍生数不能超过") + QString::number(DerivationTable::MaxCount));
        return std::nullopt;
    }
    return count;
}

void ModeHandlers::ysqClick()
{
    if (m_refusingBatchCount)
        return;
    const auto count = derivationCount();
    if (!count) {
        // A refused count leaves the box as it was before the click.
        if (m_form.ysq->isChecked()) {
            m_refusingBatchCount = true;
            m_form.ysq->setChecked(false);
            m_refusingBatchCount = false;
        }
        return;
    }
    DerivationTable::repeatFirstRow(m_form.table->sheet(), *count, m_form.Option2->isChecked());
}

void ModeHandlers::yss2Click()
{
    pickFolder(FolderPrompt);
    m_form.tell(NativeName::display(m_form.targetFolder));
    DerivationTable::writeCopyFolders(m_form.table->sheet(), m_form.targetFolder);
}

void ModeHandlers::command2Click()
{
    if (!m_form.Check2->isChecked()) {
        m_form.yss1->setEnabled(true);
        m_form.yss2->setEnabled(true);
        return;
    }
    const auto count = derivationCount();
    if (!count)
        return;
    m_form.yss1->setEnabled(true);
    m_form.yss2->setEnabled(true);
    DerivationTable::fillFromFirstRow(m_form.table->sheet(), *count, *m_form.progress);
}
