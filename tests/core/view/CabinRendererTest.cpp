#include "core/view/CabinRenderer.h"

#include "core/view/Lighting.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace orbanil {
namespace {

// A synthetic interior: solid-coloured textures, triangles in the order added, all lit alike
// so that a colour reads the same on every face.
struct Scene
{
    CabinShape shape;
    std::vector<CabinTexture> images;

    int texture(Rgb c, int alpha = 255)
    {
        images.push_back({{{1, 1, {c[0], c[1], c[2], std::uint8_t(alpha)}}}, 8, false});
        shape.textures.push_back("t.ace");
        return int(images.size()) - 1;
    }
    int material(const char* shader, int lighting = -5)
    {
        shape.materials.push_back({shader, lighting});
        return int(shape.materials.size()) - 1;
    }
    void triangle(Vec3 a, Vec3 b, Vec3 c, int texture, AlphaMode alpha = AlphaMode::Opaque,
                  int material = -1, Vec3 origin = {}, Vec3 n = {0, 1, 0})
    {
        shape.triangles.push_back(
            {{{{a, n, {}}, {b, n, {}}, {c, n, {}}}}, texture, alpha, material, origin});
    }
    // A square facing the way `facing` points, its corners turning clockwise seen from there.
    void square(Vec3 centre, Vec3 right, Vec3 up, int texture, AlphaMode alpha = AlphaMode::Opaque,
                int material = -1, Vec3 origin = {})
    {
        const Vec3 n = normalized(cross(right, up)) * -1.0f;
        const Vec3 q[4] = {centre - right - up, centre - right + up, centre + right + up,
                           centre + right - up};
        triangle(q[0], q[1], q[2], texture, alpha, material, origin, n);
        triangle(q[0], q[2], q[3], texture, alpha, material, origin, n);
    }
    // Drawn from outside: seen from there, each face's corners turn clockwise.
    void cube(Vec3 centre, float half, int texture, AlphaMode alpha = AlphaMode::Opaque)
    {
        const auto at = [&](int x, int y, int z) {
            return centre + Vec3{x * half, y * half, z * half};
        };
        const int faces[6][4][3] = {{{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}},
                                    {{1, -1, 1}, {1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}},
                                    {{-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}},
                                    {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}},
                                    {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}},
                                    {{-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}, {1, -1, 1}}};
        for (const auto& f : faces) {
            const Vec3 q[4] = {at(f[0][0], f[0][1], f[0][2]), at(f[1][0], f[1][1], f[1][2]),
                               at(f[2][0], f[2][1], f[2][2]), at(f[3][0], f[3][1], f[3][2])};
            triangle(q[0], q[1], q[2], texture, alpha);
            triangle(q[0], q[2], q[3], texture, alpha);
        }
    }
    std::vector<const CabinTexture*> textures() const
    {
        std::vector<const CabinTexture*> pointers;
        for (const CabinTexture& image : images) {
            pointers.push_back(&image);
        }
        return pointers;
    }
    RgbaImage render(const PassengerCamera& camera, int width, int height,
                     const CabinLight& light = {}) const
    {
        return renderCabin(shape, textures(), camera, light, width, height).value();
    }
};

Rgb pixelAt(const RgbaImage& image, int x, int y)
{
    const std::uint8_t* p = &image.pixels[(std::size_t(y) * image.width + x) * 4];
    return {p[0], p[1], p[2]};
}

// The pixel's colour is `colour` in some light from 0.55 to 1, within rounding.
bool shows(const RgbaImage& image, int x, int y, Rgb colour)
{
    const std::uint8_t* p = &image.pixels[(std::size_t(y) * image.width + x) * 4];
    double pc = 0, cc = 0;
    for (int i = 0; i < 3; ++i) {
        pc += p[i] * colour[i], cc += colour[i] * colour[i];
    }
    const double s = pc / cc;
    for (int i = 0; i < 3; ++i) {
        if (std::abs(p[i] - s * colour[i]) > 4) {
            return false;
        }
    }
    return s > 0.55 && s < 1.01;
}

// No two of them, nor the mixes below, read as the same colour.
constexpr Rgb green{0, 255, 0}, blue{0, 0, 255}, yellow{255, 255, 0}, magenta{255, 0, 255},
    cyan{0, 255, 255}, orange{255, 128, 0}, white{255, 255, 255}, azure{0, 128, 255},
    purple{128, 0, 255}, pink{255, 160, 160}, brown{140, 90, 40}, moss{60, 120, 60};

