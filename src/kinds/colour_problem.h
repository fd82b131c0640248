#pragma once
// A colour record the drawing cannot take as it stands, reported as a
// value: whoever draws decides what the user sees of it, whether to wait
// for a key, and whether to go on.

#include <string>

namespace plv {

struct ColourProblem {
  enum class Telling {
    kError,     // one line, as an error
    kNote,      // one line, as a note
    kTwoLines,  // a message of two lines
    kFatal,     // two lines after which the drawing cannot be drawn on
  };
  Telling telling = Telling::kError;
  std::string first, second;
  friend bool operator==(const ColourProblem&, const ColourProblem&) = default;
};

// Told of each problem where the drawing meets it. After a fatal one the
// drawing is drawn no further if the listener returns at all.
class ColourProblems {
 public:
  virtual ~ColourProblems() = default;
  virtual void met(const ColourProblem& problem) = 0;
};

}  // namespace plv
