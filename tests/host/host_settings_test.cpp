#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "host/host_settings.h"
#include "host/ini_file.h"
#include "support/temp_dir.h"

namespace plv::host {
namespace {

namespace fs = std::filesystem;

class HostSettingsFile : public ::testing::Test {
 protected:
  std::string read(const fs::path& p) { return plv::testing::read_file(p.string()); }
  void write(const fs::path& p, const std::string& text) { plv::testing::write_file(p.string(), text); }
  plv::testing::TempDir temp_;
  const fs::path dir_ = temp_.path();
};

TEST_F(HostSettingsFile, MissingFileGivesDefaultsAndExitCreatesAllKeysInOrder) {
  const fs::path path = dir_ / "sub" / "orvlab.ini";
  EXPECT_EQ(read_host_settings(path), HostSettings{});
  ASSERT_TRUE(write_host_settings(path, HostSettings{}).ok());
  EXPECT_EQ(read(path),
            "[Printer]\nPageLeftMargin=100\nPageTopMargin=100\nPageWidth=650\nPenWidthPrinter=2\n"
            "LandscapePrinter=0\n[PostScript]\nPenWidthEPS=2\n[Metafile]\nPenWidthEMF=2\n"
            "[Window]\nColorWindow=1\nBlackBG=0\n");
}

TEST_F(HostSettingsFile, ReadsValuesAndKeepsDefaultsForBadOnes) {
  const fs::path path = dir_ / "orvlab.ini";
  write(path, "; mine\r\n[window]\r\nblackbg = 1\r\nColorWindow=yes\r\n[Printer]\nPageWidth=-700\nPageTopMargin=12x\n");
  HostSettings defaults;
  defaults.colour_window = 0;
  const HostSettings s = read_host_settings(path, defaults);
  EXPECT_EQ(s.black_background, 1);
  EXPECT_EQ(s.colour_window, 0);  // not a number: the default stays
  EXPECT_EQ(s.page_width, -700);
  EXPECT_EQ(s.page_top_margin, 100);
}

TEST_F(HostSettingsFile, WritingKeepsOtherContent) {
  const fs::path path = dir_ / "orvlab.ini";
  write(path, "; mine\n[Window]\nBlackBG=0\nOther=x\n\n[Extra]\nA=1\n");
  HostSettings s;
  s.black_background = 1;
  s.page_width = 700;
  ASSERT_TRUE(write_host_settings(path, s).ok());
  EXPECT_EQ(read(path),
            "; mine\n[Window]\nBlackBG=1\nOther=x\nColorWindow=1\n\n[Extra]\nA=1\n"
            "[Printer]\nPageLeftMargin=100\nPageTopMargin=100\nPageWidth=700\nPenWidthPrinter=2\n"
            "LandscapePrinter=0\n[PostScript]\nPenWidthEPS=2\n[Metafile]\nPenWidthEMF=2\n");
  EXPECT_EQ(read_host_settings(path), s);
  EXPECT_FALSE(write_host_settings(dir_ / "orvlab.ini" / "not-a-folder" / "x.ini", s).ok());
}

TEST(HostSettingsPath, EnvironmentThenXdgThenHome) {
  std::map<std::string, std::string> env;
  auto lookup = [&](const char* name) -> const char* {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
  env["HOME"] = "/home/u";
  EXPECT_EQ(host_settings_path(lookup), fs::path("/home/u/.config/plivet/orvlab.ini"));
  env["XDG_CONFIG_HOME"] = "relative/dir";
  EXPECT_EQ(host_settings_path(lookup), fs::path("/home/u/.config/plivet/orvlab.ini"));
  env["XDG_CONFIG_HOME"] = "/cfg";
  EXPECT_EQ(host_settings_path(lookup), fs::path("/cfg/plivet/orvlab.ini"));
  env["PLIVET_HOST_SETTINGS"] = "/tmp/x.ini";
  EXPECT_EQ(host_settings_path(lookup), fs::path("/tmp/x.ini"));
}

}  // namespace
}  // namespace plv::host