TEST(CabinRenderer, EachMarkerShowsWhereTheCameraPutsItInItsColour)
{
    using enum AlphaMode;
    struct Marker
    {
        const char* what;
        Vec3 centre;
        Rgb colour;      // black: a texture missing
        AlphaMode cover; // a cube around the marker; none when Opaque
        int coverAlpha;  // and its texture's alpha
        Rgb coverColour; //
        Rgb seen;        // at the marker, when covered
    };
    // clang-format off
    const Marker markers[] = {
        {"pink ahead", {0, 1.7f, 4}, pink, Opaque, 0, {}, {}},
        {"green up left", {-0.8f, 2.3f, 5}, green, Opaque, 0, {}, {}},
        {"azure low right", {0.7f, 1.1f, 3.5f}, azure, Opaque, 0, {}, {}},
        {"yellow far", {0.3f, 1.9f, 7}, yellow, Opaque, 0, {}, {}},
        {"a texture missing", {0.2f, 1.4f, 5}, {}, Opaque, 0, {}, {}},
        {"alpha 199 fails the test", {-0.4f, 1.3f, 4.5f}, purple, AlphaTest, 199, white, purple},
        {"alpha 200 passes it", {0.5f, 2.2f, 4.2f}, cyan, AlphaTest, 200, orange, orange},
    };
    // clang-format on
    Scene scene;
    const int wall = scene.texture(brown);
    scene.triangle({-6, -3, 9}, {6, 6, 9}, {6, -3, 9}, wall); // behind the markers
    scene.triangle({-6, -3, 9}, {-6, 6, 9}, {6, 6, 9}, wall);
    // A floor reaching behind both heads, which only a cut at the near plane draws right.
    scene.triangle({-9, 0.5f, -9}, {0, 0.5f, 9}, {9, 0.5f, -9}, scene.texture(moss));
    for (const Marker& m : markers) {
        const int cover = scene.texture(m.coverColour, m.coverAlpha);
        scene.cube(m.centre, 0.04f, m.colour == Rgb{} ? 99 : scene.texture(m.colour));
        if (m.cover != Opaque) {
            scene.cube(m.centre, 0.08f, cover, m.cover);
        }
    }
    const PassengerCamera viewpoints[] = {cameraAtStart({0, 1.7f, 0}, 0, 0),
                                          cameraAtStart({0.6f, 1.4f, 0.8f}, 350, 355)};
    constexpr int width = 320, height = 240;
    for (PassengerCamera camera : viewpoints) {
        for (const double fieldOfView : {45.0, 70.0}) {
            camera.fieldOfView = fieldOfView;
            const RgbaImage image = scene.render(camera, width, height);
            EXPECT_TRUE(shows(image, width / 2, height - 1, moss));
            for (const Marker& m : markers) {
                SCOPED_TRACE(testing::Message() << m.what << " at " << fieldOfView);
                // A missing texture is Open Rails' magenta one, lit like any other.
                const Rgb seen = m.colour == Rgb{}   ? magenta
                                 : m.cover == Opaque ? m.colour
                                                     : m.seen;
                const std::optional<ScreenPoint> at =
                    projectToScreen(camera, m.centre, width, height);
                ASSERT_TRUE(at && at->x > 20 && at->x < width - 20 && at->y > 20 &&
                            at->y < height - 20);
                EXPECT_TRUE(shows(image, int(at->x), int(at->y), seen));
                // Where the colour shows around the marker, its centre is the marker's.
                double sumX = 0, sumY = 0;
                int count = 0;
                for (int y = int(at->y) - 20; y < int(at->y) + 20; ++y) {
                    for (int x = int(at->x) - 20; x < int(at->x) + 20; ++x) {
                        if (shows(image, x, y, seen)) {
                            sumX += x + 0.5, sumY += y + 0.5, ++count;
                        }
                    }
                }
                ASSERT_GT(count, 3);
                EXPECT_NEAR(sumX / count, at->x, 1);
                EXPECT_NEAR(sumY / count, at->y, 1);
            }
        }
    }
    const std::atomic<bool> cancelled{true};
    EXPECT_FALSE(renderCabin(scene.shape, {}, viewpoints[0], {}, width, height, &cancelled));
}

