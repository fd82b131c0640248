// The window and the settings file it keeps.

#include <map>

#include "host/host_fixture.h"
#include "host/program_exit.h"

namespace plv::host {
namespace {

namespace fs = std::filesystem;
using plv::testing::read_file;

TEST_F(HostTest, SettingsFileValuesAreReadAndBadOnesKeepTheDefaultsGiven) {
  plv::testing::write_file(settings_path(),
                           "; mine\r\n[window]\r\nblackbg = 1\r\nColorWindow=0\r\nLeft=-5\nTop=20\nWidth=800\nHeight=600\n"
                           "Maximized=1\nExactPixels=1\n[Printer]\nPageWidth=-700\nPageTopMargin=12x\n");
  const HostSettings s = read_host_settings(settings_path(), {.page_top_margin = 1, .window_place = {}, .exact_pixels = {}});
  EXPECT_EQ(std::tuple(s.black_background, s.colour_window, s.page_width, s.page_top_margin),
            std::tuple(1, 0, -700, 1));  // PageTopMargin is not a number: the default stays
  EXPECT_EQ(s.window_place, (WindowPlace{-5, 20, 800, 600, true}));
  EXPECT_EQ(s.exact_pixels, true);
  // A place with a key missing, or of no size, is no place.
  for (const char* place : {"Left=1\nTop=2\nWidth=3\nMaximized=0\n", "Left=1\nTop=2\nWidth=0\nHeight=3\nMaximized=0\n"}) {
    plv::testing::write_file(settings_path(), std::string("[Window]\n") + place);
    EXPECT_EQ(read_host_settings(settings_path()).window_place, std::nullopt) << place;
  }
  plv::testing::write_file(settings_path(), "; mine\r\n[window]\r\nblackbg = 1\r\nColorWindow=0\r\n");
  // The window shows what the file says.
  Host& host = start("");
  EXPECT_EQ(std::pair(ws_->menu().colour_checked, ws_->menu().black_background_checked), std::pair(false, true));
  EXPECT_EQ(host.picture().window_surface().pixel(10, 10), kBlack);
  EXPECT_EQ(host.frame().black_background, true);
}

TEST_F(HostTest, SettingsFileKeepsOtherContentWhenWritten) {
  plv::testing::write_file(settings_path(), "; mine\n[Window]\nBlackBG=0\nOther=x\n\n[Extra]\nA=1\n");
  const HostSettings s{.page_width = 700, .black_background = 1, .window_place = WindowPlace{3, 4, 500, 400, false},
                       .exact_pixels = true};
  ASSERT_TRUE(write_host_settings(settings_path(), s).ok());
  EXPECT_EQ(read_file(settings_path()),
            "; mine\n[Window]\nBlackBG=1\nOther=x\nColorWindow=1\nLeft=3\nTop=4\nWidth=500\nHeight=400\n"
            "Maximized=0\nExactPixels=1\n\n[Extra]\nA=1\n"
            "[Printer]\nPageLeftMargin=100\nPageTopMargin=100\nPageWidth=700\nPenWidthPrinter=2\n"
            "LandscapePrinter=0\n[PostScript]\nPenWidthEPS=2\n[Metafile]\nPenWidthEMF=2\n");
  EXPECT_EQ(read_host_settings(settings_path()), s);
  EXPECT_FALSE(write_host_settings(settings_path() / "not-a-folder" / "x.ini", s).ok());
  // A missing file gives the defaults, and writing makes its folder.
  const fs::path elsewhere = dir_ / "sub" / "orvlab.ini";
  EXPECT_EQ(read_host_settings(elsewhere), HostSettings{});
  EXPECT_TRUE(write_host_settings(elsewhere, HostSettings{}).ok());
  EXPECT_TRUE(fs::exists(elsewhere));
}

TEST(HostSettingsPath, EnvironmentThenXdgThenHome) {
  std::map<std::string, std::string> env;
  auto lookup = [&](const char* name) -> const char* {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
  // Each variable set in turn, the later ones taking precedence; a relative XDG folder is ignored.
  for (const auto& [name, value, path] : {std::tuple{"HOME", "/home/u", "/home/u/.config/plivet/orvlab.ini"},
                                          {"XDG_CONFIG_HOME", "relative/dir", "/home/u/.config/plivet/orvlab.ini"},
                                          {"XDG_CONFIG_HOME", "/cfg", "/cfg/plivet/orvlab.ini"},
                                          {"PLIVET_HOST_SETTINGS", "/tmp/x.ini", "/tmp/x.ini"}}) {
    env[name] = value;
    EXPECT_EQ(host_settings_path(lookup), fs::path(path)) << name << "=" << value;
  }
}

TEST_F(HostTest, CreatesTheWindowFromDefaultsAndExitWritesEverySettingInOrder) {
  Host& host = start("");
  const MenuState& menu = ws_->menu();
  EXPECT_EQ(std::tuple(ws_->window_exists(), ws_->caption(), host.settings(), host.client_size(), menu.colour_checked,
                       menu.black_background_checked, menu.enabled(Command::kPrintDialog), menu.enabled(Command::kCopy),
                       host.picture().window_surface().pixel(0, 0), fs::exists(settings_path())),
            std::tuple(true, "plivet", HostSettings{}, Point{700, 500}, true, false, false, true, kWhite, false));

  try {
    host.end_program();
    FAIL() << "exit returned";
  } catch (const ProgramExit& e) {
    EXPECT_EQ(e.code, 0);
  }
  EXPECT_FALSE(ws_->window_exists());
  EXPECT_EQ(read_file(settings_path()),
            "[Printer]\nPageLeftMargin=100\nPageTopMargin=100\nPageWidth=650\nPenWidthPrinter=2\n"
            "LandscapePrinter=0\n[PostScript]\nPenWidthEPS=2\n[Metafile]\nPenWidthEMF=2\n"
            "[Window]\nColorWindow=1\nBlackBG=0\n");
}

TEST_F(HostTest, CaptionIsCutAndFailureIsReported) {
  ScriptedWindowSystem ws({});
  ws.set_create_fails(true);
  Host host(ws, settings_path());
  host.set_caption("a caption longer than twenty-three");
  EXPECT_EQ(host.caption(), "a caption longer than t");
  EXPECT_FALSE(host.create_window());
  EXPECT_EQ(ws.messages(), (Messages{{"Failed to register window class", "a caption longer than t"}}));
}

TEST_F(HostTest, TogglesAndResizesRepaintFromTheBufferButMinimisingKeepsThePicture) {
  Host& host = start_drawing();
  ink(255, 255, 255).draw_line(0, 100, 100, 100);  // white ink: shown black on white
  ink(100, 50, 0).draw_line(0, -100, 100, -100);
  const Raster& window = host.picture().window_surface();
  const auto first = window.pixels();
  EXPECT_EQ(window.pixel(355, 230), kBlack);

  ws_->choose_menu_command(Command::kBlackBackground);
  EXPECT_EQ(std::tuple(ws_->menu().black_background_checked, host.settings().black_background,
                       host.frame().black_background),
            std::tuple(true, 1, true));
  EXPECT_EQ(std::tuple(window.pixel(0, 0), window.pixel(355, 230), window.pixel(355, 250)),
            std::tuple(kBlack, kWhite, Rgb{255, 0, 0}));

  ws_->choose_menu_command(Command::kBlackBackground);
  EXPECT_EQ(std::tuple(ws_->menu().black_background_checked, host.settings().black_background,
                       host.picture().buffer().count()),
            std::tuple(false, 0, 3 * (4u + 9)));
  EXPECT_EQ(window.pixels(), first);
  // The repaint replayed under the hourglass and restored the cursor.
  const auto& cursors = ws_->cursor_history();
  ASSERT_GE(cursors.size(), 2u);
  EXPECT_EQ(cursors[cursors.size() - 2], CursorShape::kHourglass);
  EXPECT_EQ(ws_->cursor(), CursorShape::kArrow);

  ws_->choose_menu_command(Command::kColour);
  EXPECT_EQ(std::tuple(ws_->menu().colour_checked, host.settings().colour_window, window.pixel(355, 270)),
            std::tuple(false, 0, grey(200)));
  ws_->choose_menu_command(Command::kColour);
  EXPECT_EQ(host.settings().colour_window, 1);
  EXPECT_EQ(window.pixels(), first);

  // Minimising keeps the picture, and only a real resize replays it.
  EXPECT_TRUE(host.picture().bitmap_valid());
  ws_->resize(0, 0, true);
  ws_->resize(700, 500);
  EXPECT_EQ(std::tuple(host.client_size(), host.picture().bitmap_valid(), ws_->cursor(),
                       host.picture().window_surface().pixel(355, 250)),
            std::tuple(Point{700, 500}, true, CursorShape::kArrow, Rgb{255, 0, 0}));
  const auto cursor_changes = ws_->cursor_history().size();

  ws_->resize(1400, 1000);
  EXPECT_GT(ws_->cursor_history().size(), cursor_changes);  // replayed under the hourglass
  EXPECT_EQ(std::tuple(host.picture().window_surface().width(), host.picture().bitmap().width(),
                       host.picture().window_surface().pixel(710, 500), host.text_layout().char_width),
            std::tuple(1400, 1400, Rgb{255, 0, 0}, 16));
}

TEST_F(HostTest, MenuCommandsForDialogsAboutAndExit) {
  Host& host = start("key 65\n");
  host.set_about({"PLIVET VERSION 1", {"NOTICE"}});
  ws_->choose_menu_command(Command::kAbout);
  EXPECT_EQ(ws_->messages(), (Messages{{"PLIVET VERSION 1\nNOTICE", "About plivet"}}));

  // A cancelled page setup still keeps the orientation chosen in it.
  ws_->page_setup_answers.push_back(PageSetup{50, 60, 700, true});
  ws_->choose_menu_command(Command::kPageSetup);
  const HostSettings& set = host.settings();
  EXPECT_EQ(std::tuple(set.page_left_margin, set.page_top_margin, set.page_width, set.landscape_printer),
            std::tuple(50, 60, 700, 1));

  ws_->pen_width_answers.push_back(PenWidths{3, 4, 5});
  ws_->choose_menu_command(Command::kPenWidth);
  EXPECT_EQ(std::tuple(host.picture().window_pen_width(), set.pen_width_printer, set.pen_width_emf), std::tuple(3, 4, 5));

  // Printing is grayed in text mode; a printer that cannot start says so and
  // leaves the picture alone, and so does having no printer at all.
  ws_->printer_available = true;
  host.menu_command(Command::kPrint);
  EXPECT_EQ(ws_->messages().size(), 1u);
  host.enter_graphics_mode(false);
  ink(255, 0, 0).draw_line(0, 0, 100, 0);
  const auto before = host.picture().bitmap().pixels();
  host.menu_command(Command::kPrint);
  ws_->printer_available = false;
  host.menu_command(Command::kPrint);
  EXPECT_EQ(std::vector(ws_->messages().begin() + 1, ws_->messages().end()),
            (Messages{{"Error accessing printer", "Error"}, {"Error accessing printer", "Error"}}));
  EXPECT_EQ(host.picture().bitmap().pixels(), before);

  ws_->choose_menu_command(Command::kCopy);
  EXPECT_EQ(ws_->clipboard_copies(), 1);
  ws_->choose_menu_command(Command::kExit);  // the close comes before the scripted key
  EXPECT_EQ(host.wait_key(), Key::kClose);
  EXPECT_EQ(host.wait_key(), Key::character('A'));
  EXPECT_FALSE(host.may_end_session());
  EXPECT_EQ(ws_->messages().back().text, "Application still active");
}

TEST_F(HostTest, AFullPlotBufferIsReportedOnceAndStopsRecordingButNotDrawing) {
  Host& host = start("", PlotBuffer(65536));
  host.enter_graphics_mode(false);
  Picture& picture = ink(255, 0, 0);
  for (int i = 0; i < 8000; ++i) picture.draw_line(-1000, 0, -900, 0);
  // It filled when the next record might not fit: 42 bytes short of the block.
  EXPECT_EQ(std::pair(picture.buffer().full(), picture.buffer().count()), std::pair(true, 4ul + 7277 * 9));
  picture.draw_line(0, 0, 100, 0);
  EXPECT_EQ(picture.buffer().count(), 4u + 7277 * 9);
  EXPECT_EQ(ws_->messages(), (Messages{{"Plot buffer is full", "plivet"}}));
  EXPECT_EQ(picture.window_surface().pixel(355, 250), (Rgb{255, 0, 0}));
  // The repaint shows the picture as it was when the buffer filled.
  picture.invalidate_bitmap();
  picture.paint_window();
  EXPECT_EQ(picture.window_surface().pixel(355, 250), kWhite);
  // A new picture records again.
  host.enter_graphics_mode(false);
  picture.draw_line(0, 0, 5, 5);
  EXPECT_EQ(std::pair(picture.buffer().full(), picture.buffer().count()), std::pair(false, 9ul));
}

TEST_F(HostTest, PrintingReplaysOntoThePageAtThePrinterScale) {
  Host& host = start("");
  std::vector<std::string> log;
  ws_->printer_available = true;
  ws_->print_jobs = [&] { return std::make_unique<NotingPrintJob>(log); };
  host.enter_graphics_mode(false);
  ink(100, 50, 0).draw_line(-1750, 1250, 1750, -1250);
  const auto window = host.picture().window_surface().pixels();
  ws_->choose_menu_command(Command::kPrintDialog);
  // 650 hundredths at 600 dpi: 3900 x 2785 dots, margins of 600 dots; the
  // corners fall 1392 dots (1392.5, truncated) either side of the middle;
  // the pen of 2 dots is widened to the 6 of a quarter millimetre.
  EXPECT_EQ(log, (std::vector<std::string>{"600,600 4500,3384 w6 r200", "finished"}));
  EXPECT_EQ(host.picture().window_surface().pixels(), window);
  EXPECT_TRUE(ws_->messages().empty());
}

// A smooth surface drawing by the exact rules: it must come out as the window.
class MirrorRaster final : public SmoothSurface {
 public:
  Raster raster;
  void reset(int width, int height, Rgb background) override { raster.reset(width, height, background); }
  void fill(Rgb colour) override { raster.fill(colour); }
  void select_pen(std::optional<Pen> pen) override { raster.select_pen(pen); }
  void select_brush(std::optional<Rgb> brush) override { raster.select_brush(brush); }
  void set_mix(Mix mix) override { raster.set_mix(mix); }
  void line(Point from, Point to) override { raster.line(from, to); }
  void rectangle(int left, int top, int right, int bottom) override { raster.rectangle(left, top, right, bottom); }
  void polygon(std::span<const Point> vertices) override { raster.polygon(vertices); }
};

TEST_F(HostTest, TheSmoothSurfaceFollowsEveryDrawingOnTheWindowUntilExactPixelsAreChosen) {
  MirrorRaster mirror;
  ws_ = std::make_unique<ScriptedWindowSystem>(std::vector<ScriptStep>{});
  ws_->smooth = &mirror;
  host_ = std::make_unique<Host>(*ws_, settings_path());
  ASSERT_TRUE(host_->create_window());
  host_->enter_graphics_mode(false);
  Picture& p = ink(0, 0, 255);
  const std::int16_t xs[] = {-900, -500, -700}, ys[] = {-900, -900, -300};
  p.draw_line(-1500, -1000, 1400, 900);
  p.draw_rectangle(-400, -400, 600, 300);
  ink(255, 0, 0).draw_filled_rectangle(100, 100, 700, 500, 1, 0, 1, 0);
  p.draw_polygon(xs, ys, 3);
  p.draw_feedback([&] { p.draw_rectangle(-200, -200, 200, 200); });  // left showing
  const auto follows = [&] { return mirror.raster.pixels() == p.window_surface().pixels(); };
  EXPECT_TRUE(host_->frame().smooth);
  EXPECT_TRUE(follows());
  ws_->resize(420, 300);  // erased and drawn again at the new size
  host_->paint();
  EXPECT_EQ(mirror.raster.width(), 420);
  EXPECT_TRUE(follows());

  host_->menu_command(Command::kExactPixels);
  EXPECT_EQ(std::pair(host_->frame().smooth, ws_->menu().exact_pixels_checked), std::pair(false, true));
  p.draw_line(-1500, 1000, 1400, -900);
  EXPECT_FALSE(follows()) << "left alone while the exact raster is shown";
  host_->menu_command(Command::kExactPixels);
  host_->paint();
  EXPECT_TRUE(host_->frame().smooth);
  EXPECT_TRUE(follows());

  // A picture too large to smooth at once is shown exact, also when drawn
  // again; the next picture is smoothed.
  for (std::size_t i = 0; i < Picture::kSmoothRecordLimit; ++i) p.draw_line(0, 0, 10, 10);
  EXPECT_FALSE(host_->frame().smooth);
  p.invalidate_bitmap();
  host_->paint();
  EXPECT_FALSE(host_->frame().smooth);
  host_->enter_graphics_mode(false);
  p.draw_line(-1500, 1000, 1400, -900);
  EXPECT_TRUE(host_->frame().smooth);
  EXPECT_TRUE(follows());
}

}  // namespace
}  // namespace plv::host
