#include <string>

#include "editor/files/file_name_list.h"
#include "editor/files/path_rules.h"
#include "host/key.h"
#include "ui/pick_list.h"
#include "ui/screen_layout.h"
#include "ui/toolkit.h"

namespace plv::files {
namespace {

constexpr int kListTopRow = 3;
constexpr int kListColumn = 20;
constexpr int kEntryWidth = 17;
constexpr std::string_view kNameIndent = "   ";
// Rows from the list's top to the bottom of the screen.
constexpr int kListAreaRows = ui::kScreenRows - kListTopRow + 1;
constexpr std::size_t kPageNames = 20;
constexpr std::size_t kPageStep = 10;

constexpr std::string_view kShowMore = "SHOW MORE NAMES";
constexpr std::string_view kNoneOfThem = "NONE OF THE ABOVE";

constexpr int kHeadingRow = 2;
constexpr int kHelpColumn = 45;
constexpr int kHelpTopRow = 3;
constexpr std::string_view kHeading = "FILE NAMES IN YOUR DIRECTORY:";
// One line a row from kHelpTopRow; empty lines leave a row free.
constexpr std::string_view kHelpLines[] = {
    "CHOOSE A FILE NAME:", "", "MOUSE:", "   RIGHT BUTTON: CHOOSE", "   LEFT  BUTTON: FINISH", "",
    "ARROW KEYS:",         "   ENTER: CHOOSE", "   ESCAPE: FINISH",
};

constexpr int kSorryRow = 3;
constexpr int kSorryPromptRow = 5;
constexpr std::string_view kSorry = "SORRY, THERE ARE NO FILES WITH EXTENSION .";
constexpr std::string_view kSorryPrompt = "TYPE ANY KEY TO CONTINUE....";

// The entries of one page: up to kPageNames names from `first`, then
// "SHOW MORE NAMES" when the list is longer than a page, then "NONE OF THE ABOVE".
struct Page {
  std::string entries;
  int names = 0;
  bool more = false;
  int count() const { return names + (more ? 1 : 0) + 1; }
};

Page page_from(const std::vector<std::string>& names, std::size_t first) {
  Page page;
  page.more = names.size() > kPageNames;
  for (std::size_t i = first; i < names.size() && i < first + kPageNames; ++i, ++page.names)
    page.entries += text::padded(std::string(kNameIndent) + names[i], kEntryWidth);
  if (page.more) page.entries += text::padded(kShowMore, kEntryWidth);
  page.entries += text::padded(kNoneOfThem, kEntryWidth);
  return page;
}

std::size_t next_first(std::size_t first, std::size_t count) {
  const std::size_t next = first + kPageStep;
  return count - std::min(next, count) < kPageStep ? 0 : next;
}

void show_no_names(ui::Toolkit& toolkit, std::string_view extension) {
  ui::TextScreen& screen = toolkit.screen();
  screen.clear();
  const std::string sorry = std::string(kSorry) + std::string(extension);
  screen.write_at(kSorryRow, 1, sorry, static_cast<int>(sorry.size()));
  screen.write_at(kSorryPromptRow, 1, kSorryPrompt, static_cast<int>(kSorryPrompt.size()));
  toolkit.wait_any_key();
}

void show_help(ui::TextScreen& screen) {
  const std::string blank(ui::kScreenColumns, ' ');
  for (int row = kHeadingRow; row <= ui::kScreenRows; ++row) screen.write_at(row, 1, blank, ui::kScreenColumns);
  screen.write_at(kHeadingRow, kListColumn, kHeading, static_cast<int>(kHeading.size()));
  int row = kHelpTopRow;
  for (std::string_view line : kHelpLines) screen.write_at(row++, kHelpColumn, line, static_cast<int>(line.size()));
}

void blank_list_area(ui::TextScreen& screen) {
  for (int row = kListTopRow; row < kListTopRow + kListAreaRows; ++row)
    screen.write_at(row, kListColumn, "", kEntryWidth);
}

bool decides(host::Key key) {
  return key == host::Key::kEnter || key == host::Key::kEscape || key.is_pointer_press();
}

// Lets the user move through the list until an entry on it is chosen; a
// close throws ui::CloseRequested.
int pick(ui::Toolkit& toolkit, const ui::PickList& list) {
  int current = 1;
  host::Key key;
  ui::pick_list(toolkit.screen(), ui::kPickDraw, list, current, key);
  for (;;) {
    ui::pick_list(toolkit.screen(), ui::kPickInteract, list, current, key);
    if (decides(key) && current >= 1 && current <= list.count) return current;
  }
}

}  // namespace

std::string choose_name(ui::Toolkit& toolkit, std::string_view directory, std::string_view extension) {
  const std::string none(kFileNameWidth, ' ');
  const std::vector<std::string> names = list_names(directory, extension);
  if (names.empty()) {
    show_no_names(toolkit, extension);
    return none;
  }
  show_help(toolkit.screen());
  std::size_t first = 0;
  for (;;) {
    const Page page = page_from(names, first);
    if (page.more) blank_list_area(toolkit.screen());
    const ui::PickList list{.top_row = kListTopRow, .left_column = kListColumn, .entries = page.entries,
                            .count = page.count(), .width = kEntryWidth};
    const int chosen = pick(toolkit, list);
    if (chosen <= page.names) return names[first + static_cast<std::size_t>(chosen - 1)];
    if (!page.more || chosen == page.count()) return none;
    first = next_first(first, names.size());
  }
}

}  // namespace plv::files