// Open Rails culls the faces whose corners run counter-clockwise on the screen, and the nearest
// surface hides the others whatever their order.
TEST(CabinRenderer, TheNearestClockwiseTriangleShowsWhereTheCameraPutsIt)
{
    std::mt19937 random(2024);
    const auto uniform = [&](double a, double b) {
        return std::uniform_real_distribution(a, b)(random);
    };
    constexpr int width = 160, height = 120;
    for (int trial = 0; trial < 500; ++trial) {
        const PassengerCamera camera{
            {float(uniform(-2, 2)), float(uniform(-2, 2)), float(uniform(-2, 2))},
            uniform(-1.2, 1.2),
            uniform(-4, 4),
            uniform(20, 120)};
        const CameraAxes axes = cameraAxes(camera);
        const Vec3d eye = vectorCast<double>(camera.eye);
        // Now and then nearer than the near plane, where nothing is drawn.
        const double f = focalLengthPixels(camera, height);
        const double z = trial % 10 ? uniform(0.5, 20) : uniform(0.02, 0.09);
        const Vec3d p = eye + axes.forward * z + axes.right * (uniform(-40, 40) * z / f) +
                        axes.up * (uniform(-30, 30) * z / f);
        // Corners on the ray through p at `distance` times its depth, `radius` pixels round it, in
        // a plane turned `tilt` about the image's up.
        const auto around = [&](double distance, double radius, double tilt, double turn) {
            const Vec3d centre = eye + (p - eye) * distance;
            const Vec3d across = axes.right * std::cos(tilt) + axes.forward * std::sin(tilt);
            std::array<Vec3, 3> corners;
            for (int k = 0; k < 3; ++k) {
                const double a = turn + k * 2 * std::numbers::pi / 3;
                corners[k] =
                    vectorCast<float>(centre + (across * std::cos(a) + axes.up * std::sin(a)) *
                                                   (radius * z * distance / f));
            }
            return corners;
        };
        const auto clockwise = [&](const std::array<Vec3, 3>& c) {
            ScreenPoint s[3];
            for (int k = 0; k < 3; ++k) {
                s[k] = projectToScreen(camera, c[k], width, height).value();
            }
            return (s[1].x - s[0].x) * (s[2].y - s[0].y) - (s[2].x - s[0].x) * (s[1].y - s[0].y) >
                   0;
        };
        std::array<Vec3, 3> near =
            around(1, uniform(12, 30), z < 0.1 ? 0 : uniform(-0.9, 0.9), uniform(0, 7));
        std::array<Vec3, 3> behind = around(std::max(1.5, 0.3 / z), 90, 0, 0);
        if (uniform(0, 1) < 0.5) {
            std::swap(near[1], near[2]);
        }
        if (!clockwise(behind)) {
            std::swap(behind[1], behind[2]);
        }
        Scene scene;
        const int nearColour = scene.texture(orange), behindColour = scene.texture(cyan);
        for (int i = 0; i < 2; ++i) {
            if ((i == 0) == (trial % 3 == 0)) {
                scene.triangle(near[0], near[1], near[2], nearColour);
            } else {
                scene.triangle(behind[0], behind[1], behind[2], behindColour);
            }
        }
        const RgbaImage image = scene.render(camera, width, height);
        const Vec3 middle = (behind[0] + behind[1] + behind[2]) / 3; // on the ray to p
        const ScreenPoint at = projectToScreen(camera, middle, width, height).value();
        const bool nearShows = z >= nearPlane && clockwise(near);
        EXPECT_TRUE(shows(image, int(at.x), int(at.y), nearShows ? orange : cyan)) << trial;
    }
}

