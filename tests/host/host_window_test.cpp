#include <fstream>
#include <tuple>

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
  const HostSettings& set = host.settings();
  EXPECT_EQ(std::tuple(set.page_left_margin, set.page_top_margin, set.page_width, set.landscape_printer),
            std::tuple(50, 60, 700, 1));

  ws_->pen_width_answers.push_back(PenWidths{3, 4, 5});
  ws_->choose_menu_command(Command::kPenWidth);
  EXPECT_EQ(std::tuple(host.picture().window_pen_width(), set.pen_width_printer, set.pen_width_emf), std::tuple(3, 4, 5));

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

TEST_F(HostTest, PrintingReplaysOntoThePageAtThePrinterScale) {
  Host& host = start("");
  std::vector<std::string> log;
  ws_->printer_available = true;
  ws_->print_jobs = [&] { return std::make_unique<NotingPrintJob>(log); };
  host.enter_graphics_mode(false);
  host.picture().set_colour(100, 50, 0);
  host.picture().draw_line(-1750, 1250, 1750, -1250);
  const auto window = host.picture().window_surface().pixels();
  ws_->choose_menu_command(Command::kPrintDialog);
  // 650 hundredths at 600 dpi: 3900 x 2785 dots, margins of 600 dots; the
  // corners fall 1392 dots (1392.5, truncated) either side of the middle.
  EXPECT_EQ(log, (std::vector<std::string>{"600,600 4500,3384 w2 g200", "finished"}));
  EXPECT_EQ(host.picture().window_surface().pixels(), window);
  EXPECT_TRUE(ws_->messages().empty());
}

}  // namespace
}  // namespace plv::host
