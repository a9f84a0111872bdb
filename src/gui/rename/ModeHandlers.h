#pragma once

#include "gui/rename/ModeControls.h"
#include "rename/RunSettings.h"

#include <QObject>
#include <QString>
#include <optional>

class PlatformServices;
class Progress;
class Sheet;

// Handlers of the rename modes (Option1 to Option3, Check1, ysq) and the single-file derivation
// settings (Check2, yss2, Command2). Owns the target folder of copies; the table build and the
// run read the modes and the folder from here.
class ModeHandlers : public QObject
{
    Q_OBJECT

public:
    ModeHandlers(const ModeControls& controls, PlatformServices& platform, Sheet& sheet, Progress& progress);

    // The start-up state: batch renaming in place, no derivation.
    void loadDefaults();

    RunSettings settings() const;
    // The folder copies go to, with its trailing separator; empty until one is chosen.
    QString targetFolder() const { return m_targetFolder; }
    // 文件衍生数 is on: every row is a copy of the first row's file.
    bool batchDerivationOn() const;
    // Text1 shows the target folder.
    void showTargetFolder();

public Q_SLOTS:
    // A collection empties the derivation settings; a drop also switches to renaming in place.
    void collectionStarted(bool byDrop);
    // Offers 文件衍生数 when the collection left a single file to copy.
    void collectionFinished();

Q_SIGNALS:
    // The single-file derivation was switched on or off: the collection starts over.
    void singleFileDerivationToggled();

private:
    void option1Click();
    void option2Click();
    void option3Click();
    void check1Click();
    void check2Click();
    void ysqClick();
    void yss2Click();
    void command2Click();

    // Asks for the target folder of copies; a cancelled browser keeps the one chosen before.
    void pickFolder(const QString& prompt);
    void offerBatchCount(bool offered);
    void clearBatchCount();
    void resetTableForSingleFile();
    std::optional<qsizetype> derivationCount();

    const ModeControls m_controls;
    PlatformServices& m_platform;
    Sheet& m_sheet;
    Progress& m_progress;
    QString m_targetFolder;
};
