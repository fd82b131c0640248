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
  // Records put in between others, told in ascending order of the numbers
  // they then have; records taken out, in descending order of the numbers
  // they had. Either way, made one at a time in the order told, the steps
  // give the store as it is.
  virtual void inserted(long number, const Record& record) = 0;
  virtual void removed(long number, const Record& record) = 0;
  // Every record gone: another drawing is coming.
  virtual void cleared() = 0;
};

}  // namespace plv
