#include "ui/close_requested.h"
#include "ui/field_entry.h"
#include "ui/ui_fixture.h"

namespace plv::ui {
namespace {

class FieldEntryTest : public UiTest {
 protected:
  // A form of mixed fields:
  //   1 row 5  col 1  protected text     5 row 11 col 38 E2, 1500
  //   2 row 7  col 38 F0 width 7, 0      6 row 11 col 50 text "NAME"
  //   3 row 9  col 10 I width 3, 12345   7 row 13 col 38 P2, 15000
  //   4 row 9  col 40 F3 width 9, 1      8 row 15 col 20 G4, 123.456
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
};

TEST_F(FieldEntryTest, ShowsEveryFieldAndStartsOnTheFirstEditable) {
  Toolkit& t = open("key F10\n");
  FieldSet set = form();
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(10));
  EXPECT_EQ(set.key, FieldKey::function(10));
  EXPECT_EQ(set.current, 2);
  EXPECT_EQ(row(5), "DRAWING FILE NAME:");
  EXPECT_EQ(cells(7, 38, 7), "     0.");
  EXPECT_EQ(cells(9, 10, 3), "345");  // 12345 in a field of width 3
  EXPECT_EQ(cells(9, 40, 9), "    1.000");
  EXPECT_EQ(cells(11, 38, 10), "    1.50E3");
  EXPECT_EQ(cells(11, 50, 12), "NAME        ");
  EXPECT_EQ(cells(13, 38, 10), "   15.00E3");
  EXPECT_EQ(cells(15, 20, 12), "       123.5");
  EXPECT_EQ(set.field(3).integer, 12345);  // showing does not change the value
  // Protected fields are all normal; editable ones show their first character highlighted.
  EXPECT_EQ(attribute(5, 1), attr::kNormal);
  EXPECT_EQ(attribute(7, 38), attr::kHighlighted);
  EXPECT_EQ(attribute(7, 39), attr::kNormal);
  EXPECT_EQ(caret(), (TextCell{7, 38}));
  EXPECT_EQ(ws_->cursor(), host::CursorShape::kArrow);
}

TEST_F(FieldEntryTest, SuffixesReadAndAnEmbeddedBlankIsRefused) {
  // The caret starts on the 0; "1K" over "0." reads as 1000.
  Toolkit& t = open("type 1K\nkey ENTER\n"
                    "key LEFT\nkey LEFT\nkey 145\ntype 1 2\nkey ENTER\nkey F2\n");
  FieldSet set = form();
  EXPECT_EQ(enter_fields(t, set), FieldKey::kEnter);
  EXPECT_EQ(set.current, 2);
  EXPECT_EQ(set.field(2).real, 1000.0f);
  EXPECT_EQ(cells(7, 38, 7), "  1000.");
  EXPECT_EQ(caret(), (TextCell{7, 38}));
  // Cleared from the first column and "1 2" typed: refused without a word,
  // Enter dropped, the old value shown again and edited until F2.
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(2));
  EXPECT_EQ(set.current, 2);
  EXPECT_EQ(set.field(2).real, 1000.0f);
  EXPECT_EQ(set.field(2).text, "  1000.");
  EXPECT_EQ(cells(7, 38, 7), "  1000.");
  EXPECT_EQ(row(3), "");
}

TEST_F(FieldEntryTest, EditingKeysInAnIntegerField) {
  Toolkit& t = open(
      // Right to one past the end; typing there moves the text left.
      "key RIGHT\nkey RIGHT\nkey RIGHT\ntype 67\nkey F1\n"
      // Backspace from past the end blanks the last character; at the
      // first it does nothing. A blank field reads as 0.
      "key RIGHT\nkey RIGHT\nkey RIGHT\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey BACKSPACE\nkey F1\n"
      // Outside -32768..32767 is refused.
      "key 145\nkey LEFT\nkey LEFT\nkey LEFT\nkey LEFT\nkey LEFT\ntype 40000\nkey F1\nkey F3\n");
  FieldSet set = form();
  set.current = 3;
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
  EXPECT_EQ(set.field(3).integer, 567);
  EXPECT_EQ(cells(9, 10, 3), "567");

  EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
  EXPECT_EQ(set.field(3).integer, 0);
  EXPECT_EQ(cells(9, 10, 3), "  0");

  FieldSet wide;
  wide.fields = {{.row = 20, .column = 10, .width = 6, .type = FieldType::integer(), .integer = 5}};
  EXPECT_EQ(enter_fields(t, wide), FieldKey::function(3));
  EXPECT_EQ(wide.field(1).integer, 5);
  EXPECT_EQ(cells(20, 10, 6), "     5");
}

