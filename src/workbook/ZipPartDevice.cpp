#include "workbook/ZipPartDevice.h"

#include <unzip.h>

#include <algorithm>

ZipPartDevice::ZipPartDevice(void* zip, qint64 limit, qint64& budget)
    : m_zip(zip), m_left(std::min(limit, budget)), m_budget(budget)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

ZipPartDevice::~ZipPartDevice()
{
    if (!m_ended)
        unzCloseCurrentFile(m_zip);
}

void ZipPartDevice::end(PartStatus status)
{
    // Closing checks the checksum, but only of a part read to its end.
    const int closed = unzCloseCurrentFile(m_zip);
    m_ended = true;
    m_status = status == PartStatus::Read && closed != UNZ_OK ? PartStatus::Damaged : status;
}

qint64 ZipPartDevice::readData(char* data, qint64 maxSize)
{
    if (m_ended)
        return -1;
    // One byte beyond the limit tells a part that is too large from one that fills it exactly.
    const qint64 wanted = std::min({maxSize, m_left + 1, qint64(1) << 20});
    const int read = unzReadCurrentFile(m_zip, data, unsigned(wanted));
    if (read < 0) {
        end(PartStatus::Damaged);
        return -1;
    }
    if (read > m_left) {
        end(PartStatus::TooLarge);
        return -1;
    }
    m_left -= read;
    m_budget -= read;
    if (read == 0) {
        end(PartStatus::Read);
        return m_status == PartStatus::Read ? 0 : -1;
    }
    return read;
}

PartStatus ZipPartDevice::finish()
{
    char buffer[64 * 1024];
    while (!m_ended && read(buffer, sizeof buffer) >= 0) {
    }
    return m_status;
}
