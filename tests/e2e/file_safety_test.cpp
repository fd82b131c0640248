// Whole sessions that must never lose a drawing: lines kept unread, reads
// that fail, files the user may not write, links, full discs, settings
// never read, and things at a path that are not files.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "drawing/today.h"
#include "e2e/session.h"
#include "e2e/walks.h"

namespace plv::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kSetup = "GLIMPT EP      17.36      1.000 D M P   ";

std::string drawing_file(const std::string& body) { return "old/path.plv\n" + kSetup + "\nDATE:  1-JAN-99\n" + body; }
std::string after_path_line(const std::string& text) { return text.substr(text.find('\n') + 1); }

// The first screen whose row 3 holds `heading`, or nothing.
std::optional<std::string> screen_headed(const Session& s, const std::string& heading) {
  const auto found = s.screens_with(3, heading);
  return found.empty() ? std::nullopt : std::optional(found.front());
}

const Script kOpenAndExit = Script().f(10).then(walk::write_and_end());  // accept the name, exit menu, F1

TEST(FileSafety, UnreadableLinesSurviveOpeningAndWritingByteForByte) {
  Session s;
  const std::string body = "SC MODE BAR\nLI   1x0   200   300   400 S   \nLI   100   200   300   400 S\n";
  s.put("d.plv", drawing_file(body));
  ASSERT_TRUE(s.ends(Script().f(10).enter().then(walk::write_and_end()), "d.plv"));
  EXPECT_EQ(after_path_line(s.file("d.plv")), kSetup + "\nDATE: " + today_date_text() + "\n" + body);
  const auto told = screen_headed(s, "1 LINE OF THE FILE COULD NOT BE READ (LINE 5).");
  ASSERT_TRUE(told);
  EXPECT_EQ(row(*told, 5), "IT IS KEPT UNREAD: NOT DRAWN, BUT WRITTEN BACK AS IT STANDS.");
}

TEST(FileSafety, WhatWritingWillDropIsToldOnOpening) {
  Session s;
  const std::string comment = "CM " + std::string(119, 'C');
  s.put("d.plv", drawing_file("ZZ ANOTHER PROGRAM\nli   1   2   3   4\n" + comment + "TAIL\n"));
  ASSERT_TRUE(s.ends(Script().f(10).enter().f(10).f(10), "d.plv"));
  const auto told = screen_headed(s, "2 LINES HAVE CODES THE EDITOR DOES NOT KNOW (THE FIRST IS LINE 4).");
  ASSERT_TRUE(told);
  EXPECT_EQ(row(*told, 5), "THEY WILL NOT BE KEPT WHEN THE DRAWING IS WRITTEN.");
  EXPECT_EQ(row(*told, 7), "1 LINE RUNS PAST COLUMN 122 (LINE 6).");
  EXPECT_EQ(row(*told, 9), "WHAT STANDS PAST COLUMN 122 WILL NOT BE KEPT WHEN THE DRAWING IS WRITTEN.");
}

TEST(FileSafety, ANewDrawingThatCannotBeMadeSaysWhy) {
  Session s;
  EXPECT_TRUE(s.ends(Script().f(10).enter(), "missing/new.plv"));
  const auto told = screen_headed(s, "ERROR: CANNOT CREATE A NEW FILE.");
  ASSERT_TRUE(told);
  EXPECT_EQ(row(*told, 9), "NO SUCH FILE OR DIRECTORY.");
  EXPECT_FALSE(s.exists("missing"));
}

TEST(FileSafety, ADrawingNotReadWholeIsNeitherOpenedNorWritten) {
  Session s;
  fs::create_symlink("/proc/self/mem", s.path("mem.plv"));  // opens, then fails on the first read
  EXPECT_TRUE(s.ends(Script().f(10).enter().f(3), "mem.plv"));
  const auto told = screen_headed(s, "ERROR: THE FILE COULD NOT BE READ TO ITS END.");
  ASSERT_TRUE(told);
  EXPECT_EQ(row(*told, 9), "INPUT/OUTPUT ERROR.");
  EXPECT_EQ(fs::read_symlink(s.path("mem.plv")), "/proc/self/mem");
}

