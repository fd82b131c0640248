#pragma once
// The more-create menu: ellipses, brackets, comments, filled rectangles
// and filled quadrilaterals, each shown (comments are not) and appended.

#include "editor/create/create_session.h"
#include "editor/create/reopen.h"
#include "kinds/kind.h"

namespace plv::create {

enum class MoreCreateEnd {
  kBack,    // back to the create menu
  kUndraw,  // F9: the create menu undraws and edits the last element
};

MoreCreateEnd more_create_menu(const Desk& desk, CreateSession& session, ColourProblems& messages);

// The reopening of the menu one of its keys opens for `kind`; none when no
// key's menu makes such elements.
Reopen more_create_reopening_menu(ElementKind kind);

}  // namespace plv::create
