#include "editor/create/arrow_menu.h"

namespace plv::create {

Record arrow_menu(Editor&) { return Record(); }

}  // namespace plv::create
