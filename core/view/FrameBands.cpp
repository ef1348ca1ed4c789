#include "core/view/FrameBands.h"

#include <algorithm>

namespace orbanil {

FrameBands::FrameBands(int threads)
{
    for (int i = 1; i < threads; ++i) {
        m_workers.emplace_back([this] { serve(); });
    }
}

FrameBands::~FrameBands()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (std::thread& worker : m_workers) {
        worker.join();
    }
}

void FrameBands::run(int count, const std::function<void(int)>& draw)
{
    if (m_workers.empty()) {
        for (int band = 0; band < count; ++band) {
            draw(band);
        }
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_draw = &draw;
        m_count = count;
        m_busy = static_cast<int>(m_workers.size());
        m_next = 0;
        ++m_run;
    }
    m_wake.notify_all();
    take(draw, count);
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_busy == 0; });
    m_draw = nullptr;
}

void FrameBands::take(const std::function<void(int)>& draw, int count)
{
    for (int band = m_next++; band < count; band = m_next++) {
        draw(band);
    }
}

void FrameBands::serve()
{
    std::uint64_t served = 0;
    for (;;) {
        const std::function<void(int)>* draw = nullptr;
        int count = 0;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return m_stop || m_run != served; });
            if (m_stop) {
                return;
            }
            served = m_run;
            draw = m_draw;
            count = m_count;
        }
        take(*draw, count);
        const std::lock_guard lock(m_mutex);
        if (--m_busy == 0) {
            m_done.notify_one();
        }
    }
}

int hardwareThreads()
{
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

} // namespace orbanil
