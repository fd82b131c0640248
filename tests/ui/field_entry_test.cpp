#include "ui/close_requested.h"
#include "ui/field_entry.h"
#include "ui/ui_fixture.h"

namespace plv::ui {
namespace {

class FieldEntryTest : public UiTest {
 protected:
  // Eight fields, one of each kind, the first protected.
  static FieldSet form() {
    FieldSet set;
    set.fields = {
        {.row = 5, .column = 1, .width = 20, .text = "DRAWING FILE NAME:", .is_protected = true},
        {.row = 7, .column = 38, .width = 7, .type = FieldType::fixed(0)},
        {.row = 9, .column = 10, .width = 3, .type = FieldType::integer(), .integer = 12345},
        {.row = 9, .column = 40, .width = 9, .type = FieldType::fixed(3), .real = 1},
        {.row = 11, .column = 38, .width = 10, .type = FieldType::scientific(2), .real = 1500},
        {.row = 11, .column = 50, .width = 12, .type = FieldType::text(), .text = "NAME"},
        {.row = 13, .column = 38, .width = 10, .type = FieldType::engineering(2), .real = 15000},
        {.row = 15, .column = 20, .width = 12, .type = FieldType::general(4), .real = 123.456f},
    };
    return set;
  }
  // What the screen shows in each field's place, in field order.
  Rows shown(const FieldSet& set) const {
    Rows out;
    for (const Field& f : set.fields) out.push_back(cells(f.row, f.column, f.width));
    return out;
  }
  std::string shown(const FieldSet& set, int n) const { return shown(set)[static_cast<std::size_t>(n - 1)]; }
};

TEST_F(FieldEntryTest, ShowsEveryFieldAndStartsOnTheFirstEditable) {
  Toolkit& t = open(Script().f(10));
  // All protected: shown, and returned from at once with the key as it was.
  FieldSet set;
  set.fields = {{.row = 3, .column = 5, .width = 4, .type = FieldType::integer(), .integer = 42, .is_protected = true},
                {.row = 4, .column = 5, .width = 6, .type = FieldType::fixed(1), .real = 2.5f, .highlight = true,
                 .is_protected = true}};
  set.key = FieldKey::function(9);
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(9));
  EXPECT_EQ(set.key, FieldKey::function(9));
  EXPECT_EQ(shown(set), (Rows{"  42", "   2.5"}));
  EXPECT_EQ(attribute(3, 5), attr::kNormal);
  EXPECT_EQ(attribute(4, 10), attr::kHighlighted);
  EXPECT_EQ(ws_->steps_left(), 1u);

  set = form();
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(10));
  EXPECT_EQ(set.key, FieldKey::function(10));
  EXPECT_EQ(set.current, 2);
  // 12345 in a field of width 3 shows its last figures.
  EXPECT_EQ(shown(set), (Rows{"DRAWING FILE NAME:  ", "     0.", "345", "    1.000", "    1.50E3", "NAME        ",
                               "   15.00E3", "       123.5"}));
  EXPECT_EQ(set.field(3).integer, 12345);  // showing does not change the value
  // Protected fields are all normal; editable ones show their first character highlighted.
  EXPECT_EQ(std::tuple(attribute(5, 1), attribute(7, 38), attribute(7, 39)),
            std::tuple(attr::kNormal, attr::kHighlighted, attr::kNormal));
}

TEST_F(FieldEntryTest, EditingKeysInAnIntegerField) {
  Toolkit& t = open(Script()
                        // Right to one past the end; typing there moves the text left.
                        .right(3).type("67").f(1)
                        // Backspace from past the end blanks the last character; at the
                        // first it does nothing. A blank field reads as 0.
                        .right(3).backspace().backspace().backspace().backspace().f(1)
                        // Outside -32768..32767 is refused.
                        .clear().left(5).type("40000").f(1).f(3));
  FieldSet set = form();
  set.current = 3;
  for (const auto& [value, text] : {std::pair{567, "567"}, {0, "  0"}}) {
    EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
    EXPECT_EQ(set.field(3).integer, value);
    EXPECT_EQ(shown(set, 3), text);
  }

  FieldSet wide;
  wide.fields = {{.row = 20, .column = 10, .width = 6, .type = FieldType::integer(), .integer = 5}};
  EXPECT_EQ(enter_fields(t, wide), FieldKey::function(3));
  EXPECT_EQ(wide.field(1).integer, 5);
  EXPECT_EQ(shown(wide, 1), "     5");
}

