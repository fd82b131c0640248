#include "host/window_menu.h"

namespace plv::host {

bool MenuState::enabled(int command) const {
  switch (command) {
    case commands::kPrintDialog:
    case commands::kPrint:
    case commands::kWriteTiff:
    case commands::kWriteMetafile: return picture_commands_enabled;
    default: return true;
  }
}

bool MenuState::checked(int command) const {
  if (command == commands::kColour) return colour_checked;
  if (command == commands::kBlackBackground) return black_background_checked;
  return false;
}

bool is_window_command(int command) { return command >= 1 && command <= 17; }

}  // namespace plv::host
