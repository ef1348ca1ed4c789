#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace orbanil {

// Threads that draw the bands of rows of a frame together, the caller's among them. Each band
// is drawn whole by one thread, so that which thread draws it changes nothing in the image.
class FrameBands
{
public:
    // `threads` in all, the caller's included; at least 1, which starts none.
    explicit FrameBands(int threads);
    ~FrameBands();

    FrameBands(const FrameBands&) = delete;
    FrameBands& operator=(const FrameBands&) = delete;

    int threads() const { return static_cast<int>(m_workers.size()) + 1; }

    // Calls draw(band) once for every band from 0 to count − 1, spread over the threads, and
    // returns when all are done. One call at a time.
    void run(int count, const std::function<void(int)>& draw);

private:
    void serve();
    void take(const std::function<void(int)>& draw, int count);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    const std::function<void(int)>* m_draw = nullptr; // under m_mutex
    int m_count = 0;                                  // under m_mutex
    int m_busy = 0;                                   // under m_mutex: workers in this run
    std::uint64_t m_run = 0;                          // under m_mutex: counts the runs
    bool m_stop = false;                              // under m_mutex
    std::atomic<int> m_next{0};                       // the next band to take
    std::vector<std::thread> m_workers;               // last: they start once the rest is set
};

// The threads the machine runs at once, at least 1.
int hardwareThreads();

} // namespace orbanil
