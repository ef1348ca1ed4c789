#include "GeneratedCabin.h"

#include "tests/support/AceWriter.h"
#include "tests/support/ShapeWriter.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace orbanil::bench {
namespace {

enum Texture
{
    Wall,
    Floor,
    Ceiling,
    Seat
};

class Builder
{
public:
    explicit Builder(CabinShape& shape) : shape_(shape) {}

    // A grid of cols x rows quads over the parallelogram from `corner` along a and b, seen
    // from the side `normal` points to; textures repeat every metre.
    void face(Vec3 corner, Vec3 a, Vec3 b, int cols, int rows, Vec3 normal, Texture texture,
              AlphaMode alpha = AlphaMode::Opaque)
    {
        const bool forward = dot(cross(a, b), normal) > 0;
        const auto corner_ = [&](int i, int j) {
            const float s = float(i) / float(cols);
            const float t = float(j) / float(rows);
            return CabinVertex{corner + a * s + b * t, normal, {s * length(a), t * length(b)}};
        };
        for (int j = 0; j < rows; ++j) {
            for (int i = 0; i < cols; ++i) {
                const CabinVertex q00 = corner_(i, j);
                const CabinVertex q10 = corner_(i + 1, j);
                const CabinVertex q11 = corner_(i + 1, j + 1);
                const CabinVertex q01 = corner_(i, j + 1);
                // Drawn faces run clockwise seen from the front, which in the shape's
                // left-handed space puts the cross product of their edges towards the viewer.
                if (forward) {
                    add({q00, q10, q11}, texture, alpha);
                    add({q00, q11, q01}, texture, alpha);
                } else {
                    add({q00, q11, q10}, texture, alpha);
                    add({q00, q01, q11}, texture, alpha);
                }
            }
        }
    }

    // A box subdivided n x n on each face, seen from outside (or from inside, when inward).
    void box(Vec3 min, Vec3 max, int n, Texture texture, bool inward = false)
    {
        const float s = inward ? -1.0f : 1.0f;
        const Vec3 dx{max.x - min.x, 0, 0};
        const Vec3 dy{0, max.y - min.y, 0};
        const Vec3 dz{0, 0, max.z - min.z};
        face(min, dz, dy, n, n, Vec3{-s, 0, 0}, texture);
        face(min + dx, dz, dy, n, n, Vec3{s, 0, 0}, texture);
        face(min, dx, dz, n, n, Vec3{0, -s, 0}, texture);
        face(min + dy, dx, dz, n, n, Vec3{0, s, 0}, texture);
        face(min, dx, dy, n, n, Vec3{0, 0, -s}, texture);
        face(min + dz, dx, dy, n, n, Vec3{0, 0, s}, texture);
    }

    std::size_t size() const { return shape_.triangles.size(); }

private:
    void add(std::array<CabinVertex, 3> corners, Texture texture, AlphaMode alpha)
    {
        // The materials the written shape names: the blended glass's shader blends.
        const int material = alpha == AlphaMode::Blend ? 1 : 0;
        shape_.triangles.push_back({corners, texture, alpha, material});
    }

    CabinShape& shape_;
};

std::uint8_t byte(int value)
{
    return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
}

RgbaImage image(int side, Texture texture)
{
    RgbaImage image{side, side, std::vector<std::uint8_t>(std::size_t(side) * side * 4)};
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int noise = int((unsigned(x) * 73856093u ^ unsigned(y) * 19349663u) >> 27);
            int r = 0, g = 0, b = 0, a = 255;
            switch (texture) {
            case Wall: // cream panels; the holes of the racks' mesh in its alpha
                r = 230, g = 220, b = 190;
                if (x % 64 < 4) {
                    r -= 60, g -= 60, b -= 60;
                }
                a = (x % 32 < 24 && y % 32 < 24) ? 0 : 255;
                break;
            case Floor:
                r = g = b = ((x / 64 + y / 64) % 2) ? 90 : 60;
                r += 20;
                break;
            case Ceiling: // also the windows' tinted glass
                r = g = b = (y % 128 < 3) ? 180 : 245;
                a = 90;
                break;
            case Seat:
                r = 40 + noise, g = 60 + noise, b = 150 + 2 * noise;
                break;
            }
            std::uint8_t* p = &image.pixels[(std::size_t(y) * side + x) * 4];
            p[0] = byte(r), p[1] = byte(g), p[2] = byte(b), p[3] = byte(a);
        }
    }
    return image;
}

// Each level the mean of four texels of the one before, down to 1 x 1, as exporters store them.
std::vector<RgbaImage> mipChain(RgbaImage image)
{
    std::vector<RgbaImage> levels{std::move(image)};
    while (levels.back().width > 1 || levels.back().height > 1) {
        const RgbaImage& big = levels.back();
        RgbaImage small{std::max(1, big.width / 2), std::max(1, big.height / 2), {}};
        small.pixels.resize(std::size_t(small.width) * small.height * 4);
        for (int y = 0; y < small.height; ++y) {
            for (int x = 0; x < small.width; ++x) {
                for (int c = 0; c < 4; ++c) {
                    int sum = 0;
                    for (int k = 0; k < 4; ++k) {
                        const int bx = std::min(big.width - 1, 2 * x + k % 2);
                        const int by = std::min(big.height - 1, 2 * y + k / 2);
                        sum += big.pixels[(std::size_t(by) * big.width + bx) * 4 + c];
                    }
                    small.pixels[(std::size_t(y) * small.width + x) * 4 + c] = byte((sum + 2) / 4);
                }
            }
        }
        levels.push_back(std::move(small));
    }
    return levels;
}

} // namespace

