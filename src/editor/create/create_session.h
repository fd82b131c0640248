#pragma once
// What one stay in the create menu keeps from pass to pass, and the steps
// it shares with the more-create menu and the undraw of the last element.

#include <span>
#include <string_view>

#include "drawing/record.h"
#include "editor/create/desk.h"
#include "editor/document.h"
#include "editor/screen.h"
#include "kinds/colour_problem.h"
#include "kinds/colour_mode.h"

namespace plv::create {

struct CreateSession final : RecordsListener {
  Record element;       // the last element made; blank: none
  Record typed_colour;  // a colour typed in this visit, not yet in the drawing; blank: none

  // After an undo or a redo the element made last may be gone: nothing to undraw.
  void records_replaced() override { element = Record(); }
  void records_inserted(std::span<const PlacedRecord>) override {}
};

// The colour record new elements are drawn in: the create colour where the
// drawing takes palette colours, elsewhere the colour in force at its end.
Record colour_of_new_elements(const Document& document, int create_colour);
// The layer record new elements stand under: the work layer, unscaled and
// unshifted.
Record layer_of_new_elements(const Screen& screen);

// False, after telling the user, when no drawing is open to draw in.
bool may_draw(const Document& document, Screen& screen);

// The element on the picture where it will stand, in `colour`, then a
// wait for a key before the text screen comes back.
void show_element(Screen& screen, const Record& element, const Record& colour, ColourProblems& messages);

// False, after telling the user, when the element holds a value the
// drawing file cannot take (a pick far out in a view zoomed out a long way
// can reach one): such an element is not made. `refusal` is the message.
inline constexpr std::string_view kNotMade = "THE ELEMENT HOLDS A VALUE TOO LARGE FOR THE FILE; IT WAS NOT MADE.";
bool fits_the_file(Screen& screen, const Record& element, std::string_view refusal = kNotMade);
// Appends the element when it fits the file, with what it needs to stand
// as it was shown: the colour typed for it, the layer of new elements and
// its colour, each only where the drawing's end has another in force, so
// that the element and its records are one action. False when it was
// dropped.
bool append_element(const Desk& desk, CreateSession& session, const Record& element);

}  // namespace plv::create
