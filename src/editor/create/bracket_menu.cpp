#include "editor/create/bracket_menu.h"

namespace plv::create {

Record bracket_menu(Editor&) { return Record(); }

}  // namespace plv::create
