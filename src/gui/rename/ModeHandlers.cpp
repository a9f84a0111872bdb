#include "gui/rename/ModeHandlers.h"

#include "base/DialogPaths.h"
#include "base/NativeName.h"
#include "base/TrailingSeparator.h"
#include "base/WholeNumber.h"
#include "gui/ControlEvents.h"
#include "gui/PlatformServices.h"
#include "rename/DerivationTable.h"
#include "table/Sheet.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
const QString FolderPrompt = QStringLiteral("请选择复制改名文件存放目录");
}

ModeHandlers::ModeHandlers(const ModeControls& controls, PlatformServices& platform, Sheet& sheet,
                           Progress& progress)
    : m_controls(controls), m_platform(platform), m_sheet(sheet), m_progress(progress)
{
    ControlEvents::onClick(m_controls.Option1, this, [this] { option1Click(); });
    ControlEvents::onClick(m_controls.Option2, this, [this] { option2Click(); });
    ControlEvents::onClick(m_controls.Option3, this, [this] { option3Click(); });
    ControlEvents::onClick(m_controls.Check1, this, [this] { check1Click(); });
    ControlEvents::onClick(m_controls.Check2, this, [this] { check2Click(); });
    ControlEvents::onClick(m_controls.ysq, this, [this] { ysqClick(); });
    ControlEvents::onClick(m_controls.yss2, this, [this] { yss2Click(); });
    connect(m_controls.Command2, &QPushButton::clicked, this, &ModeHandlers::command2Click);
}

void ModeHandlers::loadDefaults()
{
    const ModeControls& c = m_controls;
    c.Check1->setChecked(true);
    c.Check2->setChecked(false);
    c.yss1->setEnabled(false);
    c.yss2->setEnabled(false);
    offerBatchCount(false);
    c.ysq->setChecked(false);
    c.Option1->setChecked(true);
    c.Option2->setChecked(false);
}

RunSettings ModeHandlers::settings() const
{
    const ModeControls& c = m_controls;
    RunSettings settings;
    settings.batch = c.Check1->isChecked();
    if (c.Option1->isChecked())
        settings.batchMode = RunSettings::BatchMode::RenameInPlace;
    else if (c.Option2->isChecked())
        settings.batchMode = RunSettings::BatchMode::CopyToTarget;
    else if (c.Option3->isChecked())
        settings.batchMode = RunSettings::BatchMode::Distribute;
    else
        settings.batchMode = RunSettings::BatchMode::None;
    settings.derive = c.Check2->isChecked();
    settings.deriveInPlace = c.yss1->isChecked();
    return settings;
}

bool ModeHandlers::batchDerivationOn() const
{
    return m_controls.ysq->isChecked();
}

void ModeHandlers::showTargetFolder()
{
    m_controls.Text1->setText(NativeName::display(m_targetFolder));
}

// The single-file derivation starts over with every collection. A drop always ends in renaming
// in place; Option1's own handler runs as on a click.
void ModeHandlers::collectionStarted(bool byDrop)
{
    m_controls.yss1->setEnabled(false);
    m_controls.yss2->setEnabled(false);
    if (byDrop)
        m_controls.Option1->setChecked(true);
    m_controls.yanshengshu->clear();
}

// 文件衍生数 copies one file many times while copying to another folder: it is offered only
// when that mode is on and the table holds a single file.
void ModeHandlers::collectionFinished()
{
    const bool singleFile = m_controls.Option2->isChecked() && m_sheet.dataRowCount() == 1;
    offerBatchCount(singleFile);
    if (!singleFile)
        m_controls.ysq->setChecked(false);
}

// The one place that offers or withdraws 文件衍生数 (ysq). Its count is typed into yanshengshu,
// which follows the box whenever the box changes, except that the single-file derivation keeps
// the field for its own count.
void ModeHandlers::offerBatchCount(bool offered)
{
    if (m_controls.ysq->isEnabled() == offered)
        return;
    m_controls.ysq->setEnabled(offered);
    if (offered)
        m_controls.yanshengshu->setEnabled(true);
    else if (!m_controls.Check2->isChecked())
        m_controls.yanshengshu->setEnabled(false);
}

