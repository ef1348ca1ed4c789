#include "core/shape/CabinGeometry.h"

#include "core/block/ViewNumbers.h"
#include "core/openrails/OpenRailsConstants.h"
#include "core/shape/FormatError.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <span>

namespace orbanil {

namespace {

// p′ = p·R + t, the affine part of the simulator's 4×4 matrices.
struct Affine
{
    std::array<Vec3, 3> rows{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    Vec3 t;
};

Affine affineOf(const ShapeMatrix& m)
{
    return {{{{m[0], m[1], m[2]}, {m[3], m[4], m[5]}, {m[6], m[7], m[8]}}}, {m[9], m[10], m[11]}};
}

Vec3 rotated(const Vec3& v, const Affine& a)
{
    return a.rows[0] * v.x + a.rows[1] * v.y + a.rows[2] * v.z;
}

Vec3 transformed(const Vec3& p, const Affine& a)
{
    return rotated(p, a) + a.t;
}

// First a, then b: p·a·b.
Affine then(const Affine& a, const Affine& b)
{
    return {{rotated(a.rows[0], b), rotated(a.rows[1], b), rotated(a.rows[2], b)},
            transformed(a.t, b)};
}

// A coordinate that is a number and no larger than a cabin's world could hold.
void checkCoordinates(std::span<const float> values, float limit, const std::string& what)
{
    for (const float v : values) {
        if (!std::isfinite(v)) {
            throw FormatError(what + " tiene una coordenada que no es un número");
        }
        if (std::fabs(v) > limit) {
            // The value itself may be 1e30: the limit reads better than its digits.
            throw FormatError(what + " tiene una coordenada demasiado grande (más de " +
                              writeRounded(limit) + ")");
        }
    }
}

// The entry `index` of a list, or a fault naming who asked for it.
template <class List>
const typename List::value_type& entry(const List& list, long long index, const char* user,
                                       const char* what)
{
    if (index < 0 || index >= static_cast<long long>(list.size())) {
        throw FormatError(std::string(user) + " usa " + what + " " + std::to_string(index) +
                          ", fuera de la lista de " + std::to_string(list.size()));
    }
    return list[static_cast<std::size_t>(index)];
}

// The simulator drops the translation of matrix 0, for MSTS's sake, when the first triangles of
// the first level of detail hang from a root there; its rotation and scale still apply.
bool drawsRootInPlace(const ShapeData& data)
{
    if (data.matrices.empty() || data.levels.empty()) {
        return false;
    }
    const ShapeDetailLevel& level = data.levels.front();
    return !level.subObjects.empty() && !level.subObjects.front().triangleLists.empty() &&
           !level.hierarchy.empty() && level.hierarchy.front() == -1;
}

// The first uv_op's TexAddrMode, 1 to 4; any other reads as Wrap, as the simulator reads it.
TextureAddressing addressingOf(int mode)
{
    return mode >= 1 && mode <= 4 ? static_cast<TextureAddressing>(mode - 1)
                                  : TextureAddressing::Wrap;
}

class TriangleBuilder
{
public:
    explicit TriangleBuilder(const ShapeData& data) : m_data(data)
    {
        m_matrices.reserve(data.matrices.size());
        for (std::size_t i = 0; i < data.matrices.size(); ++i) {
            checkCoordinates(data.matrices[i], maxCabinCoordinate,
                             "la matriz " + std::to_string(i));
            m_matrices.push_back(affineOf(data.matrices[i]));
        }
        if (drawsRootInPlace(data)) {
            m_matrices.front().t = {};
        }
    }

    CabinGeometry build()
    {
        for (const ShapeDetailLevel& level : m_data.levels) {
            m_placements.assign(m_matrices.size(), std::nullopt);
            for (const ShapeSubObject& subObject : level.subObjects) {
                for (const ShapeTriangleList& list : subObject.triangleLists) {
                    addList(level, subObject, list);
                }
            }
        }
        setBounds();
        return std::move(m_geometry);
    }

private:
    // A matrix and each of its parents up to the root; identity for -1.
    const Affine& placement(const ShapeDetailLevel& level, int matrix)
    {
        static const Affine identity;
        if (matrix == -1) {
            return identity;
        }
        entry(m_matrices, matrix, "un vtx_state", "la matriz");
        std::optional<Affine>& cached = m_placements[static_cast<std::size_t>(matrix)];
        if (!cached) {
            Affine combined;
            int at = matrix;
            for (std::size_t steps = 0; at != -1; ++steps) {
                if (steps == m_matrices.size()) {
                    throw FormatError("la jerarquía de matrices forma un ciclo desde la matriz " +
                                      std::to_string(matrix));
                }
                combined = then(combined, entry(m_matrices, at, "hierarchy", "la matriz"));
                if (static_cast<std::size_t>(at) >= level.hierarchy.size()) {
                    throw FormatError("la matriz " + std::to_string(at) +
                                      " no tiene padre en hierarchy, que tiene " +
                                      std::to_string(level.hierarchy.size()));
                }
                at = level.hierarchy[static_cast<std::size_t>(at)];
            }
            cached = combined;
        }
        return *cached;
    }

