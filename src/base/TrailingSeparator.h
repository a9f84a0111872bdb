#pragma once

#include <QString>

// The folder with one separator at its end, the way the table and the scan hold folders: a
// folder that already ends in one, the root among them, gets none added, and an empty folder
// stays empty rather than turning into the root.
QString withTrailingSeparator(const QString& folder);
