// Undraw and edit of an element handed over with its colour and layer
// records: the values shown through the layer's transform and stored back,
// the records each kind comes back as, every kind accepted unchanged coming
// back exactly as it was, and edits that cannot be carried back refused.

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/record_layout.h"
#include "editor/create/arrow_menu.h"
#include "editor/create/bracket_menu.h"
#include "editor/create/line_menu.h"
#include "editor/create/string_menu.h"
#include "editor/create/undraw_edit.h"
#include "editor/edit_delete/edit_delete_menu.h"
#include "editor/editor_fixture.h"
#include "kinds/arrow.h"
#include "kinds/box_form.h"
#include "kinds/bracket.h"
#include "kinds/circle.h"
#include "kinds/colour_mode.h"
#include "kinds/comment.h"
#include "kinds/deleted.h"
#include "kinds/ellipse.h"
#include "kinds/filled_quadrilateral.h"
#include "kinds/layer.h"
#include "kinds/line.h"
#include "kinds/string.h"

namespace plv {
namespace {

std::vector<std::string> texts(const std::vector<Record>& records) {
  std::vector<std::string> out;
  for (const Record& r : records) out.emplace_back(r.trimmed());
  return out;
}

class UndrawEditTest : public EditorTest {
 protected:
  // Each editor starts a run: the create menus remember nothing yet.
  Editor& open(const Script& script, std::initializer_list<Record> drawing = {}) {
    create_ = CreateState();
    return EditorTest::open(script, drawing);
  }
  create::Desk desk() { return {*editor_, *editor_, create_, editor_->create_colour}; }

  // Reopens `element` under `layer` with the script's keys; what the drawing then holds.
  std::vector<Record> reopen(const Script& script, const Record& element, const LayerTransform& layer,
                             Record* made = nullptr) {
    open(script);
    const Record result = create::undraw_and_edit(desk(), element, 1, colour_, layer_record(layer), messages_).record;
    if (made) *made = result;
    return held();
  }

  std::vector<Record> held() const { return records_in(editor_->drawing); }

  // What the menus remember after a wide line, a bent arrow and a large
  // string were made: nothing of it may leak into an element reopened.
  void after_other_elements() {
    create_.remembered<create::LineSettings>() = {'D', 3};
    create_.remembered<create::ArrowSettings>().flags = {'Y', 'Y', 'N', 'Y', 'Y'};
    create_.remembered<create::StringSettings>() = {std::string(create::kStringTextLength, 'Q'), 30, 2, 'E', {9, 9}};
    create_.remembered<create::BracketSettings>().facing = 'R';
  }

