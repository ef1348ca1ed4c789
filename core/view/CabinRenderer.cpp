#include "core/view/CabinRenderer.h"

#include "core/view/DrawOrder.h"
#include "core/view/FrameSurfaces.h"
#include "core/view/ViewClipping.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace orbanil {

namespace {

// Rows a thread draws at a time.
constexpr int bandRows = 16;
// How often the drawing looks at the cancel flag, in triangles.
constexpr std::size_t cancelCheck = 64;

bool isCancelled(const std::atomic<bool>* cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

bool finite(const CabinTriangle& triangle)
{
    return std::all_of(triangle.corners.begin(), triangle.corners.end(), [](const CabinVertex& c) {
        return std::isfinite(c.position.x) && std::isfinite(c.position.y) &&
               std::isfinite(c.position.z);
    });
}

// Each triangle on the image, cut into the pieces it fans into: triangle i's pieces are
// first[i] to first[i + 1].
struct ScreenPieces
{
    std::vector<ScreenTriangle> pieces;
    std::vector<std::uint32_t> first;
};

void addPieces(ScreenPieces& screen, const Projection& projection, const CabinTriangle& triangle,
               const Vec3d& sun, int width, int height)
{
    std::array<ViewVertex, 3> corners;
    for (std::size_t k = 0; k < 3; ++k) {
        const CabinVertex& corner = triangle.corners[k];
        corners[k] = projection.toView(corner, halfLambert(corner.normal, sun));
    }
    const ScreenPolygon polygon = projection.project(corners);
    for (std::size_t i = 1; i + 1 < static_cast<std::size_t>(polygon.count); ++i) {
        const std::optional<ScreenTriangle> piece = screenTriangle(
            polygon.corners[0], polygon.corners[i], polygon.corners[i + 1], width, height);
        if (piece) {
            screen.pieces.push_back(*piece);
        }
    }
}

std::optional<ScreenPieces> screenPieces(const CabinShape& shape, const PassengerCamera& camera,
                                         const CabinLight& light, int width, int height,
                                         const std::atomic<bool>* cancel)
{
    const Projection projection(camera, width, height);
    const Vec3d sun = towardSun(light);
    ScreenPieces screen;
    screen.first.reserve(shape.triangles.size() + 1);
    screen.pieces.reserve(shape.triangles.size());
    for (std::size_t i = 0; i < shape.triangles.size(); ++i) {
        if (i % cancelCheck == 0 && isCancelled(cancel)) {
            return std::nullopt;
        }
        screen.first.push_back(static_cast<std::uint32_t>(screen.pieces.size()));
        if (finite(shape.triangles[i])) {
            addPieces(screen, projection, shape.triangles[i], sun, width, height);
        }
    }
    screen.first.push_back(static_cast<std::uint32_t>(screen.pieces.size()));
    return screen;
}

// One piece of a triangle on the image in a pass, and the state it is drawn in.
struct DrawItem
{
    std::uint32_t piece = 0;
    int surface = 0;
    DrawState state;
};

// The opaque pass in the shape's order, every material set as the first of its pass: those
// that replace what they cover are marked, each pixel shaded for the nearest alone; its other
// triangles are drawn after them, then the blended pass in Open Rails' order.
struct DrawLists
{
    std::vector<DrawItem> marked;
    std::vector<DrawItem> drawn;
};

DrawLists drawLists(const CabinShape& shape, const FrameSurfaces& surfaces,
                    const ScreenPieces& screen, Vec3 eye)
{
    DrawLists lists;
    const auto add = [&](std::size_t triangle, bool first) {
        const int surface = surfaces.ofTriangle[triangle];
        const DrawState state = drawState(shape.triangles[triangle].alpha, first);
        const bool replaces = state.blending == Blending::Replace && state.depthWrite;
        for (std::uint32_t p = screen.first[triangle]; p < screen.first[triangle + 1]; ++p) {
            (replaces ? lists.marked : lists.drawn).push_back({p, surface, state});
        }
    };
    for (std::size_t i = 0; i < shape.triangles.size(); ++i) {
        add(i, true);
    }
    for (const BlendedDraw& draw : blendedOrder(shape, surfaces.ofTriangle, eye)) {
        add(draw.triangle, draw.first);
    }
    return lists;
}

// What every band draws from, and how it stops when the drawing is cancelled.
struct FrameWork
{
    const Frame& frame;
    const ScreenPieces& screen;
    const FrameSurfaces& surfaces;
    const DrawLists& lists;
    Rgb sky;
    const std::atomic<bool>* cancel;
    std::atomic<bool> stopped{false};

    const Surface& surfaceOf(const DrawItem& item) const
    {
        return surfaces.surfaces[static_cast<std::size_t>(item.surface)];
    }

    // Whether to stop, looked at every so many triangles.
    bool stopping(std::size_t i)
    {
        if (i % cancelCheck == 0 && (stopped || isCancelled(cancel))) {
            stopped = true;
        }
        return stopped.load(std::memory_order_relaxed);
    }
};

// `count` elements of a buffer kept between frames; a frame much smaller than the largest
// before it gives the rest back.
template <class T> T* frameBuffer(std::vector<T>& buffer, std::size_t count)
{
    if (buffer.capacity() / 2 > count) {
        std::vector<T>().swap(buffer);
    }
    buffer.resize(count);
    return buffer.data();
}

void clearRows(FrameWork& work, int firstRow, int lastRow)
{
    const Frame& frame = work.frame;
    for (std::size_t p = static_cast<std::size_t>(firstRow) * frame.width;
         p < static_cast<std::size_t>(lastRow + 1) * frame.width; ++p) {
        std::uint8_t* pixel = frame.rgba + p * 4;
        pixel[0] = work.sky[0];
        pixel[1] = work.sky[1];
        pixel[2] = work.sky[2];
        pixel[3] = 255;
        frame.depth[p] = 0;
        frame.nearest[p] = -1;
    }
}

// Each run of a row's pixels kept by one marked triangle, shaded by it.
void shadeRows(FrameWork& work, int firstRow, int lastRow)
{
    const Frame& frame = work.frame;
    for (int y = firstRow; y <= lastRow; ++y) {
        const std::int32_t* row = frame.nearest + static_cast<std::size_t>(y) * frame.width;
        for (int x = 0, last = 0; x < frame.width; x = last + 1) {
            for (last = x; last + 1 < frame.width && row[last + 1] == row[x]; ++last) {
            }
            if (row[x] >= 0) {
                const DrawItem& item = work.lists.marked[static_cast<std::size_t>(row[x])];
                shadeRun(frame, work.screen.pieces[item.piece], work.surfaceOf(item), item.state, y,
                         x, last);
            }
        }
    }
}

void drawBand(FrameWork& work, int firstRow, int lastRow)
{
    clearRows(work, firstRow, lastRow);
    const auto covers = [&](const ScreenTriangle& piece) {
        return piece.maxY >= firstRow && piece.minY <= lastRow;
    };
    const std::vector<DrawItem>& marked = work.lists.marked;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        const ScreenTriangle& piece = work.screen.pieces[marked[i].piece];
        if (work.stopping(i)) {
            return;
        }
        if (covers(piece)) {
            markRows(work.frame, piece, work.surfaceOf(marked[i]), marked[i].state,
                     static_cast<std::int32_t>(i), firstRow, lastRow);
        }
    }
    shadeRows(work, firstRow, lastRow);
    const std::vector<DrawItem>& drawn = work.lists.drawn;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const ScreenTriangle& piece = work.screen.pieces[drawn[i].piece];
        if (work.stopping(i)) {
            return;
        }
        if (covers(piece)) {
            drawRows(work.frame, piece, work.surfaceOf(drawn[i]), drawn[i].state, firstRow,
                     lastRow);
        }
    }
}

} // namespace

