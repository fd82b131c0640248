#include "editor/editor_settings.h"

#include "kernel/kernel.h"
#include "kinds/colour_mode.h"
#include "text/fixed_text.h"

namespace plv {

Settings settings_of(const Editor& e) {
  Settings s;
  s.drawing_path = text::trimmed_right(e.drawing_path);
  s.drawing_name = e.drawing_name;
  s.view = e.render.view;
  s.paste = e.paste;
  s.work_layer = e.render.work_layer;
  s.also_draw_layer = e.render.also_draw_layer;
  s.layer = e.render.layer;
  s.deleted_colour = e.render.deleted_colour;
  s.other_layer_colour = e.render.other_layer_colour;
  s.create_colour = e.create_colour;
  s.aspect = e.render.aspect;
  return s;
}

void apply_settings(const Settings& s, Editor& e) {
  e.render.view = s.view;
  e.paste = s.paste;
  e.render.work_layer = s.work_layer;
  e.render.also_draw_layer = s.also_draw_layer;
  e.render.layer = s.layer;
  // A mode record here would clash with every drawing's own mode.
  if (is_palette_colour(s.deleted_colour)) e.render.deleted_colour = s.deleted_colour;
  if (is_palette_colour(s.other_layer_colour)) e.render.other_layer_colour = s.other_layer_colour;
  e.create_colour = s.create_colour;
  // The drawing and the pointer operations stretch screen y alike.
  e.render.aspect = static_cast<float>(s.aspect);
  e.kernel.set_aspect(e.render.aspect);
}

FileResult read_editor_settings(const std::filesystem::path& file, Editor& editor) {
  Settings settings = settings_of(editor);
  FileResult read = read_settings_file(file, settings);
  if (read.ok()) apply_settings(settings, editor);
  return read;
}

FileResult write_editor_settings(const std::filesystem::path& file, const Editor& editor) {
  return write_settings_file(file, settings_of(editor));
}

}  // namespace plv
