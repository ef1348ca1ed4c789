#include "core/shape/ShapeData.h"

#include "core/shape/FormatError.h"

namespace orbanil {

namespace {

// Calls `child` with the start of each block inside the current one, comments left out, and
// passes over whatever it leaves of that block.
template <class Child> void forEachChild(BlockSource& in, Child child)
{
    while (const std::optional<BlockStart> start = in.enter()) {
        if (start->token != token::comment) {
            child(*start);
        }
        in.leave();
    }
}

// A list block: a count, then that many blocks. `item` reads each block of the expected kind;
// a block of another kind counts but is passed over.
template <class Item> void readList(BlockSource& in, int listToken, int itemToken, Item item)
{
    const std::int32_t count = in.readInt();
    long long found = 0;
    forEachChild(in, [&](const BlockStart& start) {
        if (start.token == itemToken) {
            item(found, start);
        }
        ++found;
    });
    if (found != count) {
        throw FormatError(tokenName(listToken) + " anuncia " + std::to_string(count) +
                          " elementos y tiene " + std::to_string(found));
    }
}

// A block of whole numbers: a count, then the numbers.
std::vector<int> readNumbers(BlockSource& in, int listToken)
{
    const std::int32_t count = in.readInt();
    std::vector<int> numbers;
    while (!in.atEnd()) {
        numbers.push_back(in.readInt());
    }
    if (static_cast<long long>(numbers.size()) != count) {
        throw FormatError(tokenName(listToken) + " anuncia " + std::to_string(count) +
                          " números y tiene " + std::to_string(numbers.size()));
    }
    return numbers;
}

Vec3 readVec3(BlockSource& in)
{
    Vec3 v;
    v.x = in.readFloat();
    v.y = in.readFloat();
    v.z = in.readFloat();
    return v;
}

ShapePrimState readPrimState(BlockSource& in)
{
    ShapePrimState state;
    in.readFlags();
    state.shader = in.readInt();
    const std::optional<BlockStart> textures = in.enter();
    if (!textures || textures->token != token::tex_idxs) {
        throw FormatError("a un prim_state le falta su bloque tex_idxs");
    }
    state.textures = readNumbers(in, token::tex_idxs);
    in.leave();
    in.readFloat(); // z bias
    state.vertexState = in.readInt();
    state.alphaTestMode = in.atEnd() ? 0 : in.readInt();
    return state;
}

// image, filter mode, MipMapLODBias and a border colour; what a texture leaves out reads 0.
ShapeTexture readTexture(BlockSource& in)
{
    ShapeTexture texture;
    texture.image = in.readInt();
    if (!in.atEnd()) {
        in.readInt(); // the filter mode
        texture.mipMapBias = in.atEnd() ? 0 : in.readFloat();
    }
    return texture;
}

// flags, matrix, light material, light configuration, light flags; a light material left out
// is the plain one.
ShapeVertexState readVertexState(BlockSource& in)
{
    ShapeVertexState state;
    in.readFlags();
    state.matrix = in.readInt();
    if (!in.atEnd()) {
        state.lightMaterial = in.readInt();
        state.lightConfig = in.atEnd() ? 0 : in.readInt();
    }
    return state;
}

// flags, then uv_ops: the first number of the first uv_op, whatever its kind, is its TexAddrMode.
int readAddressing(BlockSource& in)
{
    int addressing = 0;
    in.readFlags();
    forEachChild(in, [&](const BlockStart& start) {
        if (start.token != token::uv_ops) {
            return;
        }
        in.readInt(); // the count
        bool first = true;
        forEachChild(in, [&](const BlockStart&) {
            if (first && !in.atEnd()) {
                addressing = in.readInt();
            }
            first = false;
        });
    });
    return addressing;
}

ShapeVertex readVertex(BlockSource& in)
{
    ShapeVertex vertex;
    in.readFlags();
    vertex.point = in.readInt();
    vertex.normal = in.readInt();
    in.readFlags(); // the two colours
    in.readFlags();
    forEachChild(in, [&](const BlockStart& start) {
        if (start.token == token::vertex_uvs) {
            const std::vector<int> uvs = readNumbers(in, token::vertex_uvs);
            vertex.uv = uvs.empty() ? -1 : uvs.front();
        }
    });
    return vertex;
}

// primitives: a count of entries, each a prim_state_idx that holds for the triangle lists
// after it, or an indexed_trilist.
std::vector<ShapeTriangleList> readPrimitives(BlockSource& in)
{
    std::vector<ShapeTriangleList> lists;
    int primState = 0;
    const std::int32_t count = in.readInt();
    long long found = 0;
    forEachChild(in, [&](const BlockStart& start) {
        ++found;
        if (start.token == token::prim_state_idx) {
            primState = in.readInt();
        } else if (start.token == token::indexed_trilist) {
            ShapeTriangleList& list = lists.emplace_back();
            list.primState = primState;
            forEachChild(in, [&](const BlockStart& part) {
                if (part.token == token::vertex_idxs) {
                    list.indices = readNumbers(in, token::vertex_idxs);
                }
            });
            if (list.indices.size() % 3 != 0) {
                throw FormatError("una lista de triángulos tiene " +
                                  std::to_string(list.indices.size()) +
                                  " índices, que no son de triángulos enteros");
            }
        }
    });
    if (found != count) {
        throw FormatError("primitives anuncia " + std::to_string(count) + " elementos y tiene " +
                          std::to_string(found));
    }
    return lists;
}

ShapeSubObject readSubObject(BlockSource& in)
{
    ShapeSubObject subObject;
    forEachChild(in, [&](const BlockStart& start) {
        if (start.token == token::vertices) {
            readList(in, token::vertices, token::vertex, [&](long long, const BlockStart&) {
                subObject.vertices.push_back(readVertex(in));
            });
        } else if (start.token == token::primitives) {
            subObject.triangleLists = readPrimitives(in);
        }
    });
    return subObject;
}

ShapeDetailLevel readDistanceLevel(BlockSource& in)
{
    ShapeDetailLevel level;
    forEachChild(in, [&](const BlockStart& start) {
        if (start.token == token::distance_level_header) {
            forEachChild(in, [&](const BlockStart& part) {
                if (part.token == token::hierarchy) {
                    level.hierarchy = readNumbers(in, token::hierarchy);
                }
            });
        } else if (start.token == token::sub_objects) {
            readList(in, token::sub_objects, token::sub_object, [&](long long, const BlockStart&) {
                level.subObjects.push_back(readSubObject(in));
            });
        }
    });
    return level;
}

// The first distance_level of a lod_control: the highest detail, the one drawn near.
ShapeDetailLevel readLodControl(BlockSource& in)
{
    ShapeDetailLevel highest;
    forEachChild(in, [&](const BlockStart& start) {
        if (start.token == token::distance_levels) {
            readList(in, token::distance_levels, token::distance_level,
                     [&](long long index, const BlockStart&) {
                         if (index == 0) {
                             highest = readDistanceLevel(in);
                         }
                     });
        }
    });
    return highest;
}

void readShapeEntry(BlockSource& in, const BlockStart& start, ShapeData& shape)
{
    // The items of this list block, each read by `read`.
    const auto each = [&in, &start](int itemToken, auto read) {
        std::vector<decltype(read())> items;
        readList(in, start.token, itemToken,
                 [&](long long, const BlockStart&) { items.push_back(read()); });
        return items;
    };
    switch (start.token) {
    case token::shader_names:
        shape.shaders = each(token::named_shader, [&] { return in.readString(); });
        break;
    case token::points:
        shape.points = each(token::point, [&] { return readVec3(in); });
        break;
    case token::uv_points:
        shape.uvPoints = each(token::uv_point, [&] {
            const float u = in.readFloat();
            return Vec2{u, in.readFloat()};
        });
        break;
    case token::normals:
        shape.normals = each(token::vector, [&] { return readVec3(in); });
        break;
    case token::matrices:
        shape.matrices = each(token::matrix, [&] {
            ShapeMatrix m;
            for (float& value : m) {
                value = in.readFloat();
            }
            return m;
        });
        break;
    case token::images:
        shape.images = each(token::image, [&] { return in.readString(); });
        break;
    case token::textures:
        shape.textures = each(token::texture, [&] { return readTexture(in); });
        break;
    case token::vtx_states:
        shape.vertexStates = each(token::vtx_state, [&] { return readVertexState(in); });
        break;
    case token::light_model_cfgs:
        shape.lightConfigAddressing =
            each(token::light_model_cfg, [&] { return readAddressing(in); });
        break;
    case token::prim_states:
        shape.primStates = each(token::prim_state, [&] { return readPrimState(in); });
        break;
    case token::lod_controls:
        shape.levels = each(token::lod_control, [&] { return readLodControl(in); });
        break;
    default:
        break; // not needed for a drawing
    }
}

} // namespace

ShapeData readShapeData(BlockSource& in)
{
    const std::optional<BlockStart> start = in.enter();
    if (!start) {
        throw FormatError("no contiene ningún bloque");
    }
    if (start->token != token::shape) {
        throw FormatError("no es una forma: su primer bloque es " +
                          (start->token == token::unknown ? std::string("desconocido")
                                                          : tokenName(start->token)));
    }
    ShapeData shape;
    forEachChild(in, [&](const BlockStart& entry) { readShapeEntry(in, entry, shape); });
    in.leave();
    return shape;
}

} // namespace orbanil
