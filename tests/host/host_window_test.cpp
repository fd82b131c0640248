#include <fstream>
#include <sstream>

#include "host/program_exit.h"
#include "host/host_fixture.h"

namespace plv::host {
namespace {

TEST_F(HostTest, CreatesTheWindowFromDefaultsAndExitWritesTheSettings) {
  Host& host = start("");
  EXPECT_TRUE(ws_->window_exists());
  EXPECT_EQ(ws_->caption(), "plivet");
  EXPECT_EQ(host.settings(), HostSettings{});
  EXPECT_TRUE(ws_->menu().colour_checked);
  EXPECT_FALSE(ws_->menu().black_background_checked);
  EXPECT_FALSE(ws_->menu().enabled(Command::kPrintDialog));
  EXPECT_TRUE(ws_->menu().enabled(Command::kCopy));
  EXPECT_EQ(host.client_size(), (Point{700, 500}));
  EXPECT_EQ(host.text_layout().char_width, 8);
  EXPECT_EQ(host.picture().window_surface().pixel(0, 0), kWhite);
  EXPECT_FALSE(std::filesystem::exists(settings_path()));

  try {
    host.end_program();
    FAIL() << "exit returned";
  } catch (const ProgramExit& e) {
    EXPECT_EQ(e.code, 0);
  }
  EXPECT_FALSE(ws_->window_exists());
  EXPECT_EQ(read_host_settings(settings_path(), {.page_width = 1}), HostSettings{});
}

TEST_F(HostTest, SettingsFromTheFileShapeTheWindow) {
  std::ofstream(settings_path()) << "[Window]\nColorWindow=0\nBlackBG=1\n";
  Host& host = start("");
  EXPECT_FALSE(ws_->menu().colour_checked);
  EXPECT_TRUE(ws_->menu().black_background_checked);
  EXPECT_EQ(host.picture().window_surface().pixel(10, 10), kBlack);
  EXPECT_EQ(host.frame().black_background, true);
}

TEST_F(HostTest, CaptionIsCutAndFailureIsReported) {
  ScriptedWindowSystem ws({});
  ws.set_create_fails(true);
  Host host(ws, settings_path());
  host.set_caption("a caption longer than twenty-three");
  EXPECT_EQ(host.caption(), "a caption longer than t");
  EXPECT_FALSE(host.create_window());
  ASSERT_EQ(ws.messages().size(), 1u);
  EXPECT_EQ(ws.messages()[0].text, "Failed to register window class");
  EXPECT_EQ(ws.messages()[0].title, "a caption longer than t");
}

TEST_F(HostTest, BlackBackgroundToggledTwiceRestoresColoursAndRepaintsFromTheBuffer) {
  Host& host = start("");
  host.enter_graphics_mode(false);
  host.picture().set_colour(255, 0, 0);
  host.picture().draw_line(0, 0, 100, 0);
  host.picture().set_colour(255, 255, 255);
  host.picture().draw_line(0, 100, 100, 100);  // white ink: shown black on white
  const auto first = host.picture().window_surface().pixels();
  EXPECT_EQ(host.picture().window_surface().pixel(355, 230), kBlack);

  ws_->choose_menu_command(Command::kBlackBackground);
  EXPECT_TRUE(ws_->menu().black_background_checked);
  EXPECT_EQ(host.settings().black_background, 1);
  EXPECT_EQ(host.picture().window_surface().pixel(0, 0), kBlack);
  EXPECT_EQ(host.picture().window_surface().pixel(355, 230), kWhite);
  EXPECT_EQ(host.picture().window_surface().pixel(355, 250), (Rgb{255, 0, 0}));
  EXPECT_EQ(host.frame().black_background, true);

  ws_->choose_menu_command(Command::kBlackBackground);
  EXPECT_FALSE(ws_->menu().black_background_checked);
  EXPECT_EQ(host.picture().window_surface().pixels(), first);
  EXPECT_EQ(host.picture().buffer().count(), 4u + 9 + 4 + 9);
  // The repaint replayed under the hourglass and restored the cursor.
  const auto& cursors = ws_->cursor_history();
  ASSERT_GE(cursors.size(), 2u);
  EXPECT_EQ(cursors[cursors.size() - 2], CursorShape::kHourglass);
  EXPECT_EQ(ws_->cursor(), CursorShape::kArrow);
}

TEST_F(HostTest, ColourOptionTurnsTheWindowMonochrome) {
  Host& host = start("");
  host.enter_graphics_mode(false);
  host.picture().set_colour(100, 50, 0);
  host.picture().draw_line(0, 0, 100, 0);
  ws_->choose_menu_command(Command::kColour);
  EXPECT_FALSE(ws_->menu().colour_checked);
  EXPECT_EQ(host.settings().colour_window, 0);
  EXPECT_EQ(host.picture().window_surface().pixel(355, 250), grey(200));
}

TEST_F(HostTest, MinimisingKeepsThePictureAndOnlyARealResizeReplays) {
  Host& host = start("");
  host.enter_graphics_mode(false);
  host.picture().set_colour(255, 0, 0);
  host.picture().draw_line(0, 0, 100, 0);
  EXPECT_TRUE(host.picture().bitmap_valid());
  ws_->resize(0, 0, true);
  ws_->resize(700, 500);
  EXPECT_EQ(host.client_size(), (Point{700, 500}));
  EXPECT_TRUE(host.picture().bitmap_valid());
  EXPECT_EQ(ws_->cursor(), CursorShape::kArrow);
  EXPECT_EQ(host.picture().window_surface().pixel(355, 250), (Rgb{255, 0, 0}));
  const auto cursor_changes = ws_->cursor_history().size();

  ws_->resize(1400, 1000);
  EXPECT_EQ(host.picture().window_surface().width(), 1400);
  EXPECT_EQ(host.picture().bitmap().width(), 1400);
  EXPECT_GT(ws_->cursor_history().size(), cursor_changes);  // replayed under the hourglass
  EXPECT_EQ(host.picture().window_surface().pixel(710, 500), (Rgb{255, 0, 0}));
  EXPECT_EQ(host.text_layout().char_width, 16);
}

TEST_F(HostTest, MenuCommandsForDialogsAboutAndExit) {
  Host& host = start("key 65\n");
  host.set_about({"PLIVET VERSION 1", {"NOTICE"}});
  ws_->choose_menu_command(Command::kAbout);
  ASSERT_EQ(ws_->messages().size(), 1u);
  EXPECT_EQ(ws_->messages()[0].text, "PLIVET VERSION 1\nNOTICE");
  EXPECT_EQ(ws_->messages()[0].title, "About plivet");

  // A cancelled page setup still keeps the orientation chosen in it.
  ws_->page_setup_answers.push_back(PageSetup{50, 60, 700, true});
  ws_->choose_menu_command(Command::kPageSetup);
  EXPECT_EQ(host.settings().page_left_margin, 50);
  EXPECT_EQ(host.settings().page_top_margin, 60);
  EXPECT_EQ(host.settings().page_width, 700);
  EXPECT_EQ(host.settings().landscape_printer, 1);

  ws_->pen_width_answers.push_back(PenWidths{3, 4, 5});
  ws_->choose_menu_command(Command::kPenWidth);
  EXPECT_EQ(host.picture().window_pen_width(), 3);
  EXPECT_EQ(host.settings().pen_width_printer, 4);
  EXPECT_EQ(host.settings().pen_width_emf, 5);

  // Print and export are grayed in text mode.
  ws_->printer_available = true;
  host.menu_command(Command::kPrint);
  EXPECT_EQ(ws_->messages().size(), 1u);
  host.enter_graphics_mode(false);
  host.menu_command(Command::kPrint);
  ASSERT_EQ(ws_->messages().size(), 2u);
  EXPECT_EQ(ws_->messages()[1].text, "Error accessing printer");
  EXPECT_EQ(ws_->messages()[1].title, "Error");

  ws_->choose_menu_command(Command::kCopy);
  EXPECT_EQ(ws_->clipboard_copies(), 1);
  ws_->choose_menu_command(Command::kExit);  // the close comes before the scripted key
  EXPECT_EQ(host.wait_key(), Key::kClose);
  EXPECT_EQ(host.wait_key(), Key::character('A'));
  EXPECT_FALSE(host.may_end_session());
  EXPECT_EQ(ws_->messages().back().text, "Application still active");
}

TEST_F(HostTest, PlotBufferFullIsReportedOnce) {
  Host& host = start("", PlotBuffer(65536));
  host.enter_graphics_mode(false);
  for (int i = 0; i < 8000; ++i) host.picture().draw_line(0, 0, 5, 5);
  ASSERT_EQ(ws_->messages().size(), 1u);
  EXPECT_EQ(ws_->messages()[0].text, "Plot buffer is full");
  host.enter_graphics_mode(false);
  host.picture().draw_line(0, 0, 5, 5);
  EXPECT_EQ(host.picture().buffer().count(), 9u);
}

// A printer page that keeps the lines it is given.
class FakePrintJob final : public PrintJob {
 public:
  explicit FakePrintJob(std::vector<std::string>& log) : log_(log) {}
  int dots_per_inch_x() const override { return 600; }
  int dots_per_inch_y() const override { return 600; }
  int scale_percent() const override { return 0; }
  bool colour() const override { return false; }
  Surface& page() override { return page_; }
  bool finish() override {
    log_.push_back("page " + std::to_string(page_.width()));
    for (const auto& l : page_.lines) log_.push_back(l);
    return true;
  }

