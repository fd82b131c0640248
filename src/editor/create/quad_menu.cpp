#include "editor/create/quad_menu.h"

namespace plv::create {

Record quad_menu(Editor&) { return Record(); }

}  // namespace plv::create
