// The passenger view of any triangles from any camera: whatever the numbers (NaN, infinities,
// the ends of single precision, eyes inside triangles, planes through the near plane) and
// whatever the textures, materials and light, an opaque image of the size asked for, in bounded
// time.
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
    CabinTexture texture{{}, data.ConsumeIntegralInRange(0, 8), data.ConsumeBool()};
    for (int levels = data.ConsumeIntegralInRange(0, 3); levels > 0; --levels) {
        RgbaImage& level = texture.levels.emplace_back();
        level.width = data.ConsumeIntegralInRange(0, 4);
        level.height = data.ConsumeIntegralInRange(0, 4);
        level.pixels = data.ConsumeBytes<std::uint8_t>(data.ConsumeIntegralInRange(0, 64));
    }
    CabinShape shape;
    shape.textures = {"a.ace", "b.ace"};
    for (int i = data.ConsumeIntegralInRange(0, 3); i > 0; --i) {
        shape.materials.push_back(
            {data.PickValueInArray({"Tex", "TexDiff", "BlendATexDiff", "AddATex", "x"}),
             data.ConsumeIntegralInRange(-14, -3),
             data.PickValueInArray({TextureAddressing::Wrap, TextureAddressing::Mirror,
                                    TextureAddressing::Clamp, TextureAddressing::Border}),
             data.ConsumeFloatingPoint<float>()});
    }
    const CabinLight light{data.ConsumeBool(), data.ConsumeFloatingPoint<double>(),
                           data.ConsumeFloatingPoint<double>()};
    while (data.remaining_bytes() > 0 && shape.triangles.size() < 16) {
        CabinTriangle triangle;
        for (CabinVertex& corner : triangle.corners) {
            corner = {anyPoint(data),
                      anyPoint(data),
                      {data.ConsumeFloatingPoint<float>(), data.ConsumeFloatingPoint<float>()}};
        }
        triangle.texture = data.ConsumeIntegralInRange(-2, 3);
        triangle.alpha = data.PickValueInArray(
            {AlphaMode::Opaque, AlphaMode::AlphaTest, AlphaMode::Blend, AlphaMode::Add});
        triangle.material = data.ConsumeIntegralInRange(-2, 3);
        triangle.origin = anyPoint(data);
        shape.triangles.push_back(triangle);
    }
    const std::optional<RgbaImage> image =
        renderCabin(shape, {&texture, nullptr}, camera, light, width, height);
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
