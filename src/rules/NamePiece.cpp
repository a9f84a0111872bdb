#include "rules/NamePiece.h"

#include "rules/Characters.h"

QStringView NamePiece::cutFrom(QStringView name) const
{
    switch (from) {
    case From::Left:
        return leftPiece(name, count);
    case From::Right:
        return rightPiece(name, count);
    case From::Middle:
        return midPiece(name, start, count);
    }
    return name;
}
