// The window's tests: one QApplication for all of them, on the offscreen
// platform unless another is asked for, with Qt's settings, caches and
// runtime files in a private temporary folder.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  std::string pattern = (std::filesystem::temp_directory_path() / "plivet-gui-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return 2;  // mode 0700, as the runtime folder must be
  const std::filesystem::path home = pattern;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
  ::setenv("XDG_CACHE_HOME", (home / "cache").c_str(), 1);
  ::setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
  int result = 0;
  {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    result = RUN_ALL_TESTS();
  }
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return result;
}
