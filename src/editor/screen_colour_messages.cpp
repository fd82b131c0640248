#include "editor/screen_colour_messages.h"

#include "editor/shutdown.h"
#include "ui/messages.h"
#include "ui/toolkit.h"

namespace plv {

void ScreenColourMessages::error_and_wait(std::string_view text) {
  toolkit_.lines().set_message(text);
  ui::error_and_wait(toolkit_);
}

void ScreenColourMessages::note_and_wait(std::string_view text) {
  toolkit_.lines().set_message(text);
  ui::note_and_wait(toolkit_);
}

void ScreenColourMessages::two_lines_and_wait(std::string_view first, std::string_view second) {
  toolkit_.lines().set_message(first);
  ui::begin_messages(toolkit_);
  toolkit_.lines().set_message(second);
  ui::message_and_wait(toolkit_);
}

void ScreenColourMessages::shutdown() { plv::shutdown(editor_); }

}  // namespace plv
