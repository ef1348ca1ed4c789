#include "core/view/CabinRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace orbanil {
namespace {

// Open Rails' reference alphas. An alpha-tested texel is drawn from 200 up. A blended triangle
// is drawn twice: with the opaque ones, its texels from 250 up, hiding what is behind them;
// then after all of those, blended over them from 10 up, hiding nothing.
constexpr int alphaTestReference = 200;
constexpr int blendOpaqueReference = 250;
constexpr int blendReference = 10;

// Triangles are cut this far beyond the image's edges, in pixels, so that they are seldom cut
// at all and the fixed-point edge functions below stay exact.
constexpr double guardBand = 2048;
constexpr int subPixelBits = 8;
constexpr double subPixels = 1 << subPixelBits;
constexpr std::int64_t halfPixel = 1 << (subPixelBits - 1);

// Where the light comes from for the mild shading: above, a little right and ahead.
constexpr Vec3d towardLight{0.3 / 1.1576, 1.0 / 1.1576, 0.5 / 1.1576};

struct Texel
{
    int r = 0;
    int g = 0;
    int b = 0;
    int a = 255;
};

struct Texture
{
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

enum class Pass
{
    Opaque,  // opaque, alpha-tested and the solid texels of blended triangles; depth written
    Blended, // blended triangles over everything else; depth tested only
};

// What one triangle is drawn with.
struct Surface
{
    const Texture* texture = nullptr; // missingTextureColour where none
    int shade = 256;                  // brightness, 256 the full colour
    AlphaMode alpha = AlphaMode::Opaque;
};

// A corner relative to the camera: x right, y up, z ahead, metres.
struct ViewVertex
{
    double x = 0;
    double y = 0;
    double z = 0;
    double u = 0;
    double v = 0;
};

// A corner on the image in fixed point, with what is interpolated across it divided by depth.
struct ScreenVertex
{
    std::int64_t x = 0;
    std::int64_t y = 0;
    float invZ = 0;
    float uOverZ = 0;
    float vOverZ = 0;
};

struct Frame
{
    int width = 0;
    int height = 0;
    std::uint8_t* rgba = nullptr;
    float* depth = nullptr; // 1 / z of the surface drawn, 0 where there is none
};

// The camera of one frame and the planes a triangle must lie inside.
class Projection
{
public:
    Projection(const PassengerCamera& camera, int width, int height)
        : m_eye(camera.eye), m_axes(cameraAxes(camera)), m_focal(focalLengthPixels(camera, height)),
          m_centreX(width / 2.0), m_centreY(height / 2.0), m_reachX(width / 2.0 + guardBand),
          m_reachY(height / 2.0 + guardBand)
    {}

    ViewVertex toView(const CabinVertex& corner) const
    {
        const Vec3d d = vectorCast<double>(corner.position) - vectorCast<double>(m_eye);
        return {dot(d, m_axes.right), dot(d, m_axes.up), dot(d, m_axes.forward), corner.uv.u,
                corner.uv.v};
    }

    // Signed distance inside plane k: the near plane, then the guard band's four sides.
    double inside(int plane, const ViewVertex& v) const
    {
        switch (plane) {
        case 0:
            return v.z - nearPlane;
        case 1:
            return m_reachX * v.z - m_focal * v.x;
        case 2:
            return m_reachX * v.z + m_focal * v.x;
        case 3:
            return m_reachY * v.z - m_focal * v.y;
        default:
            return m_reachY * v.z + m_focal * v.y;
        }
    }

    ScreenVertex toScreen(const ViewVertex& v) const
    {
        const double invZ = 1 / v.z;
        // Inside the guard band already, but for rounding in the cuts.
        const double x = m_centreX + std::clamp(m_focal * v.x * invZ, -m_reachX, m_reachX);
        const double y = m_centreY - std::clamp(m_focal * v.y * invZ, -m_reachY, m_reachY);
        return {std::llround(x * subPixels), std::llround(y * subPixels), static_cast<float>(invZ),
                static_cast<float>(v.u * invZ), static_cast<float>(v.v * invZ)};
    }

private:
    Vec3 m_eye;
    CameraAxes m_axes;
    double m_focal;
    double m_centreX;
    double m_centreY;
    double m_reachX;
    double m_reachY;
};

constexpr int planeCount = 5;
// A triangle cut by every plane has at most this many corners.
using Polygon = std::array<ViewVertex, 3 + planeCount>;

int clipAgainst(const Projection& projection, int plane, const Polygon& in, int count, Polygon& out)
{
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const ViewVertex& a = in[i];
        const ViewVertex& b = in[(i + 1) % count];
        const double da = projection.inside(plane, a);
        const double db = projection.inside(plane, b);
        if (da >= 0) {
            out[kept++] = a;
        }
        if ((da >= 0) != (db >= 0)) {
            // From the corner inside, so that a far corner outside cannot swamp the cut.
            const ViewVertex& from = da >= 0 ? a : b;
            const ViewVertex& to = da >= 0 ? b : a;
            const double t = da >= 0 ? da / (da - db) : db / (db - da);
            out[kept++] = {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y),
                           from.z + t * (to.z - from.z), from.u + t * (to.u - from.u),
                           from.v + t * (to.v - from.v)};
        }
    }
    return kept;
}

