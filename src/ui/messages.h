#pragma once
// Fixed screens that tell the user what is happening or what went wrong,
// written from the shared title and message lines. The waits take any key;
// closing the window during one throws CloseRequested.

#include <string_view>

namespace plv::ui {

class Toolkit;

inline constexpr std::string_view kAnyKeyPrompt = "TYPE ANY KEY TO CONTINUE...";
inline constexpr std::string_view kWorkingText = "         ...WORKING...";
inline constexpr std::string_view kErrorHeading = ">>>ERROR:";

// Clears the screen, title at row 1, the message line at row 3.
void begin_messages(Toolkit& toolkit);
// The message line two rows under the last message.
void next_message(Toolkit& toolkit);
// The message line two rows under the last, the prompt two rows further
// down, then a key.
void message_and_wait(Toolkit& toolkit);
// Clears the screen, title, "...WORKING..." at row 5; does not wait.
void working(Toolkit& toolkit);
// Clears the screen: the title's first 55 characters, ">>>ERROR:" at row
// 3, the message line at row 5, the prompt at row 7, then a key.
void error_and_wait(Toolkit& toolkit);
// As error_and_wait without the heading, the prompt at row 9.
void note_and_wait(Toolkit& toolkit);

}  // namespace plv::ui
