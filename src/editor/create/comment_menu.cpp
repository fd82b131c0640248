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
    {9, "     F1 = ENTER THE COMMENT INTO THE DRAWING FILE"},
    {11, "     F10= QUIT"},
};
constexpr int kCommentLength = 58;

}  // namespace

// Nothing is remembered: every showing of the menu starts with an empty
// field, so any key but F1 and F10 throws away what was typed.
Record comment_menu(Editor& e) {
  for (;;) {
    show_menu(e, 3, kBanner, kLines);
    ui::FieldSet set;
    set.fields = {text_field(7, 17, kCommentLength, std::string(kCommentLength, ' '))};
    const ui::FieldKey key = enter(e, set);
    switch (key.function_number()) {
      case 1: {
        std::string comment = set.field(1).text;
        ui::left_justify(std::span<char>(comment));
        return comment_record(comment);
      }
      case 10:
        return Record();
      default:
        break;  // the menu again, empty
    }
  }
}

}  // namespace plv::create
