#pragma once
// Deleted records ("DE" in front of the live record) and removed ones
// ("XX", left behind by the removal of deleted graphics).

#include "drawing/record.h"
#include "drawing/record_store.h"

namespace plv {

// "DE" in front of the live record's columns 1-120.
Record mark_deleted(const Record& live);
// Columns 3-122 back to 1-120, columns 121-122 blank.
Record restore_deleted(const Record& deleted);

// Turns every "DE" record into "XX", and an "SC" record that repeats the
// last colour record seen (in all 122 columns) into "XX". The count stays.
// Returns how many records were removed.
long remove_deleted_graphics(RecordStore& store);

}  // namespace plv
