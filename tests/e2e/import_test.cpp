// The window's File, Import: a figure made elsewhere becomes a drawing
// beside it, which the editor opens in place of the one it had.

#include <filesystem>

#include "e2e/session.h"

namespace plv::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kBody = "SC MODE BAR\nSC BAR   7\nLI     0     0   100     0 S\n";
const Script kMake = Script().f(9).then(walk::line()).f(10);
const std::string kFigure =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300"><rect x="50" y="50" width="300" height="200" )"
    R"(fill="none" stroke="black"/><text x="200" y="150" font-size="20" text-anchor="middle">Imported here</text></svg>)";

bool holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(WindowImport, TheFigureBecomesADrawingThatOpensAndTheOldChangesAreKept) {
  Session s;
  s.put("figure.svg", kFigure);
  // A line made and not written: the import leaves it to the recovery copy,
  // as closing the window would.
  ASSERT_TRUE(s.ends_in(kBody, walk::drawn().then(kMake).command("import " + s.path("figure.svg"))
                                    .then(walk::drawn()).then(walk::write_and_end())));
  EXPECT_EQ(s.file("d.plv"), drawing(kBody)) << "the open drawing is not written unasked";
  EXPECT_TRUE(fs::exists(s.path("state")) && !fs::is_empty(s.path("state")));
  const Lines made = s.records("figure.plv");
  EXPECT_NE(std::find(made.begin(), made.end(), "BX -1250  -833  1250   833"), made.end()) << s.file("figure.plv");
  EXPECT_TRUE(std::any_of(made.begin(), made.end(), [](const std::string& r) { return holds(r, "Imported here"); }));
  EXPECT_TRUE(holds(s.file("stderr.txt"), "Imported figure.svg as " + s.path("figure.plv") + ".\nmade ")) << s.file("stderr.txt");
  EXPECT_FALSE(s.screens_with(5, "                         DRAWING FILE NAME:   figure.plv").empty());
}

TEST(WindowImport, ADrawingInTheWayIsKeptUnlessReplacedAndABadFigureChangesNothing) {
  Session s;
  s.put("figure.svg", kFigure);
  s.put("figure.plv", "mine\n");
  s.put("junk.svg", "<svg nothing here");
  ASSERT_TRUE(s.ends_in(kBody, walk::drawn().replace(false).command("import " + s.path("figure.svg"))
                                    .command("import " + s.path("junk.svg")).then(walk::write_and_end())));
  EXPECT_EQ(s.file("figure.plv"), "mine\n");
  EXPECT_FALSE(s.exists("junk.plv"));
  EXPECT_TRUE(holds(s.file("stderr.txt"), "The figure was not imported: " + s.path("junk.svg") + ": ")) << s.file("stderr.txt");
  EXPECT_TRUE(s.screens_with(5, "                         DRAWING FILE NAME:   figure.plv").empty());

  Session replaced;
  replaced.put("figure.svg", kFigure);
  replaced.put("figure.plv", "mine\n");
  ASSERT_TRUE(replaced.ends_in(kBody, walk::drawn().replace(true).command("import " + replaced.path("figure.svg"))
                                           .then(walk::drawn()).then(walk::write_and_end())));
  EXPECT_GT(replaced.records("figure.plv").size(), 3u);
}

}  // namespace
}  // namespace plv::e2e
