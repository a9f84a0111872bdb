#pragma once

#include "workbook/PartStatus.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

class ZipPartDevice;

// A zip package of parts, as .xlsx and .ods workbooks are; in .xlsx, relationships tie the parts
// together: the package's lead to the workbook part, the workbook's to its sheets. What the parts
// unpack to together is bounded by a budget, so that a small file cannot take the machine's memory.
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

    // False when the file is no zip archive. Sets the budget for the file's size.
    bool open(const QString& path);
    void setUnpackedBudget(qint64 bytes) { m_budget = bytes; }

    bool hasPart(const QString& name) const;
    // The part's bytes, at most limit of them.
    PartStatus read(const QString& name, qint64 limit, QByteArray& bytes) const;
    // The part to read as it unpacks; null with the reason when it cannot be opened. Only one
    // part is open at a time: the device must go before the next part is read.
    std::unique_ptr<ZipPartDevice> stream(const QString& name, qint64 limit, PartStatus& status) const;

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
    // targets (links to elsewhere) are left out.
    PartStatus relationships(const QString& sourcePart, QList<Relationship>& found) const;

    // The first of the relationships whose type ends in "/" + kind (so that both the
    // transitional and the strict schema's types match).
    static std::optional<Relationship> firstOfKind(const QList<Relationship>& relationships,
                                                   QStringView kind);

private:
    void* m_zip = nullptr; // minizip's unzFile
    mutable qint64 m_budget = 0;
};
