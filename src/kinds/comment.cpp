#include "kinds/comment.h"

#include "drawing/record_layout.h"
#include "kinds/colour_mode.h"
#include "kinds/kind_list.h"

namespace plv {
namespace {

namespace C = layout::stored::comment;
constexpr std::string_view kLead = "CM ";

class CommentKind final : public Kind {
 public:
  ElementKind element() const override { return ElementKind::kComment; }
  bool drawn_in_colour() const override { return false; }
  bool takes_part_in_redraw() const override { return false; }
};

}  // namespace

bool is_comment_text(std::string_view line) { return line.starts_with(kLead); }

Record comment_record(std::string_view text) {
  Record r;
  r.put_text(C::kLead, kLead);
  r.put_text(C::kText, text);
  return r;
}

std::vector<Record> new_drawing_records(std::string_view name, std::string_view date) {
  Record title;
  title.put_text(C::kLead, kLead);
  title.put_text(C::kDrawingName, name);
  title.put_text(C::kDate, date);
  return {title, Record(kLead.substr(0, 2)), bar_mode_record(), palette_colour_record(7)};
}

const Kind& comment_kind() {
  static const CommentKind kind;
  return kind;
}

}  // namespace plv
