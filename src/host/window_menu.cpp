#include "host/window_menu.h"

namespace plv::host {

bool MenuState::enabled(Command command) const {
  switch (command) {
    case Command::kPrintDialog:
    case Command::kPrint:
    case Command::kWriteTiff:
    case Command::kWriteMetafile:
    case Command::kPreviousView: return picture_commands_enabled;
    default: return true;
  }
}

bool MenuState::checkable(Command command) {
  return command == Command::kColour || command == Command::kBlackBackground || command == Command::kExactPixels;
}

bool MenuState::checked(Command command) const {
  if (command == Command::kColour) return colour_checked;
  if (command == Command::kBlackBackground) return black_background_checked;
  if (command == Command::kExactPixels) return exact_pixels_checked;
  return false;
}

}  // namespace plv::host
