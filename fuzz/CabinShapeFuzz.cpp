// Any bytes read as a shape (.s), in whichever form their header names, either give a message
// (valid UTF-8) or triangles that a drawing can take as they are: finite corners within the
// cabin's limits and the bounds, unit (or zero) normals, texture and material indices into their
// lists, matrix origins within the cabin's limits.
#include "core/shape/FormatError.h"
#include "files/CabinFiles.h"
#include "fuzz/FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using namespace orbanil;

void checkInside(const Vec3& p, const Vec3& low, const Vec3& high)
{
    for (const float c : {p.x, p.y, p.z}) {
        FUZZ_CHECK(std::isfinite(c) && std::fabs(c) <= maxCabinCoordinate);
    }
    FUZZ_CHECK(low.x <= p.x && p.x <= high.x && low.y <= p.y && p.y <= high.y && low.z <= p.z &&
               p.z <= high.z);
}

void checkShape(const CabinGeometry& shape)
{
    if (shape.triangles.empty()) {
        FUZZ_CHECK(shape.boundsMin == Vec3{} && shape.boundsMax == Vec3{});
    }
    for (const PlacedTriangle& t : shape.triangles) {
        FUZZ_CHECK(t.texture >= -1 && t.texture < static_cast<int>(shape.textures.size()));
        FUZZ_CHECK(t.material >= 0 && t.material < static_cast<int>(shape.materials.size()));
        for (const float c : {t.origin.x, t.origin.y, t.origin.z}) {
            FUZZ_CHECK(std::isfinite(c) && std::fabs(c) <= maxCabinCoordinate);
        }
        for (const CabinVertex& c : t.corners) {
            checkInside(c.position, shape.boundsMin, shape.boundsMax);
            const float unit = length(c.normal);
            FUZZ_CHECK(unit == 0 || std::fabs(unit - 1) < 1e-3f);
            FUZZ_CHECK(std::isfinite(c.uv.u) && std::isfinite(c.uv.v));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        checkShape(readShapeBytes(fuzz::bytesOf(data, size)));
    } catch (const FormatError& e) {
        const std::string_view message = e.what();
        FUZZ_CHECK(!message.empty() && fuzz::isValidUtf8(message));
    }
    return 0;
}
