#include "facts/CameraName.h"

namespace {

// The first word of the maker's name, "NIKON" of "NIKON CORPORATION".
QStringView firstWord(QStringView text)
{
    const qsizetype space = text.indexOf(u' ');
    return space < 0 ? text : text.left(space);
}

bool startsWithWord(QStringView text, QStringView word)
{
    return !word.isEmpty() && text.startsWith(word, Qt::CaseInsensitive) &&
           (text.size() == word.size() || text.at(word.size()).isSpace());
}

} // namespace

std::optional<QString> cameraName(const QString& make, const QString& model)
{
    const QString maker = make.simplified();
    const QString name = model.simplified();
    if (name.isEmpty())
        return maker.isEmpty() ? std::nullopt : std::optional<QString>(maker);
    if (maker.isEmpty() || startsWithWord(name, firstWord(maker)))
        return name;
    return maker + u' ' + name;
}