TEST_F(FieldEntryTest, ArrowsTabAndPastTheEndMoveBetweenFields) {
  Toolkit& t = open(Script()
                        .down().type("5").f(1)  // row 7 column 38 to row 9 column 40
                        .up().f(1)              // back up to row 7
                        .right(3).f(1)          // from the 0 of "     0." past the end: field 3 is next
                        .left().f(1)            // Left on the first character goes back
                        .tab().f(1));           // Tab on the last field wraps
  FieldSet set = form();
  for (const auto& [from, to] : {std::pair{2, 4}, {4, 2}, {2, 3}, {3, 2}, {8, 2}}) {
    set.current = from;
    EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
    EXPECT_EQ(set.current, to) << from;
    EXPECT_EQ(caret(), (TextCell{set.field(to).row, set.field(to).column})) << from;
  }
  EXPECT_EQ(set.field(4).real, 5.0f);  // the caret was on the 1 of "    1.000"
  EXPECT_EQ(shown(set, 4), "    5.000");
}

TEST_F(FieldEntryTest, PointerPresses) {
  Toolkit& t = open(Script()
                        .click(11, 52).type("X").f(4)  // on the text field's third column
                        .click(5, 3)                   // on the protected field
                        .click(20, 5)                  // outside every field
                        .f(5));
  FieldSet set = form();
  // The third: a protected current field is not edited, editing starts on the first editable one.
  const std::tuple<FieldKey, int, TextCell> answers[] = {{FieldKey::function(4), 6, {11, 52}},
                                                         {FieldKey::press_on(1), 1, {5, 3}},
                                                         {FieldKey::kPressOutside, 2, {20, 5}},
                                                         {FieldKey::function(5), 2, {20, 5}}};
  for (const auto& [key, current, pointer] : answers) {
    EXPECT_EQ(enter_fields(t, set), key);
    EXPECT_EQ(set.current, current);
    EXPECT_EQ(t.last_pointer(), pointer);
    EXPECT_EQ(ws_->cursor(), host::CursorShape::kArrow);
  }
  EXPECT_EQ(set.field(6).text, "NAXE        ");
  EXPECT_EQ(shown(set, 6), "NAXE        ");
}

TEST_F(FieldEntryTest, ThePointerIsACrossHairOverFields) {
  Toolkit& t = open(Script().f(1));
  const auto move = [&](int r, int c) {
    const host::Point p = host_->text_layout().cell_origin(r - 1, c - 1);
    ws_->push_event({.type = host::EventType::kPointerMove, .x = p.x, .y = p.y});
  };
  move(5, 3);  // the protected field counts
  move(20, 1);
  move(11, 61);  // the text field's last column
  FieldSet set = form();
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
  const auto& shapes = ws_->cursor_history();
  ASSERT_GE(shapes.size(), 4u);
  // The last shape is the one on return.
  EXPECT_EQ(std::vector(shapes.end() - 4, shapes.end()),
            (std::vector{host::CursorShape::kCrosshair, host::CursorShape::kArrow, host::CursorShape::kCrosshair,
                         host::CursorShape::kArrow}));
  EXPECT_EQ(t.last_pointer(), (TextCell{11, 61}));
}

TEST_F(FieldEntryTest, OtherKeysAndTheClose) {
  Toolkit& t = open(Script()
                        .f(11)  // leaves the key as it was
                        .type("|")
                        .key("146")
                        .key("148")  // acts as Left: back to field 2
                        .key("200").key("147").f(6)  // ignored codes
                        .clear().type("1 2").close());
  FieldSet set = form();
  set.key = FieldKey::function(7);
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(7));
  EXPECT_EQ(enter_fields(t, set), FieldKey::kBar);
  EXPECT_EQ(enter_fields(t, set), FieldKey::kBar);
  set.current = 3;
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(6));
  EXPECT_EQ(set.current, 2);
  EXPECT_EQ(shown(set, 2), "     0.");
  // A close with an entry that does not read keeps the old value.
  set.current = 4;
  EXPECT_THROW(enter_fields(t, set), CloseRequested);
  EXPECT_EQ(set.key, FieldKey::kClose);
  EXPECT_EQ(ws_->cursor(), host::CursorShape::kArrow);
  EXPECT_EQ(set.field(4).real, 1.0f);
  EXPECT_EQ(shown(set, 4), "    1.000");
}

