#include "editor/files/path_messages.h"

#include "editor/files/field_widths.h"
#include "editor/files/path_rules.h"
#include "ui/messages.h"
#include "ui/toolkit.h"

namespace plv::files {
namespace {

constexpr std::string_view kDoesNotFit = "THE PATH DOES NOT FIT THE DIRECTORY AND FILE NAME FIELDS:";
constexpr std::string_view kFieldSizes = "THE DIRECTORY MAY HOLD 66 CHARACTERS AND THE FILE NAME 14.";
constexpr std::string_view kTooLong = "THE DIRECTORY AND FILE NAME ARE TOO LONG TOGETHER:";
constexpr std::string_view kPathSize = "A PATH MAY HOLD AT MOST 80 CHARACTERS.";
static_assert(kDirectoryWidth == 66 && kFileNameWidth == 14 && kPathWidth == 80);

void show(ui::Toolkit& toolkit, std::string_view heading, std::string_view path, std::string_view advice) {
  ui::ScreenLines& lines = toolkit.lines();
  lines.set_message(heading);
  ui::begin_messages(toolkit);
  // The start of the path, as much as one line shows.
  lines.set_message(text::trimmed_right(path));
  ui::next_message(toolkit);
  lines.set_message(advice);
  ui::message_and_wait(toolkit);
}

}  // namespace

void show_path_does_not_fit(ui::Toolkit& toolkit, std::string_view path) {
  show(toolkit, kDoesNotFit, path, kFieldSizes);
}

void show_path_too_long(ui::Toolkit& toolkit, std::string_view path) { show(toolkit, kTooLong, path, kPathSize); }

}  // namespace plv::files