std::optional<RgbaImage> CabinRenderer::render(const CabinShape& shape,
                                               const std::vector<const CabinTexture*>& textures,
                                               const PassengerCamera& camera,
                                               const CabinLight& light, int width, int height,
                                               const std::atomic<bool>* cancel)
{
    RgbaImage image;
    if (width < 1 || height < 1 || width > maxRenderSide || height > maxRenderSide) {
        return image;
    }
    const FrameSurfaces surfaces = frameSurfaces(shape, textures, light);
    const std::optional<ScreenPieces> screen =
        screenPieces(shape, camera, light, width, height, cancel);
    if (!screen) {
        return std::nullopt;
    }
    const DrawLists lists = drawLists(shape, surfaces, *screen, camera.eye);
    image.width = width;
    image.height = height;
    const std::size_t pixelCount = static_cast<std::size_t>(width) * height;
    image.pixels.resize(pixelCount * 4);
    const Frame frame{width,
                      height,
                      image.pixels.data(),
                      frameBuffer(m_depth, pixelCount),
                      frameBuffer(m_nearest, pixelCount),
                      frameBuffer(m_texels, pixelCount)};
    FrameWork work{frame, *screen, surfaces, lists, skyColour(light), cancel};
    m_bands.run((height + bandRows - 1) / bandRows, [&](int band) {
        const int firstRow = band * bandRows;
        drawBand(work, firstRow, std::min(height, firstRow + bandRows) - 1);
    });
    if (work.stopped || isCancelled(cancel)) {
        return std::nullopt;
    }
    return image;
}

std::optional<RgbaImage> renderCabin(const CabinShape& shape,
                                     const std::vector<const CabinTexture*>& textures,
                                     const PassengerCamera& camera, const CabinLight& light,
                                     int width, int height, const std::atomic<bool>* cancel)
{
    return CabinRenderer(1).render(shape, textures, camera, light, width, height, cancel);
}

} // namespace orbanil
