#include "editor/create/comment_menu.h"

namespace plv::create {

Record comment_menu(Editor&) { return Record(); }

}  // namespace plv::create
