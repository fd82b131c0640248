#pragma once
// The open drawing as the window's title and its close question see it.

#include <string>

#include "editor/document.h"
#include "host/drawing_keeper.h"

namespace plv {

class WindowDrawing final : public host::DrawingKeeper {
 public:
  explicit WindowDrawing(Document& document) : document_(document) {}
  std::string name() const override;
  bool unwritten_changes() const override { return document_.unwritten_changes(); }
  // Writes without a word on the text screen: the window tells the outcome.
  std::string write() override;

 private:
  Document& document_;
};

}  // namespace plv
