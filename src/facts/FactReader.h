#pragma once

#include "facts/FactCache.h"
#include "facts/FactValue.h"
#include "facts/FileFact.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHashFunctions>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Reads the facts of files on a thread of its own, so that a column of FILEINFO over a photo
// archive, or a file on a slow disk, never holds up the window. Facts asked for are read in
// the order asked, through one cache that keeps each file's facts until it changes; the
// answers wait, in the order read, until they are taken.
class FactReader
{
public:
    struct Request
    {
        QByteArray path; // the file system's own bytes
        FileFact fact;

        friend bool operator==(const Request&, const Request&) = default;
        friend size_t qHash(const Request& request, size_t seed = 0)
        {
            return qHashMulti(seed, request.path, int(request.fact));
        }
    };
    struct Answer
    {
        Request request;
        std::optional<FactValue> value; // nothing when the file does not have it or is unreadable
    };

    FactReader() = default;
    // Waits for the file being read, if any: each read is bounded in bytes and time.
    ~FactReader();
    FactReader(const FactReader&) = delete;
    FactReader& operator=(const FactReader&) = delete;

    void request(Request request);
    // Several at once, for the price of one.
    void request(std::vector<Request> requests);
    std::vector<Answer> takeAnswers();
    // Drops the requests not read yet, and the answer of the one being read.
    void cancel();
    // Nothing waits to be read and nothing is being read (answers may wait to be taken).
    bool isIdle() const;
    // Until idle or the deadline; whether it became idle.
    bool waitUntilIdle(QDeadlineTimer deadline);

private:
    void work();

    // Requests taken off the queue at once, so that a column of quick facts (times, sizes)
    // does not pay for the lock on every file.
    static constexpr size_t ChunkSize = 64;

    FactCache m_cache;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // a request came, or the reader is to stop
    std::condition_variable m_idle;
    std::deque<Request> m_queue;
    std::vector<Answer> m_answers;
    size_t m_reading = 0; // requests taken off the queue and not answered yet
    // Counts cancellations: an answer of an earlier one is dropped. Both are looked at between
    // the files of a chunk, without the lock.
    std::atomic<quint64> m_generation = 0;
    std::atomic<bool> m_stopping = false;
    std::thread m_thread;
};
