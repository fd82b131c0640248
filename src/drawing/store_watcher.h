#pragma once
// Told of every change to a record store as it is made, so that changes
// can be taken back and made again.

#include "drawing/record.h"

namespace plv {

class StoreWatcher {
 public:
  virtual ~StoreWatcher() = default;
  virtual void written(long number, const Record& before, const Record& after) = 0;
  virtual void appended(long number, const Record& record) = 0;
  virtual void dropped(long number, const Record& record) = 0;
  // Every record gone: another drawing is coming.
  virtual void cleared() = 0;
};

}  // namespace plv
