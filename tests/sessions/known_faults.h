#pragma once
// Faults the random sessions found that are not mended yet. While a flag
// is set the generator keeps away from the combination that shows it, so
// that the fixed seeds pass. Each has sessions cut down to show it in
// faults/; clear the flag once the fault is mended, and they run as
// regressions (sessions_test.cpp).

namespace plv::sessions {

struct KnownFaults {
  // After a write the recovery copy numbers records as the editor holds
  // them, but the file written leaves out repeated layer and colour
  // records: a crash then recovers a wrong or empty drawing. No crash
  // follows a write until the drawing is reopened.
  bool recovery_after_write = false;
  // The same, for a kill at any point of an action: a session with a
  // kill writes no more once its write, undo and removal of deleted
  // graphics are done, and reopens the drawing before the kill.
  bool kills_after_write = false;
  // A second plivet on a drawing that another keeps a recovery copy of is
  // told so, but quitting the drawing or writing it removes that copy;
  // and a write, even of the drawing as it was read, gives the file a new
  // time, so that the copy is set aside as made on a changed file. The
  // first, killed, recovers nothing. A second plivet is only closed.
  bool second_plivet_removes_copy = false;
  // Making an element, a drawing with no layer record before its end
  // counts as on layer 1, but it is drawn on layer 0: an element made on
  // work layer 1 gets no layer record and is hidden by the next redraw.
  // Work layer 1 is never set.
  bool new_element_on_layer_one = false;
  // A paste in general mode adds no layer record: what it pastes stands
  // under the drawing's last layer record, away from where it was shown.
  // Pastes are in simple mode only.
  bool general_paste_under_last_layer = false;
  // Coordinates pasted in general mode, typed for a graphic under a
  // scaled layer, or pointed at in a zoomed view, keep fractions that the
  // file's whole-number columns round away: the picture moves when
  // written. No general-mode paste, no graphic under a scaled layer
  // edited, and no element made with the pointer in a zoomed view.
  bool fractions_kept = false;
};

}  // namespace plv::sessions
