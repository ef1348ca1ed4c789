#include "core/view/CabinRenderer.h"

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
    void triangle(Vec3 a, Vec3 b, Vec3 c, int texture, AlphaMode alpha = AlphaMode::Opaque)
    {
        const Vec3 n{0, 1, 0};
        shape.triangles.push_back({{{{a, n, {}}, {b, n, {}}, {c, n, {}}}}, texture, alpha});
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
    RgbaImage render(const PassengerCamera& camera, int width, int height) const
    {
        std::vector<const CabinTexture*> textures;
        for (const CabinTexture& image : images) {
            textures.push_back(&image);
        }
        return renderCabin(shape, textures, camera, {}, width, height).value();
    }
};

// The pixel's colour is `colour` as the mild shading lights it (0.6 to 1), within rounding.
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
constexpr Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, yellow{255, 255, 0},
    magenta{255, 0, 255}, cyan{0, 255, 255}, orange{255, 128, 0}, white{255, 255, 255},
    azure{0, 128, 255}, purple{128, 0, 255}, pink{255, 160, 160}, brown{140, 90, 40},
    moss{60, 120, 60};

TEST(CabinRenderer, EachMarkerShowsWhereTheCameraPutsItInItsColour)
{
    using enum AlphaMode;
    struct Marker
    {
        const char* what;
        Vec3 centre;
        Rgb colour;              // black: a texture missing
        AlphaMode cover;         // a cube around the marker; none when Opaque
        int coverAlpha;          // and its texture's alpha
        Rgb coverColour;         //
        Rgb seen;                // at the marker, when covered
        bool coverFirst = false; // listed before the marker
        int alpha = 255;         // the marker's; blended below 255
    };
    // clang-format off
    const Marker markers[] = {
        {"pink ahead", {0, 1.7f, 4}, pink, Opaque, 0, {}, {}},
        {"green up left", {-0.8f, 2.3f, 5}, green, Opaque, 0, {}, {}},
        {"azure low right", {0.7f, 1.1f, 3.5f}, azure, Opaque, 0, {}, {}},
        {"yellow far", {0.3f, 1.9f, 7}, yellow, Opaque, 0, {}, {}},
        {"a texture missing", {0.2f, 1.4f, 5}, {}, Opaque, 0, {}, {}},
        {"alpha 199 fails the test", {-0.4f, 1.3f, 4.5f}, magenta, AlphaTest, 199, white, magenta},
        {"alpha 200 passes it", {0.5f, 2.2f, 4.2f}, cyan, AlphaTest, 200, orange, orange},
        {"blended after the opaque, listed first", {-0.9f, 1.6f, 3.8f}, blue, Blend, 160, red,
         {160, 0, 95}, true},
        {"blended below 10 is not drawn", {0.9f, 1.5f, 5.5f}, purple, Blend, 9, red, purple},
        {"blended from 250 hides like the opaque", {-0.2f, 2.0f, 6}, blue, Blend, 250, red, red,
         true, 128},
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
        if (m.cover != Opaque && m.coverFirst) {
            scene.cube(m.centre, 0.08f, cover, m.cover);
        }
        scene.cube(m.centre, 0.04f, m.colour == Rgb{} ? 99 : scene.texture(m.colour, m.alpha),
                   m.alpha < 255 ? Blend : Opaque);
        if (m.cover != Opaque && !m.coverFirst) {
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
                const Rgb seen = m.colour == Rgb{}   ? missingTextureColour
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

} // namespace
} // namespace orbanil
