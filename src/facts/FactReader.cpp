#include "facts/FactReader.h"

#include "facts/LookupFolder.h"

FactReader::~FactReader()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void FactReader::request(Request request)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(request));
        // Started with the first request: a window whose table asks no facts runs no thread.
        if (!m_thread.joinable())
            m_thread = std::thread(&FactReader::work, this);
    }
    m_wake.notify_one();
}

void FactReader::request(std::vector<Request> requests)
{
    if (requests.empty())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_queue.insert(m_queue.end(), std::make_move_iterator(requests.begin()),
                       std::make_move_iterator(requests.end()));
        if (!m_thread.joinable())
            m_thread = std::thread(&FactReader::work, this);
    }
    m_wake.notify_one();
}

std::vector<FactReader::Answer> FactReader::takeAnswers()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_answers, {});
}

void FactReader::cancel()
{
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_answers.clear();
    ++m_generation;
    if (m_reading == 0)
        m_idle.notify_all();
}

bool FactReader::isIdle() const
{
    std::lock_guard lock(m_mutex);
    return m_queue.empty() && m_reading == 0;
}

bool FactReader::waitUntilIdle(QDeadlineTimer deadline)
{
    std::unique_lock lock(m_mutex);
    const auto idle = [this] { return m_queue.empty() && m_reading == 0; };
    if (deadline.isForever()) {
        m_idle.wait(lock, idle);
        return true;
    }
    return m_idle.wait_for(lock, std::chrono::milliseconds(std::max<qint64>(0, deadline.remainingTime())),
                           idle);
}

void FactReader::work()
{
    std::vector<Request> chunk;
    std::vector<Answer> answers;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_stopping)
            return;
        const size_t count = std::min(ChunkSize, m_queue.size());
        chunk.assign(std::make_move_iterator(m_queue.begin()),
                     std::make_move_iterator(m_queue.begin() + qsizetype(count)));
        m_queue.erase(m_queue.begin(), m_queue.begin() + qsizetype(count));
        m_reading = count;
        const quint64 generation = m_generation;
        lock.unlock();

        answers.clear();
        LookupFolder folder;
        for (Request& request : chunk) {
            if (m_stopping || m_generation != generation)
                break;
            std::optional<FactValue> value = m_cache.value(request.path, request.fact, &folder);
            answers.push_back({std::move(request), std::move(value)});
        }

        lock.lock();
        m_reading = 0;
        if (generation == m_generation)
            m_answers.insert(m_answers.end(), std::make_move_iterator(answers.begin()),
                             std::make_move_iterator(answers.end()));
        if (m_queue.empty())
            m_idle.notify_all();
    }
}
