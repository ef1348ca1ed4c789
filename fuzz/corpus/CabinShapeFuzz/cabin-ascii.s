SIMISA@@@@@@@@@@JINX0s1t______

shape (
	shape_header ( 00000000 00000000 )
	volumes ( 1
		vol_sphere (
			vector ( 0 1.2 0 ) 4
		)
	)
	shader_names ( 2
		named_shader ( TexDiff )
		named_shader ( BlendATexDiff )
	)
	texture_filter_names ( 1
		named_filter_mode ( MipLinear )
	)
	points ( 38
		point ( -1.4 0 3 )
		point ( 1.4 0 3 )
		point ( 1.4 0 -3 )
		point ( -1.4 0 -3 )
		point ( -1.4 2.4 -3 )
		point ( -1.4 2.4 3 )
		point ( 1.4 2.4 3 )
		point ( 1.4 2.4 -3 )
		point ( -1.39 1.8 -1 )
		point ( -1.39 1.8 1 )
		point ( -1.39 1 1 )
		point ( -1.39 1 -1 )
		point ( -1.38 1.8 -1 )
		point ( -1.38 1.8 1 )
		point ( -1.38 1 1 )
		point ( -1.38 1 -1 )
		point ( 0.3 0.45 -1.75 )
		point ( 0.8 0.45 -1.75 )
		point ( 0.8 0.45 -2.25 )
		point ( 0.3 0.45 -2.25 )
		point ( 0.3 1.1 -1.75 )
		point ( 0.8 1.1 -1.75 )
		point ( 0.3 0.45 0.25 )
		point ( 0.8 0.45 0.25 )
		point ( 0.8 0.45 -0.25 )
		point ( 0.3 0.45 -0.25 )
		point ( 0.3 1.1 0.25 )
		point ( 0.8 1.1 0.25 )
		point ( 0.3 0.45 2.25 )
		point ( 0.8 0.45 2.25 )
		point ( 0.8 0.45 1.75 )
		point ( 0.3 0.45 1.75 )
		point ( 0.3 1.1 2.25 )
		point ( 0.8 1.1 2.25 )
		point ( -9 0 9 )
		point ( 9 0 9 )
		point ( 9 0 -9 )
		point ( -9 0 -9 )
	)
	uv_points ( 4
		uv_point ( 0 0 )
		uv_point ( 1 0 )
		uv_point ( 1 1 )
		uv_point ( 0 1 )
	)
	normals ( 4
		vector ( 0 1 0 )
		vector ( 1 0 0 )
		vector ( -1 0 0 )
		vector ( 0 0 -1 )
	)
	sort_vectors ( 0 )
	colours ( 0 )
	matrices ( 2
		matrix CABINA ( 1 0 0 0 1 0 0 0 1 0 0.2 0 )
		matrix ASIENTOS ( -1 0 0 0 1 0 0 0 -1 0 0.1 0.5 )
	)
	images ( 4
		image ( suelo.ace )
		image ( Asiento.ACE )
		image ( ventana.ace )
		image ( CRISTAL.ace )
	)
	textures ( 4
		texture ( 0 0 -3 ff000000 )
		texture ( 1 0 -3 ff000000 )
		texture ( 2 0 -3 ff000000 )
		texture ( 3 0 -3 ff000000 )
	)
	light_materials ( 0 )
	light_model_cfgs ( 1
		light_model_cfg ( 00000000
			uv_ops ( 1
				uv_op_copy ( 1 0 )
			)
		)
	)
	vtx_states ( 2
		vtx_state ( 00000000 0 -5 0 00000002 )
		vtx_state ( 00000000 1 -5 0 00000002 )
	)
	prim_states ( 4
		prim_state suelo ( 00000000 0
			tex_idxs ( 1 0 ) 0 0 0 0 1
		)
		prim_state asientos ( 00000000 0
			tex_idxs ( 1 1 ) 0 1 0 0 1
		)
		prim_state ventana ( 00000000 0
			tex_idxs ( 1 2 ) 0 0 1 0 1
		)
		prim_state cristal ( 00000000 1
			tex_idxs ( 1 3 ) 0 0 0 0 1
		)
	)
	comment ( pasado por alto )
	lod_controls ( 1
		lod_control (
			distance_levels_header ( 0 )
			distance_levels ( 2
				distance_level (
					distance_level_header (
						dlevel_selection ( 2000 )
						hierarchy ( 2 -1 0 )
					)
					sub_objects ( 2
						sub_object (
							sub_object_header ( 00000400 -1 -1 000001d2 000001c4
								geometry_info ( 0 0 0 0 0 0 0 0 0 0
									geometry_nodes ( 0 )
									geometry_node_map ( 2 0 -1 )
								)
							)
							vertices ( 20
								vertex ( 00000000 0 0 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 1 0 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 2 0 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 3 0 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
								vertex ( 00000000 4 1 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 5 1 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 0 1 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 3 1 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
								vertex ( 00000000 6 2 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 7 2 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 2 2 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 1 2 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
								vertex ( 00000000 8 1 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 9 1 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 10 1 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 11 1 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
								vertex ( 00000000 12 1 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 13 1 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 14 1 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 15 1 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
							)
							vertex_sets ( 1
								vertex_set ( 0 0 20 )
							)
							primitives ( 6
								prim_state_idx ( 0 )
								indexed_trilist (
									vertex_idxs ( 18 0 1 2 0 2 3 4 5 6 4 6 7 8 9 10 8 10 11 )
									normal_idxs ( 6 0 3 0 3 0 3 0 3 0 3 0 3 )
									flags ( 6 00000000 00000000 00000000 00000000 00000000 00000000 )
								)
								prim_state_idx ( 2 )
								indexed_trilist (
									vertex_idxs ( 6 12 13 14 12 14 15 )
									normal_idxs ( 2 0 3 0 3 )
									flags ( 2 00000000 00000000 )
								)
								prim_state_idx ( 3 )
								indexed_trilist (
									vertex_idxs ( 6 16 17 18 16 18 19 )
									normal_idxs ( 2 0 3 0 3 )
									flags ( 2 00000000 00000000 )
								)
							)
						)
						sub_object (
							sub_object_header ( 00000400 -1 -1 000001d2 000001c4
								geometry_info ( 0 0 0 0 0 0 0 0 0 0
									geometry_nodes ( 0 )
									geometry_node_map ( 2 0 -1 )
								)
							)
							vertices ( 24
								vertex ( 00000000 16 0 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 17 0 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 18 0 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 19 0 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
								vertex ( 00000000 20 3 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 21 3 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 17 3 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 16 3 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
								vertex ( 00000000 22 0 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 23 0 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 24 0 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 25 0 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
								vertex ( 00000000 26 3 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 27 3 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 23 3 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 22 3 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
								vertex ( 00000000 28 0 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 29 0 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 30 0 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 31 0 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
								vertex ( 00000000 32 3 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 33 3 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 29 3 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 28 3 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
							)
							vertex_sets ( 1
								vertex_set ( 0 0 24 )
							)
							primitives ( 2
								prim_state_idx ( 1 )
								indexed_trilist (
									vertex_idxs ( 36 0 1 2 0 2 3 4 5 6 4 6 7 8 9 10 8 10 11 12 13 14 12 14 15 16 17 18 16 18 19 20 21 22 20 22 23 )
									normal_idxs ( 12 0 3 0 3 0 3 0 3 0 3 0 3 0 3 0 3 0 3 0 3 0 3 0 3 )
									flags ( 12 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 00000000 )
								)
							)
						)
					)
				)
				distance_level (
					distance_level_header (
						dlevel_selection ( 5000 )
						hierarchy ( 2 -1 0 )
					)
					sub_objects ( 1
						sub_object (
							sub_object_header ( 00000400 -1 -1 000001d2 000001c4
								geometry_info ( 0 0 0 0 0 0 0 0 0 0
									geometry_nodes ( 0 )
									geometry_node_map ( 2 0 -1 )
								)
							)
							vertices ( 4
								vertex ( 00000000 34 0 ffffffff ff000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 35 0 ffffffff ff000000
									vertex_uvs ( 1 1 )
								)
								vertex ( 00000000 36 0 ffffffff ff000000
									vertex_uvs ( 1 2 )
								)
								vertex ( 00000000 37 0 ffffffff ff000000
									vertex_uvs ( 1 3 )
								)
							)
							vertex_sets ( 1
								vertex_set ( 0 0 4 )
							)
							primitives ( 2
								prim_state_idx ( 0 )
								indexed_trilist (
									vertex_idxs ( 6 0 1 2 0 2 3 )
									normal_idxs ( 2 0 3 0 3 )
									flags ( 2 00000000 00000000 )
								)
							)
						)
					)
				)
			)
		)
	)
	unknown_block_200 ( 7 desconocido )
	animations ( 1
		animation ( 2 30
			anim_nodes ( 0 )
		)
	)
)