TEST(FileSafety, PermissionsBindTheEditorAndLinksAreWrittenThrough) {
  const std::string body = "LI   100   200   300   400 S\n";
  {  // A read-only drawing is refused, the file name menu offered, and the run ends unsaved.
    Session s;
    s.as_ordinary_user();
    s.put("ro.plv", drawing_file(body));
    s.give_away("ro.plv");
    fs::permissions(s.path("ro.plv"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(s.run(Script(kOpenAndExit).enter(), "ro.plv"), 1) << s.file("stderr.txt");
    EXPECT_EQ(s.file("ro.plv"), drawing_file(body));
    const auto told = screen_headed(s, "ERROR: CANNOT OPEN THE FILE");
    ASSERT_TRUE(told);
    EXPECT_EQ(row(*told, 7), "ro.plv");
    EXPECT_NE(s.screens().back().find("DIRECTORY AND FILE NAME MENU"), std::string::npos);
  }
  {  // A writable drawing in a folder the user may not write is saved in place.
    Session s;
    s.as_ordinary_user();
    fs::create_directory(s.path("locked"));
    s.put("locked/d.plv", drawing_file(body));
    s.give_away("locked/d.plv");
    fs::permissions(s.path("locked"), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    EXPECT_TRUE(s.ends(kOpenAndExit, "locked/d.plv"));
    EXPECT_EQ(after_path_line(s.file("locked/d.plv")), kSetup + "\nDATE: " + today_date_text() + "\n" + body);
    EXPECT_EQ(std::distance(fs::directory_iterator(s.path("locked")), {}), 1);
  }
  {  // Through a link: the target gets the drawing, the link stays a link.
    Session s;
    s.as_ordinary_user();
    fs::create_directory(s.path("real"));
    s.give_away("real");
    s.put("real/target.plv", drawing_file(body));
    s.give_away("real/target.plv");
    fs::create_symlink("real/target.plv", s.path("link.plv"));
    EXPECT_TRUE(s.ends(kOpenAndExit, "link.plv"));
    EXPECT_TRUE(fs::is_symlink(s.path("link.plv")));
    EXPECT_NE(s.file("real/target.plv").find("DATE: " + today_date_text()), std::string::npos);
  }
}

TEST(FileSafety, AFullDiscIsSaidAndTheDrawingOnDiscStays) {
  Session s;
  std::string body;
  for (int i = 0; i < 400; ++i) body += "CM A COMMENT LINE THAT TAKES SOME ROOM IN THE DRAWING\n";
  s.put("big.plv", drawing_file(body));
  s.before_running("ulimit -f 8");
  EXPECT_EQ(s.run(Script(kOpenAndExit).enter(), "big.plv"), 1) << s.file("stderr.txt");
  const auto told = screen_headed(s, "ERROR: CANNOT WRITE THE FILE");
  ASSERT_TRUE(told);
  EXPECT_NE(row(*told, 9).find("FILE TOO LARGE"), std::string::npos) << *told;
  EXPECT_EQ(s.file("big.plv"), drawing_file(body));
}

TEST(FileSafety, SettingsAreNeverWrittenOverBeforeTheyWereRead) {
  const std::string mine = "/my/last.plv\nCM SETUP FILE FOR PROGRAM PLIVET\nSC   0.2000000E+01  0.0000000E+00  0.0000000E+00\nEN\n";
  for (const Script& script : {Script().f(3), Script().close()}) {
    Session s;
    s.put("plivet.set", mine);
    EXPECT_TRUE(s.ends(script)) << script.text();
    EXPECT_EQ(s.file("plivet.set"), mine) << script.text();
  }
}

TEST(FileSafety, SettingsFilesThatAreNotFilesNeitherStopNorHangTheEditor) {
  Session fifos;
  ASSERT_EQ(::mkfifo(fifos.path("plivet.set").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(fifos.path("host.ini").c_str(), 0600), 0);
  fifos.host_settings_at(fifos.path("host.ini"));
  EXPECT_TRUE(fifos.ends(walk::new_drawing("a").close()));
  EXPECT_TRUE(fs::is_fifo(fifos.path("plivet.set")));
  EXPECT_TRUE(fs::is_fifo(fifos.path("host.ini")));

  Session endless;
  fs::create_symlink("/dev/zero", endless.path("plivet.set"));
  EXPECT_TRUE(endless.ends(walk::new_drawing("a").close()));
  EXPECT_TRUE(fs::is_symlink(endless.path("plivet.set")));
}

TEST(FileSafety, ASnapshotFolderThatCannotBeMadeIsAnError) {
  Session s;
  s.put("snaps", "a file in the way");
  EXPECT_EQ(s.run(Script().close()), 2);
  EXPECT_NE(s.file("stderr.txt").find("cannot make the snapshot folder snaps"), std::string::npos);
}

}  // namespace
}  // namespace plv::e2e
