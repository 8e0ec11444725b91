#include "data/sealing/sealedlist.h"

#include "data/platform/fatal.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace sealing {

Salt randomSalt()
{
    Salt salt {};
    crypto::randomBytes(salt);
    return salt;
}

SealedList sealList(std::span<const PlainRecord> records, std::uint32_t iterations,
    const Salt &salt, const std::function<void(std::size_t)> &progress)
{
    SealedList list {salt, iterations, std::vector<SealedRecord>(records.size())};
    std::atomic<std::size_t> next = 0;
    std::atomic<std::size_t> done = 0;
    std::mutex mutex;
    std::condition_variable finished;
    std::size_t workersLeft = std::max(1u, std::thread::hardware_concurrency());
    const auto work = [&] {
        for (std::size_t i = next++; i < records.size(); i = next++) {
            const PlainRecord &record = records[i];
            const std::optional<SealedRecord> sealed = sealRecord(
                pairBytes(record.sfzh, record.zkzh), record.xm, record.cj, salt, iterations);
            if (!sealed) {
                fatal::fail("a name and score do not fit the sealed text");
            }
            list.records[i] = *sealed;
            ++done;
        }
        const std::lock_guard lock(mutex);
        --workersLeft;
        finished.notify_one();
    };
    {
        // The workers join as they go out of scope, before the records are sorted.
        std::vector<std::jthread> workers(workersLeft);
        for (std::jthread &worker : workers) {
            worker = std::jthread(work);
        }
        std::unique_lock lock(mutex);
        while (!finished.wait_for(
            lock, std::chrono::milliseconds(250), [&] { return workersLeft == 0; })) {
            if (progress) {
                lock.unlock();
                progress(done);
                lock.lock();
            }
        }
    }
    if (progress) {
        progress(records.size());
    }
    std::sort(list.records.begin(), list.records.end(),
        [](const SealedRecord &a, const SealedRecord &b) { return a.tag < b.tag; });
    return list;
}

} // namespace sealing