// Bilinear, wrapping at the edges; texel centres at half-integer coordinates.
Texel sample(const Texture& texture, float u, float v)
{
    u = std::isfinite(u) ? u - std::floor(u) : 0;
    v = std::isfinite(v) ? v - std::floor(v) : 0;
    const float fx = u * static_cast<float>(texture.width) - 0.5f;
    const float fy = v * static_cast<float>(texture.height) - 0.5f;
    const float floorX = std::floor(fx);
    const float floorY = std::floor(fy);
    const int wx = static_cast<int>((fx - floorX) * 256);
    const int wy = static_cast<int>((fy - floorY) * 256);
    int x0 = std::clamp(static_cast<int>(floorX), -1, texture.width - 1);
    int y0 = std::clamp(static_cast<int>(floorY), -1, texture.height - 1);
    x0 += x0 < 0 ? texture.width : 0;
    y0 += y0 < 0 ? texture.height : 0;
    const int x1 = x0 + 1 == texture.width ? 0 : x0 + 1;
    const int y1 = y0 + 1 == texture.height ? 0 : y0 + 1;
    const auto at = [&](int x, int y) {
        return texture.pixels + (static_cast<std::size_t>(y) * texture.width + x) * 4;
    };
    const std::uint8_t* p00 = at(x0, y0);
    const std::uint8_t* p10 = at(x1, y0);
    const std::uint8_t* p01 = at(x0, y1);
    const std::uint8_t* p11 = at(x1, y1);
    const auto mix = [&](int c) {
        const int top = p00[c] * (256 - wx) + p10[c] * wx;
        const int bottom = p01[c] * (256 - wx) + p11[c] * wx;
        return (top * (256 - wy) + bottom * wy) >> 16;
    };
    return {mix(0), mix(1), mix(2), mix(3)};
}

// Over what is there with the texel's alpha, as Open Rails blends (not premultiplied).
void put(std::uint8_t* pixel, const Texel& texel, int shade, int alpha)
{
    const int colour[3] = {texel.r * shade >> 8, texel.g * shade >> 8, texel.b * shade >> 8};
    for (int c = 0; c < 3; ++c) {
        pixel[c] = static_cast<std::uint8_t>(
            alpha == 255 ? colour[c] : (colour[c] * alpha + pixel[c] * (255 - alpha) + 127) / 255);
    }
}

// Edge a -> b of a triangle whose corners run clockwise on the image: its value at a pixel
// centre is positive inside, and zero on the edge only counts on a top or left edge.
struct Edge
{
    std::int64_t stepX = 0;
    std::int64_t stepY = 0;
    std::int64_t origin = 0; // the value at pixel (0, 0)

    Edge(const ScreenVertex& a, const ScreenVertex& b)
    {
        const std::int64_t dx = b.x - a.x;
        const std::int64_t dy = b.y - a.y;
        const bool topOrLeft = dy < 0 || (dy == 0 && dx > 0);
        stepX = -dy * (1 << subPixelBits);
        stepY = dx * (1 << subPixelBits);
        origin = dx * (halfPixel - a.y) - dy * (halfPixel - a.x) - (topOrLeft ? 0 : 1);
    }

    std::int64_t at(int x, int y) const { return origin + stepX * x + stepY * y; }
};