// Blended and added surfaces between the eye and a grey wall, full bright, as Open Rails draws
// them: the farthest material of the blended pass is its first, drawn from 250 alone; the
// others blend over what is behind them from 10, far to near by their matrix's origin; added
// ones add their colour in both passes.
TEST(CabinRenderer, BlendedSurfacesShowAsOpenRailsOrdersAndBlendsThem)
{
    using enum AlphaMode;
    struct Layer
    {
        float depth;
        float originZ;
        Rgb colour;
        int alpha;
        AlphaMode mode = Blend;
    };
    const auto over = [](Rgb c, int a, Rgb behind) {
        Rgb out;
        for (int i = 0; i < 3; ++i) {
            out[i] = std::uint8_t((c[i] * a + behind[i] * (255 - a) + 127) / 255);
        }
        return out;
    };
    const auto add = [](Rgb c, int a, Rgb behind) {
        Rgb out;
        for (int i = 0; i < 3; ++i) {
            out[i] = std::uint8_t(std::min(255, behind[i] + (c[i] * a + 127) / 255));
        }
        return out;
    };
    constexpr Rgb wall{100, 100, 100}, glass{200, 0, 0}, tint{0, 200, 0};
    const Layer farthest{9, 9, blue, 100}; // the first of the pass: hidden below 250
    struct Case
    {
        const char* what;
        std::vector<Layer> layers; // in the shape's order
        Rgb seen;
    };
    const Case cases[] = {
        {"a lone blended material shows its solid texels alone", {{5, 5, glass, 160}}, wall},
        {"which hide what is behind", {{5, 5, glass, 255}}, glass},
        {"from 250, drawn in both passes",
         {{5, 5, glass, 250}},
         over(glass, 250, over(glass, 250, wall))},
        {"a nearer one blends over it", {farthest, {4, 4, glass, 128}}, over(glass, 128, wall)},
        {"far to near whatever the shape's order",
         {farthest, {4, 4, glass, 128}, {6, 6, tint, 128}},
         over(glass, 128, over(tint, 128, wall))},
        {"by the origin of the matrix, not the surface",
         {farthest, {4, 6, glass, 128}, {6, 4, tint, 128}},
         over(tint, 128, over(glass, 128, wall))},
        {"within a millimetre in the shape's order",
         {farthest, {4, 5, glass, 128}, {6, 5.0009f, tint, 128}},
         over(tint, 128, over(glass, 128, wall))},
        {"below 10 nothing", {farthest, {4, 4, glass, 9}}, wall},
        {"added in both passes", {{5, 5, glass, 64, Add}}, add(glass, 64, add(glass, 64, wall))},
        {"added below 10 nothing", {{5, 5, glass, 9, Add}}, wall},
    };
    const PassengerCamera camera = cameraAtStart({0, 0, 0}, 0, 0);
    for (const Case& c : cases) {
        Scene scene;
        const int fullBright = scene.material("Tex");
        scene.square({0, 0, 10}, {20, 0, 0}, {0, 20, 0}, scene.texture(wall), Opaque, fullBright);
        for (const Layer& layer : c.layers) {
            scene.square({0, 0, layer.depth}, {1, 0, 0}, {0, 1, 0},
                         scene.texture(layer.colour, layer.alpha), layer.mode, fullBright,
                         {0, 0, layer.originZ});
        }
        EXPECT_EQ(pixelAt(scene.render(camera, 32, 24), 16, 12), c.seen) << c.what;
    }
}

// A wall drawn at k times the distance samples the level log2(k) further down, whatever the
// texture's size and MipMapLODBias; one without stored levels samples its first alone.
TEST(CabinRenderer, ASurfaceFartherAwaySamplesASmallerLevel)
{
    std::mt19937 random(7);
    const auto uniform = [&](double a, double b) {
        return std::uniform_real_distribution(a, b)(random);
    };
    // Level i a plain grey of 20 + 20 i, so that the grey seen tells the level sampled.
    const auto levelSeen = [](const RgbaImage& image) {
        return (pixelAt(image, 32, 24)[0] - 20) / 20.0;
    };
    int compared = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const int side = 1 << std::uniform_int_distribution(4, 9)(random);
        CabinTexture texture{{}, 0, false};
        for (int s = side, i = 0; s >= 1; s /= 2, ++i) {
            RgbaImage level{s, s, {}};
            for (int p = 0; p < s * s; ++p) {
                const std::uint8_t grey = std::uint8_t(20 + 20 * i);
                level.pixels.insert(level.pixels.end(), {grey, grey, grey, 255});
            }
            texture.levels.push_back(level);
        }
        const bool stored = trial % 10 != 0;
        if (!stored) {
            texture.levels.resize(1);
        }
        const double distance = uniform(0.5, 4), k = uniform(1, 8);
        const float repeats = float(uniform(0.5, 8)), bias = float(uniform(-3, 3));
        const auto seenAt = [&](double d) {
            Scene scene;
            scene.images.push_back(texture);
            scene.shape.textures.push_back("t.ace");
            scene.shape.materials.push_back({"Tex", -5, TextureAddressing::Wrap, bias});
            const Vec3 n{0, 0, -1};
            const float z = float(d), r = repeats;
            const CabinVertex q[4] = {{{-10, -10, z}, n, {0, r}},
                                      {{-10, 10, z}, n, {0, 0}},
                                      {{10, 10, z}, n, {r, 0}},
                                      {{10, -10, z}, n, {r, r}}};
            scene.shape.triangles.push_back({{q[0], q[1], q[2]}, 0, AlphaMode::Opaque, 0});
            scene.shape.triangles.push_back({{q[0], q[2], q[3]}, 0, AlphaMode::Opaque, 0});
            return levelSeen(scene.render(cameraAtStart({0, 0, 0}, 0, 0), 64, 48));
        };
        const double near = seenAt(distance), far = seenAt(distance * k);
        const double last = double(texture.levels.size() - 1);
        if (!stored) {
            EXPECT_EQ(near, 0) << trial;
            EXPECT_EQ(far, 0) << trial;
        } else if (near > 0 && far < last) {
            // Neither held at an end of the chain.
            EXPECT_NEAR(far - near, std::log2(k), 1) << trial;
            ++compared;
        }
    }
    EXPECT_GT(compared, 60);
}

