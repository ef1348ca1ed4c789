#pragma once

#include "core/shape/CabinShape.h"
#include "files/FileAccess.h"

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace orbanil {

// Reads the cabin's shape for the drawings on a thread of its own, so that typing a name never
// waits for a large shape. Only the newest request is answered; requests asked for while one is
// read replace each other.
class CabinShapeReader : public QObject
{
    Q_OBJECT
public:
    // Reads through `files`, which outlive it.
    explicit CabinShapeReader(const FileAccess& files, QObject* parent = nullptr);
    ~CabinShapeReader() override;

    CabinShapeReader(const CabinShapeReader&) = delete;
    CabinShapeReader& operator=(const CabinShapeReader&) = delete;

    // The shape named as PassengerCabinFile names it, found from the wagon's folder; read again
    // only for another folder or name, or when `again` (the files may have been written anew).
    // Without a folder or a name there is none.
    void read(const std::filesystem::path& folder, const std::string& name, bool again = false);

signals:
    // The shape of the newest request; nullptr when it has none or it could not be read.
    void shapeRead(std::shared_ptr<const CabinShape> shape);

private:
    struct Request
    {
        std::filesystem::path folder;
        std::string name;
        bool operator==(const Request&) const = default;
    };
    void run();
    // On this object's thread: the answer to request `serial`, told if it is still the newest.
    void answer(std::uint64_t serial, std::shared_ptr<const CabinShape> shape);

    const FileAccess& m_files;
    std::optional<Request> m_asked;           // the newest request
    std::uint64_t m_serial = 0;               // its serial
    std::shared_ptr<const CabinShape> m_told; // the last shape told

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<std::pair<std::uint64_t, Request>> m_pending; // under m_mutex
    bool m_stop = false;                                        // under m_mutex
    std::thread m_thread; // last: it starts once everything above is set
};

} // namespace orbanil
