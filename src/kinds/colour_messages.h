#pragma once
// How the colour handler tells the user about a bad colour record. The
// editor shows these on its text screen; batch tools print them.

#include <string_view>

namespace plv {

class ColourMessages {
 public:
  virtual ~ColourMessages() = default;
  virtual void error_and_wait(std::string_view text) = 0;
  virtual void note_and_wait(std::string_view text) = 0;
  // Two lines: Begin messages with the first, Message and wait with the second.
  virtual void two_lines_and_wait(std::string_view first, std::string_view second) = 0;
  // Ends the program in order after the fatal pair; does not return.
  [[noreturn]] virtual void shutdown() = 0;
};

}  // namespace plv