// Each wall of a room seen from inside is its texture in the light its normal takes from the
// sun, as the shading of its material says.
TEST(CabinRenderer, EachWallIsLitAsItsShadingSaysForTheSun)
{
    const CabinLight lights[] = {{}, {false, 10, -60}, {false, 80, 170}, {true, 45, 45}};
    constexpr Rgb paint{200, 180, 160};
    PassengerCamera camera = cameraAtStart({0, 0, 0}, 0, 0);
    camera.fieldOfView = 120;
    struct Wall
    {
        Vec3 centre, right, up; // as Scene::square takes them
        Vec3 seenAt;            // a point of it in the camera's view
    };
    const Wall walls[] = {{{0, 0, 3}, {3, 0, 0}, {0, 3, 0}, {0.3f, 0.3f, 3}},
                          {{-3, 0, 0}, {0, 0, 3}, {0, 3, 0}, {-3, 0.2f, 2}},
                          {{3, 0, 0}, {0, 0, -3}, {0, 3, 0}, {3, 0.2f, 2}},
                          {{0, -3, 0}, {3, 0, 0}, {0, 0, 3}, {0.2f, -3, 2.5f}},
                          {{0, 3, 0}, {3, 0, 0}, {0, 0, -3}, {0.2f, 3, 2.5f}}};
    for (const char* shader : {"TexDiff", "Tex"}) {
        for (const CabinLight& light : lights) {
            Scene scene;
            const int texture = scene.texture(paint);
            const int material = scene.material(shader);
            for (const Wall& w : walls) {
                scene.square(w.centre, w.right, w.up, texture, AlphaMode::Opaque, material);
            }
            const RgbaImage image = scene.render(camera, 160, 120, light);
            for (const Wall& w : walls) {
                const Vec3 inward = normalized(cross(w.right, w.up)) * -1.0f;
                const float b = brightnessOf(shadingOf(shader, -5), light, false)
                                    .at(halfLambert(inward, towardSun(light)));
                const ScreenPoint at = projectToScreen(camera, w.seenAt, 160, 120).value();
                const Rgb seen = pixelAt(image, int(at.x), int(at.y));
                for (int c = 0; c < 3; ++c) {
                    EXPECT_NEAR(seen[c], paint[c] * b, 2)
                        << shader << ", wall " << &w - walls << ", light " << &light - lights;
                }
            }
        }
    }
}

// Through the windows, where there is no surface, the plain sky of the light shows; the image
// is the same drawn on any number of threads and after any frame before it, and none is drawn
// once cancelled.
TEST(CabinRenderer, TheSkyShowsWhereNothingIsAndThreadsChangeNothing)
{
    Scene empty;
    for (const CabinLight light : {CabinLight{}, CabinLight{true}}) {
        const RgbaImage image = empty.render(cameraAtStart({0, 0, 0}, 0, 0), 8, 6, light);
        for (int p = 0; p < 48; ++p) {
            EXPECT_EQ(pixelAt(image, p % 8, p / 8), skyColour(light)) << p;
        }
    }
    Scene scene;
    const int glass = scene.texture(azure, 120);
    for (int i = 0; i < 40; ++i) {
        const float x = float(i % 8) - 3.5f, y = float(i / 8) - 2;
        scene.cube({x, y, 6 + float(i % 3)}, 0.45f, scene.texture({Rgb{uint8_t(i * 6), 90, 40}}));
        scene.square({x, y, 4}, {0.3f, 0, 0}, {0, 0.3f, 0}, glass, AlphaMode::Blend, -1, {x, y, 4});
    }
    const PassengerCamera camera = cameraAtStart({0.2f, 0.1f, 0}, 5, 10);
    const RgbaImage alone = scene.render(camera, 200, 150);
    for (const int threads : {1, 2, 3, 5}) {
        CabinRenderer renderer(threads);
        // A larger frame from nearer first, whose buffers the next one takes over.
        EXPECT_TRUE(renderer.render(scene.shape, scene.textures(),
                                    cameraAtStart({0.2f, 0.1f, 2.5f}, 5, 10), {}, 240, 180));
        EXPECT_EQ(renderer.render(scene.shape, scene.textures(), camera, {}, 200, 150), alone)
            << threads;
        const std::atomic<bool> cancelled{true};
        EXPECT_FALSE(
            renderer.render(scene.shape, scene.textures(), camera, {}, 200, 150, &cancelled));
    }
}

} // namespace
} // namespace orbanil
