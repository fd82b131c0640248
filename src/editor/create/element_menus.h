#pragma once
// Which menu each kind of element reopens in: one row a kind.

#include "editor/create/reopen.h"
#include "kinds/kind.h"

namespace plv::create {

// None for kinds no menu makes (comments and the rest).
Reopen reopen_of(ElementKind kind);

}  // namespace plv::create