TEST_F(FieldEntryTest, EscapeTakesBackWhatWasTypedInTheField) {
  Toolkit& t = open(Script()
                        .clear().type("1 2").esc().f(4)                  // an entry that would not read, taken back
                        .type("7").tab().backtab().type("8").esc().f(5)  // what was taken stays
                        .click(11, 52).type("XY").esc().type("Z").f(6));  // the caret back where the press put it
  FieldSet set = form();
  // Not typed, and the function key after it is acted on, not dropped.
  const std::tuple<FieldKey, int, const char*> answers[] = {
      {FieldKey::function(4), 2, "     0."}, {FieldKey::function(5), 2, "     7."}, {FieldKey::function(6), 6, "NAZE        "}};
  for (const auto& [key, n, kept] : answers) {
    EXPECT_EQ(enter_fields(t, set), key);
    EXPECT_EQ(set.field(n).text, kept);
    EXPECT_EQ(shown(set, n), kept);
  }
  EXPECT_EQ(attribute(11, 50), attr::kHighlighted);
}

TEST_F(FieldEntryTest, AScriptedSessionFillsTheForm) {
  // Enter moves on as Tab does; only a function key leaves the form.
  Toolkit& t = open(Script()
                        .type("2.5K").enter()                          // 2: F0, typed over the 0 the caret starts on
                        .field("-7").enter()                           // 3: integer
                        .left(4).field("1e-3").enter()                 // 4: F3
                        .field("2.5K").enter()                         // 5: E2
                        .field("PLOT 7").enter()                       // 6: text
                        .field("0.5").enter()                          // 7: P2
                        .field("1E+2").enter()                         // 8: G4
                        .field("1 2").enter()                          // 2 again: refused, the Enter dropped
                        .f(9));
  FieldSet set = form();
  EXPECT_EQ(enter_form(t, set), FieldKey::function(9));
  EXPECT_EQ(set.current, 2);  // Enter on the last field wrapped to the first
  const std::pair<int, float> reals[] = {{2, 2500.0f}, {4, 0.001f}, {5, 2500.0f}, {7, 0.5f}, {8, 100.0f}};
  for (const auto& [n, value] : reals) EXPECT_EQ(set.field(n).real, value) << n;
  EXPECT_EQ(set.field(3).integer, -7);
  EXPECT_EQ(set.field(6).text, "PLOT 7      ");
  EXPECT_EQ(set.field(2).text, "  2500.");  // the refused entry shown no more
  EXPECT_EQ(shown(set), (Rows{"DRAWING FILE NAME:  ", "  2500.", " -7", "    0.001", "    2.50E3", "PLOT 7      ",
                               " 500.00E-3", "       100.0"}));
  EXPECT_EQ(row(3) + row(24), "");  // refused without a word
  EXPECT_EQ(caret(), (TextCell{7, 38}));
}

TEST_F(FieldEntryTest, AnIntegerOutsideItsRangeIsRefusedAndTheRangeTold) {
  const Script too_large = Script().field("1234567").enter();
  Toolkit& t = open(Script(too_large).field("42").enter());
  FieldSet set;
  set.fields = {{.row = 7, .column = 10, .width = 7, .type = FieldType::integer(), .integer = -100,
                 .range = IntegerRange{-9999, 32767}}};
  EXPECT_EQ(enter_fields(t, set), FieldKey::kEnter);
  EXPECT_EQ(set.field(1).integer, 42);
  EXPECT_EQ(row(24), "");  // told once, gone when a value is taken
  Toolkit& again = open(Script(too_large).close());
  FieldSet refused = set;
  EXPECT_THROW(enter_fields(again, refused), CloseRequested);
  EXPECT_EQ(refused.field(1).integer, 42);
  EXPECT_EQ(row(24), "          ONLY VALUES FROM -9999 TO 32767 ARE TAKEN HERE.");
}

}  // namespace
}  // namespace plv::ui
