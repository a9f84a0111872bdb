#pragma once

#include "workbook/PartStatus.h"

#include <QIODevice>

// Reads the part a minizip handle has open, unpacking as it is read, so that a large part is
// never held whole. It stops with TooLarge past its limit or past what is left of a budget shared
// by the parts of one package; a part that unpacks to other bytes than were packed is Damaged.
class ZipPartDevice : public QIODevice
{
public:
    // zip is minizip's unzFile with the part opened; budget is debited by what is read.
    ZipPartDevice(void* zip, qint64 limit, qint64& budget);
    ~ZipPartDevice() override;

    bool isSequential() const override { return true; }
    bool atEnd() const override { return m_ended; }

    // Reads what is left and checks the part's checksum; Read when the part is whole.
    PartStatus finish();
    PartStatus status() const { return m_status; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    void end(PartStatus status);

    void* m_zip;
    qint64 m_left;
    qint64& m_budget;
    bool m_ended = false;
    PartStatus m_status = PartStatus::Read;
};