  const Record colour_ = palette_colour_record(3);
  CreateState create_;
};

TEST_F(UndrawEditTest, ValuesShowThroughTheLayerAndGoBackStored) {
  const LayerTransform doubled{4, 2.0, 10.0, 20.0};
  const Record line = line_record({5, 5}, {10, 10}, 'D');
  const auto held = reopen(Script().f(9).enter(), line, doubled);
  EXPECT_EQ(row(11), "                  LINE FROM: X       20  Y       30");
  EXPECT_EQ(row(13), "                         TO: X       30  Y       40");
  EXPECT_EQ(held, (std::vector<Record>{colour_, layer_record(doubled), line}));

  // A changed end is stored back through the inverse transform; what was
  // left as shown stays as stored, however the field cut it, and the
  // record is held as the file will hold it, in whole units.
  const Record uneven = line_record({5.3, 5.7}, {10.9, 10.1}, 'D');
  const auto moved = reopen(Script().tab(4).field("50").f(9).enter(), uneven, doubled);  // the end's x
  ASSERT_EQ(moved.size(), 3u);
  EXPECT_EQ(moved[2], line_record({5, 6}, {20, 10}, 'D'));
}

TEST_F(UndrawEditTest, EachKindComesBackInItsOwnCode) {
  // A rectangular box made flat stays a rectangular box.
  const Record rb = box_record_as_is(ElementKind::kRectangularBox, {0, 0}, {100, 50});
  const auto flat = reopen(Script().tab(3).field("0").f(9).enter(), rb, {});
  ASSERT_EQ(flat.size(), 3u);
  EXPECT_EQ(flat[2], box_record_as_is(ElementKind::kRectangularBox, {0, 0}, {100, 0}));

  // A bracket reopens facing left and keeps its stored order.
  const Record bracket = bracket_record({100, 0}, {0, 0});
  const auto same = reopen(Script().f(9).enter(), bracket, {});
  EXPECT_EQ(row(11).substr(52, 1), "L");
  ASSERT_EQ(same.size(), 3u);
  EXPECT_EQ(same[2], bracket);

  // Quitting the menu, or a record no menu makes, leaves nothing.
  Record made;
  EXPECT_TRUE(reopen(Script().f(10), rb, {}, &made).empty());
  EXPECT_TRUE(made.blank_in({1, 2}));
  EXPECT_TRUE(reopen(Script(), comment_record("NOTE"), {}, &made).empty());
  EXPECT_TRUE(made.blank_in({1, 2}));
}

// One element of the drawing, under one of the layers, and a point on it
// as stored, where the edit/delete menu is pointed to pick it.
struct Placed {
  Record element;
  size_t layer;
  DrawingPoint on;
};

const std::array<LayerTransform, 4> kLayers{{{1, 1.0, 0.0, 0.0},
                                             {2, 2.0, 100.0, -50.0},
                                             {3, 0.5, -30.4, 70.3},
                                             // Letters too small to have a size there: picked at their key point.
                                             {4, 0.05, 1200.0, -1000.0}}};

Record with_text(Record r, Columns at, std::string_view text) {
  r.put_text(at, text);
  return r;
}

// Values no field shows whole, the tails and spellings the menus never
// write, every flag, the arrow's own bend, and all 80 characters of a text.
std::vector<Placed> every_kind() {
  std::string eighty;
  for (int k = 0; k < 8; ++k) eighty += "ABCDEFGHI ";
  eighty.back() = 'Z';
  return {
      {line_record({-1500.7, 1100.3}, {-1300.2, 1100.9}, 'D'), 0, {-1400, 1100.6}},
      {line_record({-1100.5, 1100.5}, {-900.5, 1100.5}, 'Y'), 0, {-1000, 1100.5}},
      {with_text(line_record({-700.5, 1100}, {-500.5, 1100}, ' '), {70, 3}, "XYZ"), 0, {-600, 1100}},
      {wide_line_record({-300.5, 1100}, {-100.5, 1100}, 7), 0, {-200, 1100}},
      {arrow_record({100.5, 1100.7}, {300.2, 1100.7}, {'Y', 'N', 'Y', 'Y', 'N'}, 0.3), 0, {200, 1100.7}},
      {arrow_record({500.5, 1100}, {700.5, 1100}, {'y', 'N', 'n', 'Y', 'Y'}, 0.875), 0, {600, 1100}},
      {string_record({{1500.5, 1100.5}, 4, 'e', 2, "   SHORT"}), 0, {1400, 1100.5}},
      {box_record_as_is(ElementKind::kBox, {-700.3, -100.6}, {-600.1, -50.2}), 1, {-650, -100.6}},
      {circle_record({300.3, -300.6}, {350.8, -300.6}, {300.3, -250.1}), 1, {350.8, -300.6}},
      {bracket_record({500.5, 200.5}, {650.5, 200.5}), 1, {575, 200.5}},
      {box_record_as_is(ElementKind::kRectangularBox, {-1801.3, -1001.7}, {-1401.1, -801.9}), 2, {-1600, -1001.7}},
      {with_text(box_record_as_is(ElementKind::kFilledRectangle, {-1001.3, -1001.7}, {-601.1, -801.9}),
                 layout::stored::box::kEdgeFlags.at, "  5"),
       2, {-800, -1001.7}},
      {ellipse_record({1000.3, -2000.7}, 150.25, 80.5), 2, {1150.55, -2000.7}},
      {quad_record({{{2002, -1602}, {2402, -1602}, {2402, -1202}, {2002, -1202}}}), 2, {2202, -1602}},
      {string_record({{1234.5, -4321.7}, 10, 'M', 1, eighty}), 3, {1234.5, -4321.7}},
  };
}

TEST_F(UndrawEditTest, EveryKindEditedThroughTheEditMenuAndLeftAsShownComesBackTheSame) {
  const std::vector<Placed> placed = every_kind();
  const Record colour = palette_colour_record(4);
  std::vector<Record> drawing{colour}, expected{colour};
  std::vector<Record> appended;
  Script script;
  for (size_t k = 0; k < placed.size(); ++k) {
    const Placed& p = placed[k];
    const Record layer = layer_record(kLayers[p.layer]);
    if (k == 0 || p.layer != placed[k - 1].layer) {
      drawing.push_back(layer);
      expected.push_back(layer);
    }
    drawing.push_back(p.element);
    expected.push_back(mark_deleted(p.element));
    appended.insert(appended.end(), {colour, layer, p.element});
    const DrawingPoint at = apply_layer(kLayers[p.layer], p.on);
    script.f(5).pick(static_cast<int>(std::lround(at.x)), static_cast<int>(std::lround(at.y))).f(9).enter();
  }
  expected.insert(expected.end(), appended.begin(), appended.end());

  Editor& e = open(script.f(10));
  for (const Record& r : drawing) e.drawing.append(r);
  after_other_elements();
  editing::EditState state;
  const create::Desk d = desk();
  editing::edit_delete_menu({e, e, state, [&d](auto&&... a) { return create::undraw_and_edit(d, a...); }}, messages_);
  EXPECT_EQ(texts(held()), texts(expected));
}

TEST_F(UndrawEditTest, TheLastElementMadeUndrawnAndLeftAsShownComesBackTheSame) {
  const Record arrow = arrow_record({10.5, -20.7}, {300.2, 40.9}, {'n', 'Y', 'y', 'N', 'Y'}, 0.3);
  const Record string = string_record({{-15.5, 7.25}, 12, 'm', 3, "  LEADING BLANKS" + std::string(62, ' ') + "YZ"});
  for (const Record& element : {arrow, string}) {
    Editor& e = open(Script().enter().f(9).enter());
    after_other_elements();
    create::CreateSession session;
    session.element = element;
    e.drawing.append(create::layer_of_new_elements(e));
    e.drawing.append(element);
    create::undraw_edit_last(desk(), session, messages_);
    const Record layer = create::layer_of_new_elements(e);
    EXPECT_EQ(texts(held()), texts({layer, create::colour_of_new_elements(e, e.create_colour), layer, element}));
    EXPECT_EQ(session.element, element);
  }
}

TEST_F(UndrawEditTest, AnEditThatCannotBeCarriedBackPutsTheElementBackAsItWas) {
  // Under a layer of scale 0 nothing shown can be mapped back: the element,
  // marked where it stood, is put back there at once.
  const LayerTransform flat{5, 0.0, 100.0, 200.0};
  const Record ellipse = ellipse_record({250, 250}, 100, 50);
  Editor& e = open(Script().enter(), {layer_record(flat), ellipse});
  e.journal.end_action();
  e.drawing.write(2, mark_deleted(ellipse));  // as picking it leaves it
  const create::Undrawn refused = create::undraw_and_edit(desk(), ellipse, 2, colour_, layer_record(flat), messages_);
  EXPECT_EQ(row(5), "THIS GRAPHIC CANNOT BE EDITED: ITS LAYER HAS SCALE 0.");
  EXPECT_EQ(refused.record, ellipse);
  EXPECT_EQ(refused.at, 2);
  EXPECT_EQ(held(), (std::vector<Record>{layer_record(flat), ellipse}));
  // Marked and put back is no change: the one action to take back is the
  // drawing's making.
  ASSERT_TRUE(e.journal.undo(e.drawing));
  EXPECT_EQ(e.drawing.count(), 0);

  // Under a layer of scale 0.001 an end typed at 3000 is 3000000 stored,
  // more than the file holds; dropped from the drawing's end, the line comes
  // back there.
  const Record line = line_record({0, 0}, {100, 0}, 'S');
  const auto kept = reopen(Script().tab(4).field("3000").f(9).enter(), line, {3, 0.001, 0, 0});
  EXPECT_EQ(row(5), "THE EDITED ELEMENT HOLDS A VALUE TOO LARGE FOR THE FILE; IT STAYS AS IT WAS.");
  EXPECT_EQ(kept, (std::vector<Record>{line}));
}

}  // namespace
}  // namespace plv
