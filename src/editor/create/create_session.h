#pragma once
// What one stay in the create menu keeps from pass to pass, and the steps
// it shares with the more-create menu and the undraw of the last element.

#include <string_view>

#include "drawing/record.h"
#include "editor/editor.h"
#include "kinds/colour_messages.h"
#include "kinds/colour_mode.h"

namespace plv::create {

struct CreateSession {
  Record element;                                 // the last element made; blank: none
  Record colour = palette_colour_record(7);       // shows the next element
  Record last_layer;                              // the layer record last appended
};

// False, after telling the user, when no drawing is open to draw in.
bool may_draw(Editor& editor);

// The element on the picture in the session's colour, then a wait for a
// key before the text screen comes back.
void show_element(Editor& editor, const CreateSession& session, const Record& element, ColourMessages& messages);

// False, after telling the user, when the element holds a value the
// drawing file cannot take (a pick far out in a view zoomed out a long way
// can reach one): such an element is not made. `refusal` is the message.
inline constexpr std::string_view kNotMade = "THE ELEMENT HOLDS A VALUE TOO LARGE FOR THE FILE; IT WAS NOT MADE.";
bool fits_the_file(Editor& editor, const Record& element, std::string_view refusal = kNotMade);
// Appends the element when it fits the file, after the session's colour
// record when the colour in force at the drawing's end is another, so the
// element keeps the colour it was shown in; false when it was dropped.
bool append_element(Editor& editor, const CreateSession& session, const Record& element);

}  // namespace plv::create
