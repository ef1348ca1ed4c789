#pragma once

#include "files/PassengerView.h"

#include <QImage>
#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace orbanil {

// A frame as the window shows it: the image as Qt draws it, the rest as the view gave it.
struct ShownFrame
{
    std::uint64_t serial = 0; // of the state it was drawn for
    PassengerViewFrame frame; // its image moved into `image`
    QImage image;
};

// Reads and draws the passenger view on a thread of its own, so that typing never waits for
// it. The newest state wins: states asked for while one is drawn replace each other, and the
// drawing in flight is dropped for the newest, unless the one before it was dropped too, so
// that a steady stream of states (a drag, a resize) still shows every other frame.
class ViewRenderThread : public QObject
{
    Q_OBJECT
public:
    // The files are read through `files`, which outlives the thread.
    explicit ViewRenderThread(const FileAccess& files, QObject* parent = nullptr);
    ~ViewRenderThread() override;

    ViewRenderThread(const ViewRenderThread&) = delete;
    ViewRenderThread& operator=(const ViewRenderThread&) = delete;

    // Returns at once with the state's serial, which its frame will carry.
    std::uint64_t request(PassengerViewState state);

signals:
    // On the thread of this object, for the newest state or one on the way to it.
    void frameReady(std::shared_ptr<const ShownFrame> frame);

private:
    void run();

    const FileAccess& m_files;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<PassengerViewState> m_pending; // under m_mutex
    std::uint64_t m_serial = 0;                  // under m_mutex: the last state asked for
    bool m_drawing = false;                      // under m_mutex
    bool m_droppable = false;                    // under m_mutex: the drawing may be dropped
    bool m_stop = false;                         // under m_mutex
    std::atomic<bool> m_cancel{false};
    std::thread m_thread; // last: it starts once everything above is set
};

} // namespace orbanil
