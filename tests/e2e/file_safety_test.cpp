// Whole sessions that must never lose a drawing: lines kept unread, reads
// that fail, files the user may not write, links, full discs, settings
// never read, and things at a path that are not files.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "drawing/today.h"
#include "e2e/golden.h"

namespace plv::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kSetup = "GLIMPT EP      17.36      1.000 D M P   ";
const std::string kBody = "LI   100   200   300   400 S\n";

std::string drawing_file(const std::string& body) { return "old/path.plv\n" + kSetup + "\nDATE:  1-JAN-99\n" + body; }
// What the drawing of `body` is written as today, after its path line.
std::string written_today(const std::string& body) { return kSetup + "\nDATE: " + today_date_text() + "\n" + body; }
std::string after_path_line(const std::string& text) { return text.substr(text.find('\n') + 1); }

const Script kOpenAndExit = Script().f(10).then(walk::write_and_end());  // accept the name, exit menu, F1

using FileSafety = SessionTest;

TEST_F(FileSafety, WhatCannotBeMadeReadOrKeptIsToldAndTheFileLeftAsItWas) {
  const std::string body = "SC MODE BAR\nLI   1x0   200   300   400 S   \n" + kBody;
  s.put("d.plv", drawing_file(body));
  ASSERT_TRUE(s.ends(Script().f(10).enter().then(walk::write_and_end()), "d.plv"));
  EXPECT_EQ(after_path_line(s.file("d.plv")), written_today(body)) << "byte for byte";
  EXPECT_TRUE(shows_golden(s, "e2e_line_kept_unread"));

  Session dropping;
  const std::string comment = "CM " + std::string(119, 'C');
  dropping.put("d.plv", drawing_file("ZZ ANOTHER PROGRAM\nli   1   2   3   4\n" + comment + "TAIL\n"));
  ASSERT_TRUE(dropping.ends(Script().f(10).enter().f(10).f(10), "d.plv"));
  EXPECT_TRUE(shows_golden(dropping, "e2e_lines_writing_drops"));

  Session missing;
  EXPECT_TRUE(missing.ends(Script().f(10).enter(), "missing/new.plv"));
  EXPECT_TRUE(shows_golden(missing, "e2e_new_drawing_cannot_be_made"));
  EXPECT_FALSE(missing.exists("missing"));

  Session unread;
  fs::create_symlink("/proc/self/mem", unread.path("mem.plv"));  // opens, then fails on the first read
  EXPECT_TRUE(unread.ends(Script().f(10).enter().f(3), "mem.plv"));
  EXPECT_TRUE(shows_golden(unread, "e2e_drawing_not_read_whole"));
  EXPECT_EQ(fs::read_symlink(unread.path("mem.plv")), "/proc/self/mem");
}

TEST_F(FileSafety, ReadOnlyDrawingsAndFullDiscsAreToldAndTheDrawingOnDiscStays) {
  s.as_ordinary_user();
  s.put("ro.plv", drawing_file(kBody));
  fs::permissions(s.path("ro.plv"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  // Refused, the file name menu offered again, and the run ends unsaved.
  EXPECT_EQ(s.run(Script(kOpenAndExit).enter(), "ro.plv"), 1) << s.file("stderr.txt");
  EXPECT_EQ(s.file("ro.plv"), drawing_file(kBody));
  EXPECT_TRUE(shows_golden(s, "e2e_drawing_read_only"));
  EXPECT_NE(s.screens().back().find("DIRECTORY AND FILE NAME MENU"), std::string::npos);

  Session full;
  std::string body;
  for (int i = 0; i < 400; ++i) body += "CM A COMMENT LINE THAT TAKES SOME ROOM IN THE DRAWING\n";
  full.put("big.plv", drawing_file(body));
  full.before_running("ulimit -f 8");
  EXPECT_EQ(full.run(Script(kOpenAndExit).enter(), "big.plv"), 1) << full.file("stderr.txt");
  EXPECT_TRUE(shows_golden(full, "e2e_drawing_cannot_be_written"));
  EXPECT_EQ(full.file("big.plv"), drawing_file(body));
}

TEST_F(FileSafety, ADrawingInALockedFolderBehindALinkOrOfAnotherOwnerIsSavedAsItStands) {
  s.as_ordinary_user();
  fs::create_directory(s.path("locked"));  // stays root's
  s.put("locked/d.plv", drawing_file(kBody));
  fs::permissions(s.path("locked"), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  EXPECT_TRUE(s.ends(kOpenAndExit, "locked/d.plv"));
  EXPECT_EQ(after_path_line(s.file("locked/d.plv")), written_today(kBody));
  EXPECT_EQ(std::distance(fs::directory_iterator(s.path("locked")), {}), 1);

  Session linked;
  linked.as_ordinary_user();
  linked.folder("real");
  linked.put("real/target.plv", drawing_file(kBody));
  fs::create_symlink("real/target.plv", linked.path("link.plv"));
  EXPECT_TRUE(linked.ends(kOpenAndExit, "link.plv"));
  EXPECT_TRUE(fs::is_symlink(linked.path("link.plv")));
  EXPECT_EQ(after_path_line(linked.file("real/target.plv")), written_today(kBody));

  // Written by root, a drawing another user owns stays theirs.
  if (::geteuid() != 0) return;
  Session owned;
  owned.put("d.plv", drawing_file(kBody));
  ASSERT_EQ(::chown(owned.path("d.plv").c_str(), 65534, 65534), 0);
  EXPECT_TRUE(owned.ends(kOpenAndExit, "d.plv"));
  struct stat written {};
  ASSERT_EQ(::stat(owned.path("d.plv").c_str(), &written), 0);
  EXPECT_EQ(written.st_uid, 65534u);
  EXPECT_EQ(after_path_line(owned.file("d.plv")), written_today(kBody));
}

TEST_F(FileSafety, SettingsNeverReadOrNotFilesAreLeftAloneButASnapshotFolderThatIsAFileIsAnError) {
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

  // Nor can a file stand where the snapshots go.
  Session blocked;
  blocked.put("snaps", "a file in the way");
  EXPECT_EQ(blocked.run(Script().close()), 2);
  EXPECT_NE(blocked.file("stderr.txt").find("cannot make the snapshot folder snaps"), std::string::npos);

  // Settings never read are never written over.
  const std::string mine = "/my/last.plv\nCM SETUP FILE FOR PROGRAM PLIVET\nSC   0.2000000E+01  0.0000000E+00  0.0000000E+00\nEN\n";
  for (const Script& script : {Script().f(3), Script().close()}) {
    Session kept;
    kept.put("plivet.set", mine);
    EXPECT_TRUE(kept.ends(script)) << script.text();
    EXPECT_EQ(kept.file("plivet.set"), mine) << script.text();
  }
}

}  // namespace
}  // namespace plv::e2e
