#pragma once
// The line at the window's foot: what the buttons and keys do while
// pointing (else the last outcome told, such as a write), and where the
// pointer stands in the drawing while a picture is shown.

#include <string>

namespace plv::host {

struct StatusLine {
  std::string text;
  std::string position;  // such as "X 120  Y -35"; empty off the picture
  friend bool operator==(const StatusLine&, const StatusLine&) = default;
};

// The words for each kind of pointing, when no menu says more.
inline constexpr const char* kLineHint =
    "Move the pointer to pull the end; left button or C: the other end; arrow keys step it (S, M, F: "
    "small, middle, far); right button or Enter accepts; Escape cancels";
inline constexpr const char* kFixedLineHint =
    "Move the pointer to pull the end; arrow keys step it (S, M, F: small, middle, far); right button or "
    "Enter accepts; Escape cancels";
inline constexpr const char* kBoxHint =
    "Drag an edge or a corner with the left button, or step with the arrow keys; right button or Enter "
    "accepts; Escape cancels";
inline constexpr const char* kPickHint =
    "Click the point with the left button; Enter keeps the point where it was; Escape cancels";

}  // namespace plv::host
