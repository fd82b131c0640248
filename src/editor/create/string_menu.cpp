#include "editor/create/string_menu.h"

namespace plv::create {

Record string_menu(Editor&) { return Record(); }

}  // namespace plv::create
