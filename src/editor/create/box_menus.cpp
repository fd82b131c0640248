#include "editor/create/box_menus.h"

namespace plv::create {

Record box_menu(Editor&, ElementKind) { return Record(); }

}  // namespace plv::create