std::vector<const CabinTexture*> GeneratedCabin::textures() const
{
    std::vector<const CabinTexture*> pointers;
    for (const CabinTexture& image : images) {
        pointers.push_back(&image);
    }
    return pointers;
}

GeneratedCabin generatedCabin(std::size_t triangles, int textureSide)
{
    GeneratedCabin cabin;
    CabinShape& shape = cabin.shape;
    shape.textures = {"pared.ace", "suelo.ace", "techo.ace", "asiento.ace"};
    // As the written shape names them: its textures ask for a MipMapLODBias of -3.
    const auto material = [](const char* shader) {
        return CabinMaterial{shader, -5, TextureAddressing::Wrap, -3};
    };
    shape.materials = {material("TexDiff"), material("BlendATexDiff")};
    for (const Texture texture : {Wall, Floor, Ceiling, Seat}) {
        cabin.images.push_back({mipChain(image(textureSide, texture)), 8, false});
    }
    Builder build(shape);
    // The shell, seen from inside: floor at 1.2 m, ceiling at 3.5 m.
    const Vec3 min{-1.4f, 1.2f, -10}, max{1.4f, 3.5f, 10};
    const Vec3 dx{max.x - min.x, 0, 0}, dy{0, max.y - min.y, 0}, dz{0, 0, max.z - min.z};
    build.face(min, dx, dz, 8, 40, {0, 1, 0}, Floor);
    build.face(min + dy, dx, dz, 8, 40, {0, -1, 0}, Ceiling);
    build.face(min, dz, dy, 40, 6, {1, 0, 0}, Wall);
    build.face(min + dx, dz, dy, 40, 6, {-1, 0, 0}, Wall);
    build.face(min, dx, dy, 8, 6, {0, 0, 1}, Wall);
    build.face(min + dz, dx, dy, 8, 6, {0, 0, -1}, Wall);
    // Nineteen rows of four seats: a cushion and a back each.
    for (int row = 0; row < 19; ++row) {
        const float z = -9.0f + float(row);
        for (const float x : {-1.05f, -0.55f, 0.55f, 1.05f}) {
            build.box({x - 0.23f, 1.65f, z}, {x + 0.23f, 1.75f, z + 0.45f}, 3, Seat);
            build.box({x - 0.23f, 1.75f, z - 0.05f}, {x + 0.23f, 2.35f, z + 0.03f}, 3, Seat);
        }
    }
    // Windows a little inside the walls, seen from the aisle.
    for (const float side : {-1.0f, 1.0f}) {
        for (int pane = 0; pane < 9; ++pane) {
            const float z = -9.0f + 2.0f * float(pane);
            build.face({side * 1.38f, 2.2f, z}, {0, 0, 1.6f}, {0, 0.7f, 0}, 1, 1, {-side, 0, 0},
                       Ceiling, AlphaMode::Blend);
        }
    }
    // What is left goes to the racks' mesh, seen from below, in two strips along the sides.
    const std::size_t quads = triangles > build.size() ? (triangles - build.size()) / 2 : 0;
    const int leftQuads = int(quads / 2);
    const int rightQuads = int(quads - quads / 2);
    if (leftQuads > 0) {
        build.face({-1.38f, 2.95f, -9.5f}, {0.43f, 0, 0}, {0, 0, 19}, 1, leftQuads, {0, -1, 0},
                   Wall, AlphaMode::AlphaTest);
    }
    if (rightQuads > 0) {
        build.face({0.95f, 2.95f, -9.5f}, {0.43f, 0, 0}, {0, 0, 19}, 1, rightQuads, {0, -1, 0},
                   Wall, AlphaMode::AlphaTest);
    }
    if (shape.triangles.size() > triangles) {
        shape.triangles.resize(triangles);
    }
    shape.boundsMin = min;
    shape.boundsMax = max;
    cabin.camera = cameraAtStart({-0.8f, 2.45f, -5.6f}, 5, 0);
    return cabin;
}

void writeGeneratedCabin(const GeneratedCabin& cabin, const std::filesystem::path& folder,
                         testing::ShapeForm form)
{
    const auto write = [&folder](const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    };
    std::filesystem::create_directories(folder);
    write("coche.s", testing::shapeFile(testing::shapeOf(cabin.shape), form));
    for (std::size_t t = 0; t < cabin.images.size(); ++t) {
        write(cabin.shape.textures[t], testing::aceFile(testing::aceScanlines(
                                           cabin.images[t].levels, testing::AceAlpha::Alpha)));
    }
}

} // namespace orbanil::bench