TEST_F(FieldEntryTest, ArrowsTabAndPastTheEndMoveBetweenFields) {
  Toolkit& t = open(
      "key DOWN\ntype 5\nkey F1\n"        // row 7 column 38 to row 9 column 40
      "key UP\nkey F1\n"                  // back up to row 7
      "key RIGHT\nkey RIGHT\nkey RIGHT\nkey F1\n"  // from the 0 of "     0." past the end: field 3 is next
      "key LEFT\nkey F1\n"                // Left on the first character goes back
      "key TAB\nkey F1\n");               // Tab on the last field wraps
  FieldSet set = form();
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
  EXPECT_EQ(set.current, 4);
  EXPECT_EQ(set.field(4).real, 5.0f);  // the caret was on the 1 of "    1.000"
  EXPECT_EQ(cells(9, 40, 9), "    5.000");
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
  EXPECT_EQ(set.current, 2);
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
  EXPECT_EQ(set.current, 3);
  EXPECT_EQ(caret(), (TextCell{9, 10}));
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
  EXPECT_EQ(set.current, 2);
  set.current = 8;
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
  EXPECT_EQ(set.current, 2);
}

TEST_F(FieldEntryTest, PointerPresses) {
  Toolkit& t = open(
      "click 11 52\ntype X\nkey F4\n"  // on the text field's third column
      "click 5 3\n"                     // on the protected field
      "click 20 5\n"                    // outside every field
      "key F5\n");
  FieldSet set = form();
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(4));
  EXPECT_EQ(set.current, 6);
  EXPECT_EQ(set.field(6).text, "NAXE        ");
  EXPECT_EQ(cells(11, 50, 12), "NAXE        ");
  EXPECT_EQ(t.last_pointer(), (TextCell{11, 52}));

  EXPECT_EQ(enter_fields(t, set), FieldKey::press_on(1));
  EXPECT_EQ(set.current, 1);
  EXPECT_EQ(t.last_pointer(), (TextCell{5, 3}));

  // A protected current field is not edited: editing starts on the first editable one.
  EXPECT_EQ(enter_fields(t, set), FieldKey::kPressOutside);
  EXPECT_EQ(set.current, 2);
  EXPECT_EQ(t.last_pointer(), (TextCell{20, 5}));
  EXPECT_EQ(ws_->cursor(), host::CursorShape::kArrow);
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(5));
}

TEST_F(FieldEntryTest, ThePointerIsACrossHairOverFields) {
  Toolkit& t = open("key F1\n");
  const auto pixel = [&](int r, int c) { return host_->text_layout().cell_origin(r - 1, c - 1); };
  const auto move = [&](host::Point p) { ws_->push_event({.type = host::EventType::kPointerMove, .x = p.x, .y = p.y}); };
  move(pixel(5, 3));    // the protected field counts
  move(pixel(20, 1));
  move(pixel(11, 61));  // the text field's last column
  FieldSet set = form();
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(1));
  const auto& shapes = ws_->cursor_history();
  ASSERT_GE(shapes.size(), 4u);
  EXPECT_EQ(shapes[shapes.size() - 4], host::CursorShape::kCrosshair);
  EXPECT_EQ(shapes[shapes.size() - 3], host::CursorShape::kArrow);
  EXPECT_EQ(shapes[shapes.size() - 2], host::CursorShape::kCrosshair);
  EXPECT_EQ(shapes.back(), host::CursorShape::kArrow);  // on return
  EXPECT_EQ(t.last_pointer(), (TextCell{11, 61}));
}

TEST_F(FieldEntryTest, OtherKeysAndTheClose) {
  Toolkit& t = open(
      "key F11\n"                    // leaves the key as it was
      "type |\n"
      "key 146\n"
      "key 148\n"                    // acts as Left: back to field 2
      "key 200\nkey 147\nkey F6\n"   // ignored codes
      "key 145\ntype 1 2\nclose\n");
  FieldSet set = form();
  set.key = FieldKey::function(7);
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(7));
  EXPECT_EQ(enter_fields(t, set), FieldKey::kBar);
  EXPECT_EQ(enter_fields(t, set), FieldKey::kBar);
  set.current = 3;
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(6));
  EXPECT_EQ(set.current, 2);
  EXPECT_EQ(cells(7, 38, 7), "     0.");
  // A close with an entry that does not read keeps the old value.
  set.current = 4;
  EXPECT_THROW(enter_fields(t, set), CloseRequested);
  EXPECT_EQ(set.key, FieldKey::kClose);
  EXPECT_EQ(ws_->cursor(), host::CursorShape::kArrow);
  EXPECT_EQ(set.field(4).real, 1.0f);
  EXPECT_EQ(cells(9, 40, 9), "    1.000");
}

