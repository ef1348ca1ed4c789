#include "ui/ViewRenderThread.h"

#include <cstring>
#include <utility>

namespace orbanil {

namespace {

QImage qImageOf(const RgbaImage& image)
{
    QImage shown(image.width, image.height, QImage::Format_RGBA8888);
    if (shown.isNull()) {
        return shown;
    }
    const std::size_t row = static_cast<std::size_t>(image.width) * 4;
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(shown.scanLine(y), image.pixels.data() + row * static_cast<std::size_t>(y),
                    row);
    }
    return shown;
}

} // namespace

ViewRenderThread::ViewRenderThread(const FileAccess& files, QObject* parent)
    : QObject(parent), m_files(files), m_thread([this] { run(); })
{}

ViewRenderThread::~ViewRenderThread()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
        m_cancel = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

std::uint64_t ViewRenderThread::request(PassengerViewState state)
{
    std::uint64_t serial = 0;
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::move(state);
        serial = ++m_serial;
        if (m_drawing && m_droppable) {
            m_cancel = true;
        }
    }
    m_wake.notify_one();
    return serial;
}

void ViewRenderThread::run()
{
    PassengerView view(m_files);
    bool lastDropped = false;
    for (;;) {
        PassengerViewState state;
        std::uint64_t serial = 0;
        {
            std::unique_lock lock(m_mutex);
            m_drawing = false;
            m_wake.wait(lock, [this] { return m_stop || m_pending; });
            if (m_stop) {
                return;
            }
            state = std::move(*m_pending);
            m_pending.reset();
            serial = m_serial;
            m_drawing = true;
            m_droppable = !lastDropped;
            m_cancel = false;
        }
        std::optional<PassengerViewFrame> frame = view.frame(state, &m_cancel);
        lastDropped = !frame;
        if (!frame) {
            continue;
        }
        auto shown = std::make_shared<ShownFrame>();
        shown->serial = serial;
        if (frame->image) {
            shown->image = qImageOf(*frame->image);
            frame->image.reset();
        }
        shown->frame = std::move(*frame);
        std::shared_ptr<const ShownFrame> done = std::move(shown);
        // Delivered on this object's thread; dropped if the object is gone by then.
        QMetaObject::invokeMethod(
            this, [this, done] { emit frameReady(done); }, Qt::QueuedConnection);
    }
}

} // namespace orbanil
