#include "rules/NamePiece.h"

#include "rules/Characters.h"

QString NamePiece::cutFrom(const QString& name) const
{
    switch (from) {
    case From::Left:
        return leftCharacters(name, count);
    case From::Right:
        return rightCharacters(name, count);
    case From::Middle:
        return midCharacters(name, start, count);
    }
    return name;
}
