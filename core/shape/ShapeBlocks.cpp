#include "core/shape/ShapeBlocks.h"

#include "core/shape/FormatError.h"

#include <algorithm>
#include <array>

namespace orbanil {

namespace {

// The names of ids 0–131 in order.
constexpr std::array<std::string_view, token::last + 1> names = {
    "error",
    "comment",
    "point",
    "vector",
    "quat",
    "normals",
    "normal_idxs",
    "points",
    "uv_point",
    "uv_points",
    "colour",
    "colours",
    "packed_colour",
    "image",
    "images",
    "texture",
    "textures",
    "light_material",
    "light_materials",
    "linear_key",
    "tcb_key",
    "linear_pos",
    "tcb_pos",
    "slerp_rot",
    "tcb_rot",
    "controllers",
    "anim_node",
    "anim_nodes",
    "animation",
    "animations",
    "anim",
    "lod_controls",
    "lod_control",
    "distance_levels_header",
    "distance_level_header",
    "dlevel_selection",
    "distance_levels",
    "distance_level",
    "sub_objects",
    "sub_object",
    "sub_object_header",
    "geometry_info",
    "geometry_nodes",
    "geometry_node",
    "geometry_node_map",
    "cullable_prims",
    "vtx_state",
    "vtx_states",
    "vertex",
    "vertex_uvs",
    "vertices",
    "vertex_set",
    "vertex_sets",
    "primitives",
    "prim_state",
    "prim_states",
    "prim_state_idx",
    "indexed_point_list",
    "point_list",
    "indexed_line_list",
    "indexed_trilist",
    "tex_idxs",
    "tri",
    "vertex_idxs",
    "flags",
    "matrix",
    "matrices",
    "hierarchy",
    "volumes",
    "vol_sphere",
    "shape_header",
    "shape",
    "shader_names",
    "shader_name",
    "texture_filter_names",
    "texture_filter_name",
    "sort_vectors",
    "uvop_arg_sets",
    "uvop_arg_set",
    "light_model_cfgs",
    "light_model_cfg",
    "uv_ops",
    "uvop_copy",
    "uv_op_share",
    "uv_op_copy",
    "uv_op_uniformscale",
    "uv_op_user_uninformscale",
    "uv_op_nonuniformscale",
    "uv_op_user_nonuninformscale",
    "uv_op_transform",
    "uv_op_user_transform",
    "uv_op_reflectxy",
    "uv_op_reflectmap",
    "uv_op_reflectmapfull",
    "uv_op_spheremap",
    "uv_op_spheremapfull",
    "uv_op_specularmap",
    "uv_op_embossbump",
    "user_uv_args",
    "io_dev",
    "io_map",
    "sguid",
    "dlev_cfg_table",
    "dlev_cfg",
    "subobject_shaders",
    "subobject_light_cfgs",
    "shape_named_data",
    "shape_named_data_header",
    "shape_named_geometry",
    "shape_geom_ref",
    "material_palette",
    "blend_config",
    "blend_config_header",
    "filtermode_cfgs",
    "filter_mode_cfg",
    "blend_mode_cfgs",
    "blend_mode_cfg",
    "texture_stage_progs",
    "texture_stage_prog",
    "blend_mode_cfg_refs",
    "shader_cfgs",
    "shader_cfg",
    "texture_slots",
    "texture_slot",
    "named_filter_modes",
    "named_filter_mode",
    "filtermode_cfg_refs",
    "filtermode_cfg_ref",
    "named_shaders",
    "named_shader",
    "shader_cfg_refs",
    "shader_cfg_ref",
};

// The ids the reader names stand where the list puts them.
static_assert(names[token::point] == "point" && names[token::uv_points] == "uv_points" &&
              names[token::textures] == "textures" && names[token::lod_control] == "lod_control" &&
              names[token::sub_object] == "sub_object" &&
              names[token::vtx_states] == "vtx_states" && names[token::vertices] == "vertices" &&
              names[token::prim_state_idx] == "prim_state_idx" &&
              names[token::indexed_trilist] == "indexed_trilist" &&
              names[token::vertex_idxs] == "vertex_idxs" &&
              names[token::hierarchy] == "hierarchy" && names[token::shape] == "shape" &&
              names[token::shader_names] == "shader_names" &&
              names[token::light_model_cfg] == "light_model_cfg" &&
              names[token::uv_ops] == "uv_ops" && names[token::named_shader] == "named_shader");

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string tokenName(int id)
{
    if (id >= 0 && id <= token::last) {
        return std::string(names[static_cast<std::size_t>(id)]);
    }
    return "bloque " + std::to_string(id);
}

int tokenId(std::string_view name)
{
    const auto found = std::find_if(names.begin(), names.end(), [name](std::string_view known) {
        return std::ranges::equal(known, name, [](char a, char b) { return a == lower(b); });
    });
    return found == names.end() ? token::unknown : static_cast<int>(found - names.begin());
}

void BlockSource::fail(const std::string& what) const
{
    throw FormatError(m_open.empty() ? what : what + " (en el bloque " + m_open.back() + ")");
}

} // namespace orbanil