 private:
  struct Page final : Surface {
    void select_pen(std::optional<Pen> p) override { pen = p; }
    void select_brush(std::optional<Rgb>) override {}
    void set_mix(Mix) override {}
    void line(Point a, Point b) override {
      lines.push_back(std::to_string(a.x) + "," + std::to_string(a.y) + " " + std::to_string(b.x) + "," +
                      std::to_string(b.y) + " w" + std::to_string(pen->width) + " g" +
                      std::to_string(pen->colour.red));
    }
    void rectangle(int, int, int, int) override {}
    void polygon(std::span<const Point>) override {}
    int width() const { return 0; }
    std::optional<Pen> pen;
    std::vector<std::string> lines;
  } page_;
  std::vector<std::string>& log_;
};

TEST_F(HostTest, PrintingReplaysOntoThePageAtThePrinterScale) {
  Host& host = start("");
  std::vector<std::string> log;
  ws_->printer_available = true;
  ws_->print_jobs = [&] { return std::make_unique<FakePrintJob>(log); };
  host.enter_graphics_mode(false);
  host.picture().set_colour(100, 50, 0);
  host.picture().draw_line(-1750, 1250, 1750, -1250);
  const auto window = host.picture().window_surface().pixels();
  ws_->choose_menu_command(Command::kPrintDialog);
  // 650 hundredths at 600 dpi: 3900 x 2785 dots, margins of 600 dots.
  EXPECT_EQ(log, (std::vector<std::string>{"page 0", "600,600 4500,3384 w2 g200"}));
  EXPECT_EQ(host.picture().window_surface().pixels(), window);
  EXPECT_TRUE(ws_->messages().empty());
}

}  // namespace
}  // namespace plv::host
