#include "tests/support/CabinFixture.h"

#include "tests/support/AceWriter.h"

#include <array>
#include <fstream>
#include <map>
#include <stdexcept>

namespace orbanil::testing {

namespace {

// A quad's corners as seen from the side it faces: top left, top right, bottom right, bottom
// left, which is clockwise, the simulator's front.
using Quad = std::array<Vec3, 4>;

class CabinBuilder
{
public:
    struct SubObject
    {
        std::vector<std::array<int, 3>> vertices;            // point, normal, uv
        std::vector<std::pair<int, std::vector<int>>> lists; // prim_state, vertex indices
        std::map<std::array<int, 3>, int> shared;            // the vertices triangles share
    };

    // Its texture's corners on the quad's corners in their order.
    void quad(SubObject& sub, int primState, const Quad& corners, Vec3 normal)
    {
        constexpr std::array<Vec2, 4> uvs{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
        const int first = static_cast<int>(sub.vertices.size());
        for (std::size_t k = 0; k < 4; ++k) {
            sub.vertices.push_back(vertexIndices({corners[k], normal, uvs[k]}));
        }
        for (const int k : {0, 1, 2, 0, 2, 3}) {
            list(sub, primState).push_back(first + k);
        }
    }

    // Corners alike in place, normal and texture coordinates are one vertex, as exporters write.
    void triangle(SubObject& sub, int primState, const std::array<CabinVertex, 3>& corners)
    {
        for (const CabinVertex& corner : corners) {
            const std::array<int, 3> indices = vertexIndices(corner);
            const auto [at, added] =
                sub.shared.emplace(indices, static_cast<int>(sub.vertices.size()));
            if (added) {
                sub.vertices.push_back(indices);
            }
            list(sub, primState).push_back(at->second);
        }
    }

    ShapeNode points() const { return vectors("points", "point", m_points.values); }
    ShapeNode normals() const { return vectors("normals", "vector", m_normals.values); }
    ShapeNode uvs() const
    {
        ShapeNode node = block("uv_points").i(static_cast<std::int64_t>(m_uvs.values.size()));
        for (const Vec2& uv : m_uvs.values) {
            node.add(block("uv_point").f(uv.u).f(uv.v));
        }
        return node;
    }

    static ShapeNode subObject(const SubObject& sub)
    {
        ShapeNode header = block("sub_object_header");
        header.flags(0x400).i(-1).i(-1).flags(0x1d2).flags(0x1c4);
        ShapeNode info = block("geometry_info");
        for (int k = 0; k < 10; ++k) {
            info.i(0);
        }
        info.add(block("geometry_nodes").i(0)).add(block("geometry_node_map").i(2).i(0).i(-1));
        header.add(info);

        ShapeNode vertices = block("vertices");
        vertices.i(static_cast<std::int64_t>(sub.vertices.size()));
        for (const auto& [point, normal, uv] : sub.vertices) {
            vertices.add(block("vertex")
                             .flags(0)
                             .i(point)
                             .i(normal)
                             .flags(0xffffffff)
                             .flags(0xff000000)
                             .add(block("vertex_uvs").i(1).i(uv)));
        }
        ShapeNode sets = block("vertex_sets").i(1);
        sets.add(block("vertex_set").i(0).i(0).i(static_cast<std::int64_t>(sub.vertices.size())));

        ShapeNode primitives =
            block("primitives").i(2 * static_cast<std::int64_t>(sub.lists.size()));
        for (const auto& [primState, indices] : sub.lists) {
            primitives.add(block("prim_state_idx").i(primState));
            ShapeNode idxs = block("vertex_idxs").i(static_cast<std::int64_t>(indices.size()));
            ShapeNode normalIdxs =
                block("normal_idxs").i(static_cast<std::int64_t>(indices.size() / 3));
            ShapeNode flags = block("flags").i(static_cast<std::int64_t>(indices.size() / 3));
            for (const int i : indices) {
                idxs.i(i);
            }
            for (std::size_t t = 0; t < indices.size() / 3; ++t) {
                normalIdxs.i(0).i(3);
                flags.flags(0);
            }
            primitives.add(block("indexed_trilist").add(idxs).add(normalIdxs).add(flags));
        }
        return block("sub_object").add(header).add(vertices).add(sets).add(primitives);
    }

private:
    // Each value once, in the order first met.
    template <class Value, std::size_t N> struct Indexed
    {
        std::vector<Value> values;
        std::map<std::array<float, N>, int> indices;

        int index(const Value& value, const std::array<float, N>& key)
        {
            const auto [at, added] = indices.emplace(key, static_cast<int>(values.size()));
            if (added) {
                values.push_back(value);
            }
            return at->second;
        }
    };

    std::array<int, 3> vertexIndices(const CabinVertex& corner)
    {
        const Vec3 p = corner.position;
        const Vec3 n = corner.normal;
        return {m_points.index(p, {p.x, p.y, p.z}), m_normals.index(n, {n.x, n.y, n.z}),
                m_uvs.index(corner.uv, {corner.uv.u, corner.uv.v})};
    }

    static std::vector<int>& list(SubObject& sub, int primState)
    {
        if (sub.lists.empty() || sub.lists.back().first != primState) {
            sub.lists.push_back({primState, {}});
        }
        return sub.lists.back().second;
    }

    static ShapeNode vectors(const char* list, const char* item, const std::vector<Vec3>& values)
    {
        ShapeNode node = block(list).i(static_cast<std::int64_t>(values.size()));
        for (const Vec3& v : values) {
            node.add(block(item).f(v.x).f(v.y).f(v.z));
        }
        return node;
    }

    Indexed<Vec3, 3> m_points;
    Indexed<Vec3, 3> m_normals;
    Indexed<Vec2, 2> m_uvs;
};

ShapeNode matrix(const char* name, std::array<float, 12> values)
{
    ShapeNode node = block("matrix", name);
    for (const float v : values) {
        node.f(v);
    }
    return node;
}

ShapeNode primState(const char* name, int shader, int texture, int vertexState, int alphaTest)
{
    return block("prim_state", name)
        .flags(0)
        .i(shader)
        .add(block("tex_idxs").i(1).i(texture))
        .f(0)
        .i(vertexState)
        .i(alphaTest)
        .i(0)
        .i(1);
}

ShapeNode distanceLevel(float distance, const std::vector<ShapeNode>& subObjects)
{
    ShapeNode header = block("distance_level_header");
    header.add(block("dlevel_selection").f(distance)).add(block("hierarchy").i(2).i(-1).i(0));
    ShapeNode list = block("sub_objects").i(static_cast<std::int64_t>(subObjects.size()));
    for (const ShapeNode& sub : subObjects) {
        list.add(sub);
    }
    return block("distance_level").add(header).add(list);
}

} // namespace

const char* formName(ShapeForm form)
{
    switch (form) {
    case ShapeForm::TextUtf16:
        return "text UTF-16";
    case ShapeForm::TextAscii:
        return "text ASCII";
    case ShapeForm::Binary:
        return "binary";
    case ShapeForm::CompressedBinary:
        return "compressed binary";
    case ShapeForm::CompressedText:
        return "compressed text";
    }
    return "?";
}

ShapeNode fixtureCabin()
{
    enum PrimState
    {
        Floor,
        Seats,
        Frame,
        Glass
    };
    CabinBuilder cabin;
    CabinBuilder::SubObject room;
    CabinBuilder::SubObject seats;
    cabin.quad(room, Floor, {{{-1.4f, 0, 3}, {1.4f, 0, 3}, {1.4f, 0, -3}, {-1.4f, 0, -3}}},
               {0, 1, 0});
    cabin.quad(room, Floor, {{{-1.4f, 2.4f, -3}, {-1.4f, 2.4f, 3}, {-1.4f, 0, 3}, {-1.4f, 0, -3}}},
               {1, 0, 0});
    cabin.quad(room, Floor, {{{1.4f, 2.4f, 3}, {1.4f, 2.4f, -3}, {1.4f, 0, -3}, {1.4f, 0, 3}}},
               {-1, 0, 0});
    cabin.quad(room, Frame,
               {{{-1.39f, 1.8f, -1}, {-1.39f, 1.8f, 1}, {-1.39f, 1, 1}, {-1.39f, 1, -1}}},
               {1, 0, 0});
    cabin.quad(room, Glass,
               {{{-1.38f, 1.8f, -1}, {-1.38f, 1.8f, 1}, {-1.38f, 1, 1}, {-1.38f, 1, -1}}},
               {1, 0, 0});
    // In the seats' own space, which ASIENTOS turns half round about Y and moves.
    for (const float z : {-2.0f, 0.0f, 2.0f}) {
        cabin.quad(seats, Seats,
                   {{{0.3f, 0.45f, z + 0.25f},
                     {0.8f, 0.45f, z + 0.25f},
                     {0.8f, 0.45f, z - 0.25f},
                     {0.3f, 0.45f, z - 0.25f}}},
                   {0, 1, 0});
        cabin.quad(seats, Seats,
                   {{{0.3f, 1.1f, z + 0.25f},
                     {0.8f, 1.1f, z + 0.25f},
                     {0.8f, 0.45f, z + 0.25f},
                     {0.3f, 0.45f, z + 0.25f}}},
                   {0, 0, -1});
    }
    CabinBuilder::SubObject far;
    cabin.quad(far, Floor, {{{-9, 0, 9}, {9, 0, 9}, {9, 0, -9}, {-9, 0, -9}}}, {0, 1, 0});

    ShapeNode images = block("images").i(4);
    ShapeNode textures = block("textures").i(4);
    int image = 0;
    for (const char* name : {"suelo.ace", "Asiento.ACE", "ventana.ace", "CRISTAL.ace"}) {
        images.add(block("image").s(name));
        textures.add(block("texture").i(image++).i(0).f(-3).flags(0xff000000));
    }
    ShapeNode lod = block("lod_control");
    lod.add(block("distance_levels_header").i(0))
        .add(block("distance_levels")
                 .i(2)
                 .add(distanceLevel(
                     2000, {CabinBuilder::subObject(room), CabinBuilder::subObject(seats)}))
                 .add(distanceLevel(5000, {CabinBuilder::subObject(far)})));

    ShapeNode shape = block("shape");
    shape.add(block("shape_header").flags(0).flags(0))
        .add(block("volumes").i(1).add(
            block("vol_sphere").add(block("vector").f(0).f(1.2f).f(0)).f(4)))
        .add(block("shader_names")
                 .i(2)
                 .add(block("named_shader").s("TexDiff"))
                 .add(block("named_shader").s("BlendATexDiff")))
        .add(block("texture_filter_names").i(1).add(block("named_filter_mode").s("MipLinear")))
        .add(cabin.points())
        .add(cabin.uvs())
        .add(cabin.normals())
        .add(block("sort_vectors").i(0))
        .add(block("colours").i(0))
        .add(block("matrices")
                 .i(2)
                 .add(matrix("CABINA", {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0.2f, 0}))
                 .add(matrix("ASIENTOS", {-1, 0, 0, 0, 1, 0, 0, 0, -1, 0, 0.1f, 0.5f})))
        .add(images)
        .add(textures)
        .add(block("light_materials").i(0))
        .add(block("light_model_cfgs")
                 .i(1)
                 .add(block("light_model_cfg")
                          .flags(0)
                          .add(block("uv_ops").i(1).add(block("uv_op_copy").i(1).i(0)))))
        .add(block("vtx_states")
                 .i(2)
                 .add(block("vtx_state").flags(0).i(0).i(-5).i(0).flags(2))
                 .add(block("vtx_state").flags(0).i(1).i(-5).i(0).flags(2)))
        .add(block("prim_states")
                 .i(4)
                 .add(primState("suelo", 0, 0, 0, 0))
                 .add(primState("asientos", 0, 1, 1, 0))
                 .add(primState("ventana", 0, 2, 0, 1))
                 .add(primState("cristal", 1, 3, 0, 0)))
        .add(block("comment").s("pasado").s("por").s("alto"))
        .add(block("lod_controls").i(1).add(lod))
        .add(block("@200").i(7).s("desconocido"))
        .add(block("animations")
                 .i(1)
                 .add(block("animation").i(2).i(30).add(block("anim_nodes").i(0))));
    return shape;
}

ShapeNode shapeOf(const CabinShape& cabin)
{
    // A prim_state for each texture and way of drawing it, in the order first met.
    std::map<std::pair<int, AlphaMode>, int> states;
    CabinBuilder builder;
    CabinBuilder::SubObject interior;
    for (const CabinTriangle& triangle : cabin.triangles) {
        const auto [at, added] = states.emplace(std::pair(triangle.texture, triangle.alpha),
                                                static_cast<int>(states.size()));
        builder.triangle(interior, at->second, triangle.corners);
    }
    const auto count = [](std::size_t n) { return static_cast<std::int64_t>(n); };
    ShapeNode images = block("images").i(count(cabin.textures.size()));
    ShapeNode textures = block("textures").i(count(cabin.textures.size()));
    for (std::size_t t = 0; t < cabin.textures.size(); ++t) {
        images.add(block("image").s(cabin.textures[t]));
        textures.add(block("texture").i(count(t)).i(0).f(-3).flags(0xff000000));
    }
    std::vector<ShapeNode> primStates(states.size());
    for (const auto& [key, index] : states) {
        const auto [texture, alpha] = key;
        ShapeNode state = primState("interior", alpha == AlphaMode::Blend ? 1 : 0, texture, 0,
                                    alpha == AlphaMode::AlphaTest ? 1 : 0);
        // An untextured triangle's prim_state names no texture.
        if (texture < 0) {
            state.children.front() = block("tex_idxs").i(0);
        }
        primStates[static_cast<std::size_t>(index)] = state;
    }
    ShapeNode primStateList = block("prim_states").i(count(primStates.size()));
    for (ShapeNode& state : primStates) {
        primStateList.add(std::move(state));
    }
    ShapeNode lod = block("lod_control");
    lod.add(block("distance_levels_header").i(0))
        .add(block("distance_levels")
                 .i(1)
                 .add(distanceLevel(2000, {CabinBuilder::subObject(interior)})));
    return block("shape")
        .add(block("shape_header").flags(0).flags(0))
        .add(block("shader_names")
                 .i(2)
                 .add(block("named_shader").s("TexDiff"))
                 .add(block("named_shader").s("BlendATexDiff")))
        .add(builder.points())
        .add(builder.uvs())
        .add(builder.normals())
        // The root only moves, which the simulator drops; the interior stands under one that
        // changes nothing.
        .add(block("matrices")
                 .i(2)
                 .add(matrix("CABINA", {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0}))
                 .add(matrix("INTERIOR", {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0})))
        .add(images)
        .add(textures)
        .add(block("vtx_states").i(1).add(block("vtx_state").flags(0).i(1).i(-5).i(0).flags(2)))
        .add(primStateList)
        .add(block("lod_controls").i(1).add(lod));
}

std::string shapeFile(const ShapeNode& shape, ShapeForm form)
{
    switch (form) {
    case ShapeForm::TextUtf16:
        return textShapeFile(shapeText(shape), TextEncoding::Utf16);
    case ShapeForm::TextAscii:
        return textShapeFile(shapeText(shape), TextEncoding::Ascii);
    case ShapeForm::Binary:
        return binaryShapeFile(shapeBinary(shape));
    case ShapeForm::CompressedBinary:
        return compressedFile(binaryShapeContents(shapeBinary(shape)));
    case ShapeForm::CompressedText:
        return compressedFile(textShapeContents(shapeText(shape)));
    }
    throw std::logic_error("no such form");
}

std::string fixtureShapeFile(ShapeForm form)
{
    return shapeFile(fixtureCabin(), form);
}

std::vector<FixtureTexture> fixtureTextures()
{
    const std::uint16_t red = 0xF800;
    const std::uint16_t blue = 0x001F;
    std::string floor;
    std::string seat;
    for (int b = 0; b < 4; ++b) {
        floor += dxt1Block(red, blue, dxt1Stripes(Stripe::ByColumn));
        seat += dxt1Block(0x0000, 0x8408, dxt1Stripes(Stripe::ByRow));
    }
    RgbaImage frame = filledImage(8, 8, {200, 200, 200, 255});
    for (int y = 1; y < 7; ++y) {
        for (int x = 1; x < 7; ++x) {
            const auto at = static_cast<std::ptrdiff_t>(4 * (8 * y + x));
            std::fill(frame.pixels.begin() + at, frame.pixels.begin() + at + 4, 0);
        }
    }
    return {
        {"suelo.ace", aceFile(aceRaw(0x12, 8, 8, floor))},
        {"asiento.ace", aceFile(aceRaw(0x12, 8, 8, seat))},
        {"ventana.ace", aceFile(aceScanlines(frame, AceAlpha::Mask))},
        {"cristal.ace",
         compressedFile(aceScanlines(filledImage(8, 8, {100, 150, 200, 128}), AceAlpha::Alpha))},
    };
}

FixtureFolder fixtureFolder(const std::filesystem::path& root, ShapeForm form)
{
    FixtureFolder folder{root / "Vagon", root / "INTERIORES" / "coche.s", {}};
    folder.files.emplace(folder.shapeFile, fixtureShapeFile(form));
    for (const FixtureTexture& texture : fixtureTextures()) {
        folder.files.emplace(folder.wagonFolder / texture.fileName, texture.bytes);
    }
    return folder;
}

FixtureFolder writeFixtureFolder(const std::filesystem::path& root, ShapeForm form)
{
    FixtureFolder folder = fixtureFolder(root, form);
    std::filesystem::create_directories(folder.wagonFolder);
    std::filesystem::create_directories(folder.shapeFile.parent_path());
    for (const auto& [file, bytes] : folder.files) {
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    return folder;
}

std::vector<KnownPoint> fixtureKnownPoints()
{
    // The seats' points: (x, y, z) in their own space is (-x, y + 0.1, 0.5 - z) in the cabin's.
    return {
        {"suelo, esquina delantera derecha", {1.4f, 0, 3}},
        {"suelo, esquina trasera izquierda", {-1.4f, 0, -3}},
        {"pared derecha, arriba delante", {1.4f, 2.4f, 3}},
        {"pared izquierda, arriba detrás", {-1.4f, 2.4f, -3}},
        {"ventana, arriba delante", {-1.39f, 1.8f, 1}},
        {"ventana, abajo detrás", {-1.39f, 1, -1}},
        {"cristal, arriba delante", {-1.38f, 1.8f, 1}},
        {"asiento delantero, cojín, esquina delantera exterior", {-0.8f, 0.55f, 2.75f}},
        {"asiento delantero, respaldo, arriba dentro", {-0.3f, 1.2f, 2.25f}},
        {"asiento central, cojín, esquina trasera interior", {-0.3f, 0.55f, 0.25f}},
        {"asiento trasero, respaldo, arriba exterior", {-0.8f, 1.2f, -1.75f}},
    };
}

} // namespace orbanil::testing
