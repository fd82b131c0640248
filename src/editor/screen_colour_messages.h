#pragma once
// Colour-record messages shown on the editor's text screen.

#include "editor/editor.h"
#include "kinds/colour_messages.h"

namespace plv {

class ScreenColourMessages final : public ColourMessages {
 public:
  explicit ScreenColourMessages(Editor& editor) : editor_(editor), toolkit_(editor.ui) {}
  void error_and_wait(std::string_view text) override;
  void note_and_wait(std::string_view text) override;
  void two_lines_and_wait(std::string_view first, std::string_view second) override;
  // The editor's own shutdown: the settings saved, then the program ended.
  [[noreturn]] void shutdown() override;

 private:
  Editor& editor_;
  ui::Toolkit& toolkit_;
};

}  // namespace plv
