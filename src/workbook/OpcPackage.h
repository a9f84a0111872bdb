#pragma once

#include <QList>
#include <QString>

#include <optional>

// A zip package of parts tied together by relationships, as an .xlsx workbook is: the
// package's relationships lead to the workbook part, the workbook's to its sheets.
class OpcPackage
{
public:
    struct Relationship
    {
        QString id;
        QString type;
        QString target; // the part's name inside the package, without a leading "/"
    };

    OpcPackage();
    ~OpcPackage();
    OpcPackage(const OpcPackage&) = delete;
    OpcPackage& operator=(const OpcPackage&) = delete;

    bool open(const QString& path);
    // The part's bytes; nothing when the package has no such part or it cannot be read.
    std::optional<QByteArray> part(const QString& name) const;
    // The first and the last bytes of a part.
    struct PartEdges
    {
        QString name;
        QByteArray head;
        QByteArray tail;
    };
    // The edges of every part, each read through once and never held whole: enough to tell a
    // part cut short. nothing when a part cannot be read.
    std::optional<QList<PartEdges>> partEdges(qsizetype headSize, qsizetype tailSize) const;
    // The relationships of a part, or of the package itself for an empty name. External
    // targets (links to elsewhere) are left out. nullopt when they cannot be read.
    std::optional<QList<Relationship>> relationships(const QString& sourcePart) const;

    // The first of the relationships whose type ends in "/" + kind (so that both the
    // transitional and the strict schema's types match).
    static std::optional<Relationship> firstOfKind(const QList<Relationship>& relationships,
                                                   QStringView kind);

private:
    void* m_zip = nullptr; // minizip's unzFile
};