    int textureIndex(const ShapePrimState& state)
    {
        if (state.textures.empty()) {
            return -1;
        }
        const int texture = state.textures.front();
        const int image = entry(m_data.textures, texture, "un prim_state", "la textura").image;
        const std::string& name = entry(m_data.images, image, "una textura", "la imagen");
        const auto [found, added] =
            m_textureOfImage.emplace(image, static_cast<int>(m_geometry.textures.size()));
        if (added) {
            m_geometry.textures.push_back(name);
        }
        return found->second;
    }

    // The material the simulator builds from a prim_state and its vtx_state, each one once.
    int materialIndex(const ShapePrimState& state, const ShapeVertexState& vertex,
                      const std::string& shader)
    {
        CabinMaterial material;
        material.shader = shader;
        material.lighting = vertex.lightMaterial;
        const std::vector<int>& modes = m_data.lightConfigAddressing;
        if (vertex.lightConfig >= 0 &&
            static_cast<std::size_t>(vertex.lightConfig) < modes.size()) {
            material.addressing = addressingOf(modes[static_cast<std::size_t>(vertex.lightConfig)]);
        }
        if (!state.textures.empty()) {
            const float bias =
                entry(m_data.textures, state.textures.front(), "un prim_state", "la textura")
                    .mipMapBias;
            // The sampler takes any number; a broken one reads as none.
            material.mipMapBias = std::isfinite(bias) ? bias : 0;
        }
        std::vector<CabinMaterial>& materials = m_geometry.materials;
        const auto found = std::ranges::find(materials, material);
        if (found != materials.end()) {
            return static_cast<int>(found - materials.begin());
        }
        materials.push_back(std::move(material));
        return static_cast<int>(materials.size()) - 1;
    }

    CabinVertex corner(const ShapeSubObject& subObject, int index, const Affine& placement)
    {
        const ShapeVertex& v = entry(subObject.vertices, index, "un triángulo", "el vértice");
        const Vec3& point = entry(m_data.points, v.point, "un vértice", "el punto");
        const Vec3& normal = entry(m_data.normals, v.normal, "un vértice", "la normal");
        checkCoordinates(std::array{point.x, point.y, point.z}, maxCabinCoordinate,
                         "el punto " + std::to_string(v.point));
        checkCoordinates(std::array{normal.x, normal.y, normal.z}, maxCabinCoordinate,
                         "la normal " + std::to_string(v.normal));
        CabinVertex out;
        if (v.uv != -1) {
            out.uv = entry(m_data.uvPoints, v.uv, "un vértice", "el punto uv");
            checkCoordinates(std::array{out.uv.u, out.uv.v}, maxCabinCoordinate,
                             "el punto uv " + std::to_string(v.uv));
        }
        out.position = transformed(point, placement);
        checkCoordinates(std::array{out.position.x, out.position.y, out.position.z},
                         maxCabinCoordinate,
                         "el punto " + std::to_string(v.point) + " en su matriz");
        out.normal = normalized(rotated(normal, placement));
        return out;
    }

    void addList(const ShapeDetailLevel& level, const ShapeSubObject& subObject,
                 const ShapeTriangleList& list)
    {
        const ShapePrimState& state =
            entry(m_data.primStates, list.primState, "una lista de triángulos", "el prim_state");
        const ShapeVertexState& vertex =
            entry(m_data.vertexStates, state.vertexState, "un prim_state", "el vtx_state");
        const Affine& where = placement(level, vertex.matrix);
        const std::string& shader =
            entry(m_data.shaders, state.shader, "un prim_state", "el shader");
        const unsigned blending = shaderOptions(shader) & materialOption::alphaBlendingMask;
        const AlphaRequest request{blending != 0, state.alphaTestMode == 1,
                                   blending == materialOption::alphaBlendingAdd};
        const int texture = textureIndex(state);
        const int material = materialIndex(state, vertex, shader);
        if (!list.indices.empty()) {
            checkCoordinates(std::array{where.t.x, where.t.y, where.t.z}, maxCabinCoordinate,
                             "el origen de la matriz " + std::to_string(vertex.matrix));
        }
        for (std::size_t i = 0; i + 2 < list.indices.size(); i += 3) {
            PlacedTriangle& triangle = m_geometry.triangles.emplace_back();
            for (std::size_t k = 0; k < 3; ++k) {
                triangle.corners[k] = corner(subObject, list.indices[i + k], where);
            }
            triangle.texture = texture;
            triangle.alpha = request;
            triangle.material = material;
            triangle.origin = where.t;
        }
    }

    void setBounds()
    {
        CabinGeometry& shape = m_geometry;
        if (shape.triangles.empty()) {
            return;
        }
        shape.boundsMin = shape.boundsMax = shape.triangles.front().corners.front().position;
        for (const PlacedTriangle& triangle : shape.triangles) {
            for (const CabinVertex& c : triangle.corners) {
                shape.boundsMin = min(shape.boundsMin, c.position);
                shape.boundsMax = max(shape.boundsMax, c.position);
            }
        }
    }

    const ShapeData& m_data;
    std::vector<Affine> m_matrices;
    std::vector<std::optional<Affine>> m_placements; // per matrix, for the level being built
    std::map<int, int> m_textureOfImage;
    CabinGeometry m_geometry;
};

} // namespace

CabinGeometry cabinGeometry(const ShapeData& data)
{
    return TriangleBuilder(data).build();
}

} // namespace orbanil
