#include "editor/paste/paste_menu.h"

namespace plv::paste {

void paste_menu(Editor&, ColourMessages&) {}

}  // namespace plv::paste