void drawTriangle(const Frame& frame, const ScreenVertex& a, const ScreenVertex& b,
                  const ScreenVertex& c, const Surface& surface, Pass pass)
{
    const std::int64_t area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
    if (area <= 0) {
        return; // edge-on once on the pixel grid
    }
    constexpr std::int64_t onePixel = 1 << subPixelBits;
    const auto firstPixel = [](std::int64_t p) {
        return (p - halfPixel + onePixel - 1) >> subPixelBits;
    };
    const auto lastPixel = [](std::int64_t p) { return (p - halfPixel) >> subPixelBits; };
    const int minX =
        static_cast<int>(std::max<std::int64_t>(0, firstPixel(std::min({a.x, b.x, c.x}))));
    const int maxX = static_cast<int>(
        std::min<std::int64_t>(frame.width - 1, lastPixel(std::max({a.x, b.x, c.x}))));
    const int minY =
        static_cast<int>(std::max<std::int64_t>(0, firstPixel(std::min({a.y, b.y, c.y}))));
    const int maxY = static_cast<int>(
        std::min<std::int64_t>(frame.height - 1, lastPixel(std::max({a.y, b.y, c.y}))));
    if (minX > maxX || minY > maxY) {
        return;
    }
    // Edge k lies opposite corner k; over the area it is corner k's weight.
    const Edge edges[3] = {Edge(b, c), Edge(c, a), Edge(a, b)};
    const float perArea = 1.0f / static_cast<float>(area);
    const Texel flat{missingTextureColour[0], missingTextureColour[1], missingTextureColour[2]};
    const int threshold = surface.alpha == AlphaMode::AlphaTest ? alphaTestReference
                          : surface.alpha == AlphaMode::Opaque  ? 0
                          : pass == Pass::Opaque                ? blendOpaqueReference
                                                                : blendReference;
    for (int y = minY; y <= maxY; ++y) {
        std::int64_t w0 = edges[0].at(minX, y);
        std::int64_t w1 = edges[1].at(minX, y);
        std::int64_t w2 = edges[2].at(minX, y);
        std::uint8_t* pixel = frame.rgba + (static_cast<std::size_t>(y) * frame.width + minX) * 4;
        float* depth = frame.depth + static_cast<std::size_t>(y) * frame.width + minX;
        for (int x = minX; x <= maxX; ++x, pixel += 4, ++depth, w0 += edges[0].stepX,
                 w1 += edges[1].stepX, w2 += edges[2].stepX) {
            if ((w0 | w1 | w2) < 0) {
                continue;
            }
            const float l0 = static_cast<float>(w0) * perArea;
            const float l1 = static_cast<float>(w1) * perArea;
            const float l2 = static_cast<float>(w2) * perArea;
            const float invZ = l0 * a.invZ + l1 * b.invZ + l2 * c.invZ;
            // Opaque surfaces draw where they are as near as what is there; blended ones only
            // where they are nearer, which also keeps them off their own solid texels.
            if (pass == Pass::Opaque ? invZ < *depth : invZ <= *depth) {
                continue;
            }
            Texel texel = flat;
            if (surface.texture) {
                const float z = 1 / invZ;
                texel =
                    sample(*surface.texture, (l0 * a.uOverZ + l1 * b.uOverZ + l2 * c.uOverZ) * z,
                           (l0 * a.vOverZ + l1 * b.vOverZ + l2 * c.vOverZ) * z);
            }
            if (texel.a < threshold) {
                continue;
            }
            put(pixel, texel, surface.shade, surface.alpha == AlphaMode::Blend ? texel.a : 255);
            if (pass == Pass::Opaque) {
                *depth = invZ;
            }
        }
    }
}

// Brighter where a surface faces the light, from 0.6 to 1, so that plain walls stay apart.
int shadeOf(const CabinTriangle& triangle)
{
    Vec3d n{};
    for (const CabinVertex& corner : triangle.corners) {
        n = n + vectorCast<double>(corner.normal);
    }
    double magnitude = length(n);
    if (!(magnitude > 1e-6) || !std::isfinite(magnitude)) {
        // No usable normals: the face's own, which faces whoever sees the triangle drawn.
        const Vec3d p = vectorCast<double>(triangle.corners[0].position);
        n = cross(vectorCast<double>(triangle.corners[1].position) - p,
                  vectorCast<double>(triangle.corners[2].position) - p);
        magnitude = length(n);
    }
    const double facing =
        magnitude > 0 && std::isfinite(magnitude) ? dot(n, towardLight) / magnitude : 0;
    return static_cast<int>(std::lround(256 * (0.8 + 0.2 * facing)));
}

Texture textureOf(const CabinTexture* texture)
{
    constexpr int largest = 1 << 15;
    const RgbaImage* image =
        texture && !texture->levels.empty() ? &texture->levels.front() : nullptr;
    if (!image || image->width < 1 || image->height < 1 || image->width > largest ||
        image->height > largest ||
        image->pixels.size() < static_cast<std::size_t>(image->width) * image->height * 4) {
        return {};
    }
    return {image->pixels.data(), image->width, image->height};
}

