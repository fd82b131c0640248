// The window's menu commands, run from inside the editor's wait for input.

#include <algorithm>

#include "host/host.h"
#include "host/keys_help.h"
#include "host/picture_exports.h"

namespace plv::host {

void Host::menu_command(Command command) {
  switch (command) {
    case Command::kPageSetup: page_setup(); break;
    case Command::kPrintDialog:
      if (menu_.picture_commands_enabled && window_system_.choose_printer(true)) print();
      break;
    case Command::kExit:
      if (close_confirmed()) window_system_.request_close();
      break;
    case Command::kCopy: window_system_.copy_to_clipboard(frame()); break;
    case Command::kPrint:
      if (!menu_.picture_commands_enabled) break;
      // Printing at once needs a printer: with none at all the user is told.
      if (window_system_.choose_printer(false)) print();
      else tell_print_failed(nullptr);
      break;
    case Command::kColour: toggle_colour(); break;
    case Command::kPreviousView:
      if (view_changes_allowed()) keeper_->previous_view();
      break;
    case Command::kBlackBackground: toggle_background(); break;
    case Command::kExactPixels: toggle_exact_pixels(); break;
    case Command::kPenWidth: pen_width(); break;
    case Command::kAbout: window_system_.about_box(about_, caption_); break;
    case Command::kHelpKeys: window_system_.show_text(keys_help(menu_keys_), caption_ + " keys"); break;
    case Command::kHelpManual: window_system_.show_manual(caption_ + " manual"); break;
    case Command::kWriteTiff:
      if (menu_.picture_commands_enabled) write_tiff();
      break;
    case Command::kWriteMetafile:
      if (menu_.picture_commands_enabled) write_metafile();
      break;
    case Command::kExportDrawing: export_drawing(); break;
    case Command::kImportFigure: import_figure(); break;
    case Command::kUndo: window_system_.post_key(Key::kUndo); break;
    case Command::kRedo: window_system_.post_key(Key::kRedo); break;
    default: break;  // 2, 11 and 13 are accepted and do nothing
  }
}

void Host::repaint_picture() {
  picture_.invalidate_bitmap();
  window_system_.repaint();
}

void Host::toggle_colour() {
  settings_.colour_window = settings_.colour_window ? 0 : 1;
  picture_.set_colour_window(settings_.colour_window != 0);
  menu_.colour_checked = settings_.colour_window != 0;
  window_system_.update_menu(menu_);
  repaint_picture();
}

void Host::toggle_background() {
  settings_.black_background = settings_.black_background ? 0 : 1;
  apply_background();
  picture_.erase();
  menu_.black_background_checked = settings_.black_background != 0;
  window_system_.update_menu(menu_);
  repaint_picture();
}

void Host::toggle_exact_pixels() {
  settings_.exact_pixels = !settings_.exact_pixels.value_or(false);
  menu_.exact_pixels_checked = *settings_.exact_pixels;
  window_system_.update_menu(menu_);
  show_smoothly(!*settings_.exact_pixels);
  repaint_picture();
}

// A window without a smooth surface shows the exact raster whatever the setting.
void Host::show_smoothly(bool smoothly) {
  picture_.set_smooth_surface(smoothly ? window_system_.smooth_surface() : nullptr);
}

void Host::page_setup() {
  PageSetup values{settings_.page_left_margin, settings_.page_top_margin, settings_.page_width,
                   settings_.landscape_printer != 0};
  const bool confirmed = window_system_.page_setup_dialog(values);
  // The orientation takes effect as soon as it is chosen, even if the
  // dialog is then cancelled.
  settings_.landscape_printer = values.landscape ? 1 : 0;
  if (!confirmed) return;
  settings_.page_left_margin = values.left_margin;
  settings_.page_top_margin = values.top_margin;
  settings_.page_width = values.width;
}

void Host::pen_width() {
  PenWidths values{picture_.window_pen_width(), settings_.pen_width_printer, settings_.pen_width_emf};
  if (!window_system_.pen_width_dialog(values)) return;
  settings_.pen_width_printer = std::max(values.printer, 1);
  settings_.pen_width_emf = std::max(values.metafile, 1);
  if (std::max(values.window, 1) != picture_.window_pen_width()) {
    picture_.set_window_pen_width(values.window);
    repaint_picture();
  }
}

// The printer's own words, where it has them, follow the heading: a file
// printed to names itself and what the system said.
void Host::tell_print_failed(const PrintJob* job) {
  const std::string why = job ? job->failure() : std::string();
  window_system_.message_box(why.empty() ? "Error accessing printer" : "Error accessing printer: " + why, "Error");
}

void Host::print() {
  auto job = window_system_.start_print_job(caption_);
  if (!job) return tell_print_failed(nullptr);
  picture_.replay_to_output(page_target(*job, export_options(settings_)));
  if (!job->finish()) tell_print_failed(job.get());
}

Host::PrintOutcome Host::print_picture(const std::function<std::optional<PrintedPicture>(int)>& draw) {
  if (!window_system_.choose_printer(true)) return PrintOutcome::kCancelled;
  auto job = window_system_.start_print_job(caption_);
  if (!job) {
    tell_print_failed(nullptr);
    return PrintOutcome::kFailed;
  }
  window_system_.set_cursor(CursorShape::kHourglass);
  const auto picture = draw(job->dots_per_inch_x());
  update_cursor();
  const int left = job->dots_per_inch_x() * settings_.page_left_margin / 100;
  const int top = job->dots_per_inch_y() * settings_.page_top_margin / 100;
  const bool placed = picture && job->place_picture(picture->pixels.view(), left, top, picture->width_dots,
                                                    picture->height_dots);
  if (!job->finish() || !placed) {
    tell_print_failed(job.get());
    return PrintOutcome::kFailed;
  }
  return PrintOutcome::kPrinted;
}

}  // namespace plv::host