TEST_F(FieldEntryTest, EscapeTakesBackWhatWasTypedInTheField) {
  Toolkit& t = open(
      "key 145\ntype 1 2\nkey ESC\nkey F4\n"       // an entry that would not read, taken back
      "type 7\nkey TAB\nkey BACKTAB\ntype 8\nkey ESC\nkey F5\n"  // what was taken stays
      "click 11 52\ntype XY\nkey ESC\ntype Z\nkey F6\n");  // the caret back where the press put it
  FieldSet set = form();
  // Not typed, and the function key after it is acted on, not dropped.
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(4));
  EXPECT_EQ(set.field(2).real, 0.0f);
  EXPECT_EQ(cells(7, 38, 7), "     0.");
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(5));
  EXPECT_EQ(set.field(2).real, 7.0f);
  EXPECT_EQ(cells(7, 38, 7), "     7.");
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(6));
  EXPECT_EQ(set.field(6).text, "NAZE        ");
  EXPECT_EQ(cells(11, 50, 12), "NAZE        ");
  EXPECT_EQ(attribute(11, 50), attr::kHighlighted);
}

TEST_F(FieldEntryTest, AllProtectedReturnsAtOnce) {
  Toolkit& t = open("key F1\n");
  FieldSet set;
  set.fields = {{.row = 3, .column = 5, .width = 4, .type = FieldType::integer(), .integer = 42, .is_protected = true},
                {.row = 4, .column = 5, .width = 6, .type = FieldType::fixed(1), .real = 2.5f, .highlight = true,
                 .is_protected = true}};
  set.key = FieldKey::function(9);
  EXPECT_EQ(enter_fields(t, set), FieldKey::function(9));
  EXPECT_EQ(set.key, FieldKey::function(9));
  EXPECT_EQ(cells(3, 5, 4), "  42");
  EXPECT_EQ(cells(4, 5, 6), "   2.5");
  EXPECT_EQ(attribute(3, 5), attr::kNormal);
  EXPECT_EQ(attribute(4, 10), attr::kHighlighted);
  EXPECT_EQ(ws_->steps_left(), 1u);
}

TEST_F(FieldEntryTest, AScriptedSessionFillsTheForm) {
  // Enter moves on as Tab does; only a function key leaves the form.
  Toolkit& t = open(
      "type 2.5K\nkey ENTER\n"                              // 2: F0
      "key 145\ntype -7\nkey ENTER\n"                       // 3: integer
      "key LEFT\nkey LEFT\nkey LEFT\nkey LEFT\nkey 145\ntype 1e-3\nkey ENTER\n"  // 4: F3
      "key 145\ntype 2.5K\nkey ENTER\n"                     // 5: E2
      "key 145\ntype PLOT 7\nkey ENTER\n"                   // 6: text
      "key 145\ntype 0.5\nkey ENTER\n"                      // 7: P2
      "key 145\ntype 1E+2\nkey ENTER\n"                     // 8: G4
      "key F9\n");
  FieldSet set = form();
  EXPECT_EQ(enter_form(t, set), FieldKey::function(9));
  EXPECT_EQ(set.current, 2);  // Enter on the last field wrapped to the first
  EXPECT_EQ(set.field(2).real, 2500.0f);
  EXPECT_EQ(set.field(3).integer, -7);
  EXPECT_EQ(set.field(4).real, 0.001f);
  EXPECT_EQ(set.field(5).real, 2500.0f);
  EXPECT_EQ(set.field(6).text, "PLOT 7      ");
  EXPECT_EQ(set.field(7).real, 0.5f);
  EXPECT_EQ(set.field(8).real, 100.0f);
  EXPECT_EQ(cells(7, 38, 7), "  2500.");
  EXPECT_EQ(cells(9, 10, 3), " -7");
  EXPECT_EQ(cells(9, 40, 9), "    0.001");
  EXPECT_EQ(cells(11, 38, 10), "    2.50E3");
  EXPECT_EQ(cells(11, 50, 12), "PLOT 7      ");
  EXPECT_EQ(cells(13, 38, 10), " 500.00E-3");
  EXPECT_EQ(cells(15, 20, 12), "       100.0");
  EXPECT_EQ(caret(), (TextCell{7, 38}));
}

}  // namespace
}  // namespace plv::ui

namespace plv::ui {
namespace {

TEST_F(FieldEntryTest, AnIntegerOutsideItsRangeIsRefusedAndTheRangeTold) {
  Toolkit& t = open("key DELETE\ntype 1234567\nkey ENTER\nkey DELETE\ntype 42\nkey ENTER\n");
  FieldSet set;
  set.fields = {{.row = 7, .column = 10, .width = 7, .type = FieldType::integer(), .integer = -100,
                 .range = IntegerRange{-9999, 32767}}};
  EXPECT_EQ(enter_fields(t, set), FieldKey::kEnter);
  EXPECT_EQ(set.field(1).integer, 42);
  EXPECT_EQ(row(24), "");  // told once, gone when a value is taken
  Toolkit& again = open("key DELETE\ntype 1234567\nkey ENTER\nclose\n");
  FieldSet refused = set;
  EXPECT_THROW(enter_fields(again, refused), CloseRequested);
  EXPECT_EQ(refused.field(1).integer, 42);
  EXPECT_EQ(row(24), "          ONLY VALUES FROM -9999 TO 32767 ARE TAKEN HERE.");
}

}  // namespace
}  // namespace plv::ui