void drawShapeTriangle(const Frame& frame, const Projection& projection,
                       const CabinTriangle& triangle, const Surface& surface, Pass pass)
{
    Polygon polygon;
    for (int i = 0; i < 3; ++i) {
        polygon[i] = projection.toView(triangle.corners[i]);
    }
    const ViewVertex& v0 = polygon[0];
    const ViewVertex& v1 = polygon[1];
    const ViewVertex& v2 = polygon[2];
    // Open Rails culls faces whose corners run counter-clockwise on the screen: seen from the
    // camera, a drawn face's corners turn clockwise. NaN fails this test too.
    const Vec3d origin{v0.x, v0.y, v0.z};
    const Vec3d facing = cross(Vec3d{v1.x, v1.y, v1.z} - origin, Vec3d{v2.x, v2.y, v2.z} - origin);
    if (!(dot(origin, facing) < 0)) {
        return;
    }
    int count = 3;
    for (int plane = 0; plane < planeCount; ++plane) {
        int outside = 0;
        for (int i = 0; i < count; ++i) {
            outside += projection.inside(plane, polygon[i]) < 0;
        }
        if (outside == count) {
            return;
        }
        if (outside > 0) {
            Polygon cut;
            count = clipAgainst(projection, plane, polygon, count, cut);
            polygon = cut;
        }
    }
    std::array<ScreenVertex, 3 + planeCount> screen;
    for (int i = 0; i < count; ++i) {
        const ViewVertex& v = polygon[i];
        if (!(v.z >= nearPlane / 2) || !std::isfinite(v.x) || !std::isfinite(v.y) ||
            !std::isfinite(v.z)) {
            return; // beyond what double precision can cut
        }
        screen[i] = projection.toScreen(v);
    }
    for (int i = 1; i + 1 < count; ++i) {
        drawTriangle(frame, screen[0], screen[i], screen[i + 1], surface, pass);
    }
}

bool finite(const CabinTriangle& triangle)
{
    return std::all_of(triangle.corners.begin(), triangle.corners.end(), [](const CabinVertex& c) {
        return std::isfinite(c.position.x) && std::isfinite(c.position.y) &&
               std::isfinite(c.position.z);
    });
}

} // namespace

std::optional<RgbaImage> renderCabin(const CabinShape& shape,
                                     const std::vector<const CabinTexture*>& textures,
                                     const PassengerCamera& camera, const CabinLight& /*light*/,
                                     int width, int height, const std::atomic<bool>* cancel)
{
    RgbaImage image;
    if (width < 1 || height < 1 || width > maxRenderSide || height > maxRenderSide) {
        return image;
    }
    image.width = width;
    image.height = height;
    const std::size_t pixelCount = static_cast<std::size_t>(width) * height;
    image.pixels.resize(pixelCount * 4);
    for (std::size_t i = 0; i < pixelCount; ++i) {
        std::copy(cabinBackground.begin(), cabinBackground.end(), image.pixels.begin() + i * 4);
        image.pixels[i * 4 + 3] = 255;
    }
    std::vector<float> depth(pixelCount, 0.0f);
    const Frame frame{width, height, image.pixels.data(), depth.data()};

    std::vector<Texture> views(shape.textures.size());
    for (std::size_t i = 0; i < views.size() && i < textures.size(); ++i) {
        views[i] = textureOf(textures[i]);
    }
    const auto surfaceOf = [&](const CabinTriangle& triangle) {
        const bool known = triangle.texture >= 0 &&
                           static_cast<std::size_t>(triangle.texture) < views.size() &&
                           views[triangle.texture].pixels;
        return Surface{known ? &views[triangle.texture] : nullptr, shadeOf(triangle),
                       triangle.alpha};
    };

    const Projection projection(camera, width, height);
    // Open Rails draws blended primitives sorted by the distance of their matrix, ties in the
    // order of the shape; an interior's hang on one matrix, so the order of the shape it is.
    for (const Pass pass : {Pass::Opaque, Pass::Blended}) {
        std::size_t drawn = 0;
        for (const CabinTriangle& triangle : shape.triangles) {
            if (++drawn % 64 == 0 && cancel && cancel->load(std::memory_order_relaxed)) {
                return std::nullopt;
            }
            if ((pass == Pass::Blended && triangle.alpha != AlphaMode::Blend) ||
                !finite(triangle)) {
                continue;
            }
            drawShapeTriangle(frame, projection, triangle, surfaceOf(triangle), pass);
        }
    }
    if (cancel && cancel->load(std::memory_order_relaxed)) {
        return std::nullopt;
    }
    return image;
}

} // namespace orbanil
