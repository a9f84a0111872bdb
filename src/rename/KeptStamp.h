#pragma once

#include "base/FileStamp.h"

#include <optional>

// What the record of a run keeps of a destination's stamp (see FileStamp), in 24 bytes where
// the stamp takes 48: the file the name leads to, and a 64-bit digest of its size and times.
// Two stamps of one file that differ share a digest about once in 2^63 tries: an undo that
// removes only a copy still as the run wrote it is no less careful for comparing digests.
class KeptStamp
{
public:
    KeptStamp() = default;
    KeptStamp(const std::optional<FileStamp>& stamp)
    {
        if (!stamp)
            return;
        m_device = stamp->device;
        m_inode = stamp->inode;
        m_digest = digestOf(*stamp);
    }

    // Whether a stamp was taken at all.
    explicit operator bool() const { return m_digest != None; }
    // Whether now is the stamp of the same file, whatever was written to it since.
    bool isSameFile(const FileStamp& now) const { return m_device == now.device && m_inode == now.inode; }
    // Whether now is the stamp kept: the same file, untouched since.
    bool matches(const FileStamp& now) const { return isSameFile(now) && m_digest == digestOf(now); }

private:
    static constexpr quint64 None = 0;

    // Each step a bijection of 64 bits (MurmurHash3's finaliser); the lowest bit is then set,
    // to tell a digest from None.
    static quint64 mix(quint64 x)
    {
        x ^= x >> 33;
        x *= 0xff51afd7ed558ccdULL;
        x ^= x >> 33;
        x *= 0xc4ceb9fe1a85ec53ULL;
        return x ^ (x >> 33);
    }
    static quint64 digestOf(const FileStamp& stamp)
    {
        return mix(mix(mix(quint64(stamp.size)) ^ quint64(stamp.modifiedNs)) ^ quint64(stamp.changedNs)) | 1;
    }

    quint64 m_device = 0;
    quint64 m_inode = 0;
    quint64 m_digest = None;
};
