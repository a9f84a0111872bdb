#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

class CollectedFiles;
class Progress;
class Sheet;

struct TableBuildOptions
{
    bool copyToTarget = false; // the mode that copies into a target folder fills column G
    bool distribute = false;   // the distribution mode names column C after folders
    QString targetFolder;
    QChar separator = QDir::separator();
};

// Writes the header row and one data row per file that has an extension: number (A), base name
// (B, and J as the name source), extension with its dot (D, E), folder (F) and, when copying,
// the target folder (G). Clears nothing, so cells it does not write keep their contents.
// Returns the number of data rows written.
qsizetype buildTable(Sheet& sheet, const QStringList& files, const TableBuildOptions& options,
                     Progress& progress);
// The same for files collected already; they keep the separator they were split at.
qsizetype buildTable(Sheet& sheet, const CollectedFiles& files, const TableBuildOptions& options,
                     Progress& progress);
