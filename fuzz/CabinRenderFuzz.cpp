// The passenger view of any triangles from any camera: whatever the numbers (NaN, infinities,
// the ends of single precision, eyes inside triangles, planes through the near plane) and
// whatever the texture, an opaque image of the size asked for, in bounded time.
#include "core/view/CabinRenderer.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

using namespace orbanil;

Vec3 anyPoint(FuzzedDataProvider& data)
{
    // Mostly near the eye, where triangles cross the near plane; now and then any float at all.
    const auto coordinate = [&] {
        return data.ConsumeBool() ? data.ConsumeFloatingPointInRange(-4.0f, 4.0f)
                                  : data.ConsumeFloatingPoint<float>();
    };
    return {coordinate(), coordinate(), coordinate()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const int width = data.ConsumeIntegralInRange(-1, 48);
    const int height = data.ConsumeIntegralInRange(-1, 48);
    PassengerCamera camera{anyPoint(data), data.ConsumeFloatingPoint<double>(),
                           data.ConsumeFloatingPoint<double>(),
                           data.ConsumeFloatingPoint<double>()};
    if (data.ConsumeBool()) {
        camera = cameraAtStart(camera.eye, data.ConsumeIntegralInRange(0, 359),
                               data.ConsumeIntegralInRange(0, 359));
    }
    RgbaImage level{data.ConsumeIntegralInRange(0, 3), data.ConsumeIntegralInRange(0, 3), {}};
    level.pixels = data.ConsumeBytes<std::uint8_t>(data.ConsumeIntegralInRange(0, 36));
    const CabinTexture texture{{level}, data.ConsumeIntegralInRange(0, 8), data.ConsumeBool()};
    CabinShape shape;
    shape.textures = {"a.ace", "b.ace"};
    while (data.remaining_bytes() > 0 && shape.triangles.size() < 16) {
        CabinTriangle triangle;
        for (CabinVertex& corner : triangle.corners) {
            corner = {anyPoint(data),
                      anyPoint(data),
                      {data.ConsumeFloatingPoint<float>(), data.ConsumeFloatingPoint<float>()}};
        }
        triangle.texture = data.ConsumeIntegralInRange(-2, 3);
        triangle.alpha =
            data.PickValueInArray({AlphaMode::Opaque, AlphaMode::AlphaTest, AlphaMode::Blend});
        shape.triangles.push_back(triangle);
    }
    const std::optional<RgbaImage> image =
        renderCabin(shape, {&texture, nullptr}, camera, {}, width, height);
    FUZZ_CHECK(image);
    if (width < 1 || height < 1) {
        FUZZ_CHECK(*image == RgbaImage{});
        return 0;
    }
    FUZZ_CHECK(image->width == width && image->height == height);
    FUZZ_CHECK(image->pixels.size() == static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 3; i < image->pixels.size(); i += 4) {
        FUZZ_CHECK(image->pixels[i] == 255);
    }
    return 0;
}
