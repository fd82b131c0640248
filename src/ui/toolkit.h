#pragma once
// What the screen dialogue toolkit keeps for the whole run: the text
// screen and its position, the shared title and message lines, and the
// last pointer cell seen during field entry. Menus receive it by reference.

#include "host/key.h"
#include "ui/close_requested.h"
#include "ui/screen_layout.h"
#include "ui/screen_lines.h"
#include "ui/text_screen.h"

namespace plv::kernel {
class Kernel;
}

namespace plv::ui {

class Toolkit {
 public:
  explicit Toolkit(kernel::Kernel& kernel);

  TextScreen& screen() { return screen_; }
  ScreenLines& lines() { return lines_; }
  const ScreenLines& lines() const { return lines_; }
  kernel::Kernel& kernel() { return kernel_; }
  host::Host& host() { return screen_.host(); }

  // Where the pointer was last seen over the text screen during field
  // entry; a menu reads it after a press outside the fields.
  TextCell last_pointer() const { return last_pointer_; }
  void set_last_pointer(TextCell cell) { last_pointer_ = cell; }

  // The next key; closing the window throws CloseRequested.
  host::Key wait_key();
  // Waits for any key and drops it; closing the window throws CloseRequested.
  void wait_any_key() { wait_key(); }

 private:
  kernel::Kernel& kernel_;
  TextScreen screen_;
  ScreenLines lines_;
  TextCell last_pointer_;
};

}  // namespace plv::ui
