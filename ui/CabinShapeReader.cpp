#include "ui/CabinShapeReader.h"

#include "files/CabinFiles.h"

#include <algorithm>
#include <utility>

namespace orbanil {

CabinShapeReader::CabinShapeReader(const FileAccess& files, QObject* parent)
    : QObject(parent), m_files(files), m_thread([this] { run(); })
{}

CabinShapeReader::~CabinShapeReader()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CabinShapeReader::read(const std::filesystem::path& folder, const std::string& name,
                            bool again)
{
    const Request request{folder, name};
    if (!again && m_asked == request) {
        return;
    }
    m_asked = request;
    const std::uint64_t serial = ++m_serial;
    const bool blank =
        std::all_of(name.begin(), name.end(), [](char c) { return c == ' ' || c == '\t'; });
    if (folder.empty() || blank) {
        answer(serial, nullptr);
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_pending.emplace(serial, request);
    }
    m_wake.notify_one();
}

void CabinShapeReader::answer(std::uint64_t serial, std::shared_ptr<const CabinShape> shape)
{
    if (serial != m_serial || shape == m_told) {
        return;
    }
    m_told = std::move(shape);
    emit shapeRead(m_told);
}

void CabinShapeReader::run()
{
    for (;;) {
        std::pair<std::uint64_t, Request> next;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || m_pending; });
            if (m_stop) {
                return;
            }
            next = std::move(*m_pending);
            m_pending.reset();
        }
        CabinReading reading = readCabin(m_files, next.second.folder, next.second.name);
        std::shared_ptr<const CabinShape> shape;
        if (reading.shape) {
            shape = std::make_shared<const CabinShape>(std::move(*reading.shape));
        }
        // Delivered on this object's thread; dropped if the object is gone by then.
        QMetaObject::invokeMethod(
            this, [this, serial = next.first, shape] { answer(serial, shape); },
            Qt::QueuedConnection);
    }
}

} // namespace orbanil
