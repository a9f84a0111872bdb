#include "base/TrailingSeparator.h"

#include <QDir>

QString withTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}