void ModeHandlers::pickFolder(const QString& prompt)
{
    const QString chosen = m_platform.chooseFolder(prompt);
    if (const std::optional<QString> exact = exactPathOf(chosen); !exact)
        m_platform.tell(QStringLiteral("所选目录的名称含有无法识别的字节，仍使用原来的目录"));
    else if (!exact->isEmpty())
        m_targetFolder = QDir::toNativeSeparators(*exact);
    // A folder that already ends in its separator (a root, or the one kept from before) gets no second one.
    m_targetFolder = withTrailingSeparator(m_targetFolder);
}

void ModeHandlers::clearBatchCount()
{
    offerBatchCount(false);
    m_controls.ysq->setChecked(false);
}

void ModeHandlers::option1Click()
{
    clearBatchCount();
}

void ModeHandlers::option2Click()
{
    pickFolder(FolderPrompt);
    m_platform.tell(NativeName::display(m_targetFolder));
    showTargetFolder();
}

void ModeHandlers::option3Click()
{
    clearBatchCount();
}

void ModeHandlers::check1Click()
{
    const ModeControls& c = m_controls;
    if (!c.Check1->isChecked())
        return;
    c.Check2->setChecked(false);
    c.yss1->setEnabled(false);
    c.yss2->setEnabled(false);
    c.Option1->setEnabled(true);
    c.Option2->setEnabled(true);
    c.Option3->setEnabled(true);
    c.yanshengshu->setEnabled(c.ysq->isEnabled());
}

void ModeHandlers::check2Click()
{
    const ModeControls& c = m_controls;
    Q_EMIT singleFileDerivationToggled();
    if (c.Check2->isChecked()) {
        c.Check1->setChecked(false);
        c.Option1->setEnabled(false);
        c.Option2->setEnabled(false);
        c.Option3->setEnabled(false);
        c.yss1->setChecked(true);
        c.yanshengshu->setEnabled(true);
    }
    resetTableForSingleFile();
}

void ModeHandlers::resetTableForSingleFile()
{
    // One file, or none, is already what a derivation starts from.
    if (m_sheet.dataRowCount() <= 1)
        return;
    DerivationTable::resetForSingleFile(m_sheet);
    m_platform.tell(QStringLiteral("请选择需要衍生的单文件"));
}

std::optional<qsizetype> ModeHandlers::derivationCount()
{
    const auto count = digitsOnlyNumber(m_controls.yanshengshu->text());
    if (!count) {
        m_platform.tell(QStringLiteral("文件衍生数必须是0或正整数"));
        return std::nullopt;
    }
    if (*count > DerivationTable::MaxCount) {
        m_platform.tell(QStringLiteral("文件衍生数不能超过") + QString::number(DerivationTable::MaxCount));
        return std::nullopt;
    }
    return count;
}

void ModeHandlers::ysqClick()
{
    const auto count = derivationCount();
    if (!count) {
        // A refused count leaves the box as it was before the click. The box is unchecked with
        // its signals held back, so that this handler does not run again for the un-check.
        if (m_controls.ysq->isChecked()) {
            const QSignalBlocker holdBack(m_controls.ysq);
            m_controls.ysq->setChecked(false);
        }
        return;
    }
    DerivationTable::repeatFirstRow(m_sheet, *count, m_controls.Option2->isChecked());
}

void ModeHandlers::yss2Click()
{
    pickFolder(FolderPrompt);
    m_platform.tell(NativeName::display(m_targetFolder));
    DerivationTable::writeCopyFolders(m_sheet, m_targetFolder);
}

void ModeHandlers::command2Click()
{
    const ModeControls& c = m_controls;
    if (!c.Check2->isChecked()) {
        c.yss1->setEnabled(true);
        c.yss2->setEnabled(true);
        return;
    }
    const auto count = derivationCount();
    if (!count)
        return;
    c.yss1->setEnabled(true);
    c.yss2->setEnabled(true);
    DerivationTable::fillFromFirstRow(m_sheet, *count, m_progress);
}
