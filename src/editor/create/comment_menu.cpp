#include "editor/create/comment_menu.h"

#include <span>
#include <string>

#include "editor/create/element_menu.h"
#include "kinds/comment.h"
#include "ui/left_justify.h"

namespace plv::create {
namespace {

constexpr std::string_view kBanner = "**** COMMENT MENU ***** COMMENT MENU ***** COMMENT MENU ***** COMMENT MENU *****";
constexpr MenuLine kLines[] = {
    {7, "     COMMENT:"},
};
constexpr int kCommentLength = 58;

// The record made of the comment typed; none: the menu again, empty (a blank record: quit).
using Row = MenuRow<std::optional<Record>, const std::string&>;
constexpr Row kRows[] = {
    {ui::FKey::kF1, 9, "     F1 = ENTER THE COMMENT INTO THE DRAWING FILE",
     [](const std::string& typed) -> std::optional<Record> {
       std::string comment = typed;
       ui::left_justify(std::span<char>(comment));
       return comment_record(comment);
     }},
    {ui::FKey::kF10, 11, "     F10= QUIT", [](const std::string&) -> std::optional<Record> { return Record(); }},
};

}  // namespace

// Nothing is remembered: every showing of the menu starts with an empty
// field, so any key but F1 and F10 throws away what was typed.
Record comment_menu(Screen& screen) {
  for (;;) {
    show_menu(screen, 3, kBanner, kLines, kRows);
    ui::FieldSet set;
    set.fields = {text_field(7, 17, kCommentLength, std::string(kCommentLength, ' '))};
    const ui::FieldKey key = enter(screen, set);
    if (auto made = act_on(kRows, ui::fkey_of(key), set.field(1).text)) return *made;
  }
}

}  // namespace plv::create
