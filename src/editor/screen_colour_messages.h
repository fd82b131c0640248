#pragma once
// Colour-record messages shown on the editor's text screen.

#include "kinds/colour_messages.h"

namespace plv::ui {
class Toolkit;
}

namespace plv {

class ScreenColourMessages final : public ColourMessages {
 public:
  explicit ScreenColourMessages(ui::Toolkit& toolkit) : toolkit_(toolkit) {}
  void error_and_wait(std::string_view text) override;
  void note_and_wait(std::string_view text) override;
  void two_lines_and_wait(std::string_view first, std::string_view second) override;
  [[noreturn]] void shutdown() override;

 private:
  ui::Toolkit& toolkit_;
};

}  // namespace plv
