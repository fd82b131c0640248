#include "host/file_open_fields.h"

#include <gtest/gtest.h>

#include "host/event_queue.h"

namespace plv::host {
namespace {

TEST(FileOpenFields, RequestCarriesTheFieldsAndTheFilterList) {
  const auto request = open_file_request("PLOT.QPA      ", "/data/plots      ", 6, true);
  EXPECT_EQ(request.file_name, "PLOT.QPA");
  EXPECT_EQ(request.directory, "/data/plots");
  EXPECT_EQ(request.filter_index, 6);
  EXPECT_EQ(request.default_extension, "txt");
  EXPECT_TRUE(request.read_only_box);
  ASSERT_EQ(request.filters.size(), 6u);
  EXPECT_EQ(request.filters[0], (std::pair<std::string, std::string>{"QUEPA Files (*.qpa)", "*.qpa"}));
  EXPECT_EQ(request.filters[1].second, "*.tbl;*.raw;*.asc");
  EXPECT_EQ(request.filters[5].first, "Plivet Files (*.plv)");
  EXPECT_FALSE(open_file_request("", "", 1, false).read_only_box);
  EXPECT_EQ(open_file_request("   ", "", 1, true).file_name, "");
}

TEST(FileOpenFields, ChosenPathSplitsIntoPaddedFields) {
  const ChosenFile chosen = split_chosen_path("C:\\DATA\\PLOT.QPA");
  EXPECT_EQ(chosen.directory, "C:\\DATA\\" + std::string(58, ' '));
  EXPECT_EQ(chosen.name, "PLOT.QPA      ");
  EXPECT_EQ(chosen.full_path.substr(0, 16), "C:\\DATA\\PLOT.QPA");
  EXPECT_EQ(chosen.full_path.size(), 80u);

  const ChosenFile posix = split_chosen_path("/home/ann/drawings/a-long-file-name.plv");
  EXPECT_EQ(posix.directory.substr(0, 19), "/home/ann/drawings/");
  EXPECT_EQ(posix.name, "a-long-file-na");  // cut at the field's length
  EXPECT_EQ(split_chosen_path("x", 4, 4, 4).directory, "    ");
}

TEST(FileOpenFields, ExportNamesKeepUpToTheFirstBlank) {
  ExportNames names;
  EXPECT_EQ(names.default_name("emf"), ".emf");
  names.set("/data/plots/   ", "PLOT.V2.QPA   ");
  EXPECT_EQ(names.directory(), "/data/plots/");
  EXPECT_EQ(names.file_name(), "PLOT.V2.QPA");
  EXPECT_EQ(names.default_name("emf"), "PLOT.emf");
}

TEST(EventQueue, CoalescesConsecutiveMovesOnly) {
  EventQueue queue;
  queue.push({.type = EventType::kPointerMove, .x = 1, .y = 1});
  queue.push({.type = EventType::kPointerMove, .x = 2, .y = 2});
  queue.push({.type = EventType::kButtonPress, .x = 2, .y = 2, .button = 1});
  queue.push({.type = EventType::kPointerMove, .x = 3, .y = 3});
  queue.push({.type = EventType::kKey, .key = Key::character('a')});
  queue.push({.type = EventType::kPointerMove, .x = 4, .y = 4});
  EXPECT_TRUE(queue.key_waiting());
  EXPECT_EQ(queue.pop()->x, 2);
  EXPECT_EQ(queue.pop()->type, EventType::kButtonPress);
  EXPECT_EQ(queue.pop()->x, 3);
  EXPECT_EQ(queue.pop()->key, Key::character('a'));
  EXPECT_FALSE(queue.key_waiting());
  EXPECT_EQ(queue.pop()->x, 4);
  EXPECT_FALSE(queue.pop());
  EXPECT_TRUE(queue.empty());
}

}  // namespace
}  // namespace plv::host
