# The one list of sources for both builds. Portable files build everywhere;
# the Windows glue lists live in shell/CMakeLists.txt and build only there.
set(BVRANK_RUNTIME_SOURCES
  runtime/column_classes.cpp
  runtime/decimal_to_float.cpp
  runtime/device_table.cpp
  runtime/error_stop.cpp
  runtime/field_read.cpp
  runtime/field_write.cpp
  runtime/pause_gate.cpp
  runtime/stdio_console.cpp
  runtime/units.cpp
)

set(BVRANK_ANALYSIS_SOURCES
  analysis/input_file.cpp
  analysis/input_name.cpp
  analysis/pdb_record.cpp
  analysis/read_pdb.cpp
  analysis/report.cpp
  analysis/residue_figures.cpp
  analysis/residue_stats.cpp
  analysis/save_copy.cpp
  analysis/tables.cpp
  analysis/view_preparation.cpp
)

# mmCIF and gzipped input: gemmi and zlib in the native build, and the
# variant that reads PDB files only where they are missing (MinGW).
set(BVRANK_STRUCTURE_FILE_SOURCES
  analysis/file_text.cpp
  analysis/mmcif_atoms.cpp
  analysis/structure_files.cpp
)
set(BVRANK_NO_STRUCTURE_FILE_SOURCES
  analysis/structure_files_absent.cpp
)

set(BVRANK_HEADLESS_GRAPHICS_SOURCES
  cli/headless_graphics.cpp
)

# The command-line front end: its parts (tested), then its entry.
set(BVRANK_CLI_CORE_SOURCES
  cli/analyse_input.cpp
  cli/input_names.cpp
  cli/options.cpp
  cli/row_output.cpp
  cli/svg_profile.cpp
)
set(BVRANK_CLI_SOURCES
  cli/main.cpp
)

# Window-free logic of the shell: built and tested natively, linked into
# bvrank.exe by the Windows build.
set(BVRANK_SHELL_MODEL_SOURCES
  shell/child/child_view.cpp
  shell/child/key_codes.cpp
  shell/child/key_routing.cpp
  shell/child/line_editor.cpp
  shell/child/pending_inputs.cpp
  shell/child/text_buffer.cpp
  shell/child/text_layout.cpp
  shell/edit/highlight.cpp
  shell/edit/mouse_events.cpp
  shell/edit/paste_input.cpp
  shell/edit/selection.cpp
  shell/edit/selection_text.cpp
  shell/frame/config_axis.cpp
  shell/frame/error_text.cpp
  shell/frame/help_file.cpp
  shell/frame/menu_model.cpp
  shell/frame/menu_presence.cpp
  shell/frame/menu_states.cpp
  shell/frame/menu_table.cpp
  shell/frame/menu_text.cpp
  shell/frame/program_state.cpp
  shell/frame/shell_texts.cpp
  shell/frame/status_message.cpp
  shell/frame/user_items.cpp
  shell/frame/window_config.cpp
  shell/frame/window_size.cpp
  shell/graphics/bitmap_file.cpp
  shell/graphics/colors.cpp
  shell/graphics/coordinates.cpp
  shell/graphics/graphics_state.cpp
  shell/graphics/graphics_status.cpp
  shell/graphics/image_math.cpp
  shell/graphics/print_page.cpp
  shell/graphics/screen_areas.cpp
  shell/graphics/video_modes.cpp
)
