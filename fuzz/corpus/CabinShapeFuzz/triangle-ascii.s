SIMISA@@@@@@@@@@JINX0s1t______

shape (
	shader_names ( 1
		named_shader ( BlendATex )
	)
	points ( 3
		point ( 0 0 0 )
		point ( 1 1 0 )
		point ( 0 0 0 )
	)
	uv_points ( 1
		uv_point ( 0 1 )
	)
	normals ( 1
		vector ( 0 0 1 )
	)
	matrices ( 1
		matrix M ( 1 0 0 0 1 0 0 0 1 0 0 0 )
	)
	images ( 1
		image ( t.ace )
	)
	textures ( 1
		texture ( 0 )
	)
	vtx_states ( 1
		vtx_state ( 00000000 0 )
	)
	prim_states ( 1
		prim_state ( 00000000 0
			tex_idxs ( 1 0 ) 0 0 1
		)
	)
	lod_controls ( 1
		lod_control (
			distance_levels ( 1
				distance_level (
					distance_level_header (
						hierarchy ( 1 -1 )
					)
					sub_objects ( 1
						sub_object (
							vertices ( 3
								vertex ( 00000000 0 0 00000000 00000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 1 0 00000000 00000000
									vertex_uvs ( 1 0 )
								)
								vertex ( 00000000 2 0 00000000 00000000
									vertex_uvs ( 1 0 )
								)
							)
							primitives ( 2
								prim_state_idx ( 0 )
								indexed_trilist (
									vertex_idxs ( 3 0 1 2 )
								)
							)
						)
					)
				)
			)
		)
	)
)
