#include "drawing/record_store.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "drawing/record_layout.h"

namespace plv {
namespace {

TEST(RecordStore, AppendReadWriteClear) {
  RecordStore store;
  EXPECT_EQ(store.count(), 0);
  EXPECT_THROW(store.read(1), std::out_of_range);
  for (int i = 1; i <= 20000; ++i) {  // across several storage blocks
    Record r;
    r.put_text(layout::kCode, "CM");
    r.put(IntField{{4, 6}}, i);
    store.append(r);
  }
  EXPECT_EQ(store.count(), 20000);
  EXPECT_EQ(store.read(1).get(IntField{{4, 6}}), 1);
  EXPECT_EQ(store.read(8193).get(IntField{{4, 6}}), 8193);
  EXPECT_EQ(store.read(20000).get(IntField{{4, 6}}), 20000);
  EXPECT_THROW(store.read(0), std::out_of_range);
  EXPECT_THROW(store.read(20001), std::out_of_range);

  store.write(5, Record("SC BAR   3"));
  EXPECT_EQ(store.read(5).trimmed(), "SC BAR   3");
  EXPECT_THROW(store.write(20001, Record()), std::out_of_range);

  const size_t capacity = store.capacity_bytes();
  store.clear();
  EXPECT_EQ(store.count(), 0);
  EXPECT_THROW(store.read(1), std::out_of_range);
  store.append(Record("LI"));
  EXPECT_EQ(store.read(1).trimmed(), "LI");
  EXPECT_EQ(store.capacity_bytes(), capacity);  // cleared space is reused
}

}  // namespace
}  // namespace plv
