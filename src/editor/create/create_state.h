#pragma once
// What the element menus remember from one use to the next, for the whole
// run: the two points they share, and each menu's own settings, which the
// menu declares beside itself and finds here by their type.

#include <any>
#include <typeindex>
#include <unordered_map>

#include "drawing/drawing_transforms.h"

namespace plv {

// The points every element menu starts from and pointing moves: the start
// of line-like elements and first corner; the end point and second corner.
struct SharedPoints {
  DrawingPoint first{-100, -100};
  DrawingPoint second{100, 100};
};

class CreateState : public SharedPoints {
 public:
  // A menu's settings, as it left them; as the settings type starts them
  // the first time.
  template <class Settings>
  Settings& remembered() {
    std::any& kept = settings_[std::type_index(typeid(Settings))];
    if (!kept.has_value()) kept = Settings{};
    return std::any_cast<Settings&>(kept);
  }

 private:
  std::unordered_map<std::type_index, std::any> settings_;
};

}  // namespace plv
