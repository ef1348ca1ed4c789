#include "files/SimisFile.h"

#include "core/shape/FormatError.h"
#include "core/shape/SimisHeader.h"

#include <algorithm>
#include <limits>
#include <new>
#include <zlib.h>

namespace orbanil {

namespace {

std::string megabytes(std::uint64_t bytes)
{
    return std::to_string((bytes + 1024 * 1024 - 1) / (1024 * 1024)) + " MB";
}

// The simulator reads the deflate data after the two zlib header bytes and never checks the
// stream's checksum, so neither does this.
class RawInflater
{
public:
    RawInflater()
    {
        if (inflateInit2(&m_stream, -MAX_WBITS) != Z_OK) {
            throw std::bad_alloc();
        }
    }
    ~RawInflater() { inflateEnd(&m_stream); }
    RawInflater(const RawInflater&) = delete;
    RawInflater& operator=(const RawInflater&) = delete;

    z_stream& stream() { return m_stream; }

private:
    z_stream m_stream{};
};

// The raw deflate data after a zlib stream's two-byte header, inflated up to `statedSize`
// bytes; the header's own size (16 bytes) may be counted in it.
std::string inflateSimis(std::string_view zlibStream, std::uint32_t statedSize)
{
    if (statedSize > maxInflatedSize) {
        throw FormatError("dice ocupar " + megabytes(statedSize) +
                          " descomprimido, más que el límite de " + megabytes(maxInflatedSize));
    }
    if (zlibStream.size() < 2) {
        throw FormatError("está cortado al empezar los datos comprimidos");
    }
    const auto method = static_cast<unsigned char>(zlibStream[0]);
    const auto flags = static_cast<unsigned char>(zlibStream[1]);
    if ((method & 0x0F) != Z_DEFLATED || ((method << 8) | flags) % 31 != 0 || (flags & 0x20)) {
        throw FormatError("los datos comprimidos no son un flujo zlib");
    }
    const std::string_view deflate = zlibStream.substr(2);
    if (deflate.size() > std::numeric_limits<uInt>::max()) {
        throw FormatError("es demasiado grande");
    }
    RawInflater inflater;
    z_stream& z = inflater.stream();
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflate.data()));
    z.avail_in = static_cast<uInt>(deflate.size());

    // One byte past the stated size shows a stream that goes on; the buffer grows as the
    // output does, so a small file that claims much costs little.
    const std::size_t limit = std::size_t{statedSize} + 1;
    std::string out(std::min<std::size_t>(limit, std::max<std::size_t>(4 * deflate.size(), 4096)),
                    '\0');
    for (;;) {
        z.next_out = reinterpret_cast<Bytef*>(out.data() + z.total_out);
        z.avail_out = static_cast<uInt>(out.size() - z.total_out);
        const int result = inflate(&z, Z_NO_FLUSH);
        if (z.total_out > statedSize) {
            throw FormatError("se descomprime en más de los " + std::to_string(statedSize) +
                              " bytes que dice su cabecera");
        }
        if (result == Z_STREAM_END) {
            break;
        }
        if (result == Z_MEM_ERROR) {
            throw std::bad_alloc();
        }
        if (result != Z_OK && result != Z_BUF_ERROR) {
            throw FormatError("los datos comprimidos están dañados");
        }
        if (z.avail_out == 0) {
            out.resize(std::min(limit, 2 * out.size()));
        } else if (z.avail_in == 0) {
            throw FormatError("los datos comprimidos se acaban antes de tiempo");
        }
    }
    const std::size_t produced = z.total_out;
    constexpr std::size_t headerBytes = 16;
    if (produced != statedSize && produced + headerBytes != statedSize) {
        throw FormatError("se descomprime en " + std::to_string(produced) +
                          " bytes y su cabecera dice " + std::to_string(statedSize));
    }
    out.resize(produced);
    return out;
}

} // namespace

SimisContents simisContents(std::string_view file)
{
    const SimisHeader header = readSimisHeader(file);
    const std::string_view rest = file.substr(header.contentsStart);
    if (!header.compressed) {
        return {std::string(rest), header.utf16};
    }
    return {inflateSimis(rest, header.inflatedSize), false};
}

} // namespace orbanil
