// The real window: its menu, what it shows in either mode and at any size,
// and what leaves it through the clipboard and the printer.

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QAbstractButton>
#include <QScreen>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QDialog>
#include <QWheelEvent>

#include "gui/gui_fixture.h"
#include "host/host_fixture.h"
#include "host/program_exit.h"
#include "support/outside_reader.h"

namespace plv::host {
namespace {

QRgb rgb_of(Rgb c) { return qRgb(c.red, c.green, c.blue); }

// Pixels of `image` in the rectangle that have colour `colour`.
int count(const QImage& image, QRect area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return n;
}

QRect cells(const TextLayout& layout, int row, int column, int length) {
  const Point origin = layout.cell_origin(row, column);
  return {origin.x, origin.y, layout.char_width * length, layout.line_height};
}

TEST_F(GuiTest, MenuHasEveryItemAndGraysPrintingWithTheMode) {
  EXPECT_EQ(window()->windowTitle(), "plivet");
  EXPECT_FALSE(window()->windowIcon().isNull());
  QStringList bar;
  for (QAction* a : window()->menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, (QStringList{"File", "Edit", "&Print", "Options"}));
  auto* corner = qobject_cast<QMenuBar*>(window()->menuBar()->cornerWidget(Qt::TopRightCorner));
  ASSERT_TRUE(corner);
  ASSERT_EQ(corner->actions().size(), 1);
  EXPECT_EQ(corner->actions()[0]->text(), "Help");
  for (const MenuItem& item : kWindowMenu) {
    ASSERT_TRUE(action(item.command)) << item.label;
    EXPECT_EQ(action(item.command)->text().toStdString(), item.label);
  }

  // The picture's commands: printing, TIFF and metafile.
  const auto picture_commands = [this] {
    return std::tuple(action(Command::kPrintDialog)->isEnabled(), action(Command::kPrint)->isEnabled(),
                      action(Command::kWriteTiff)->isEnabled(), action(Command::kWriteMetafile)->isEnabled());
  };
  EXPECT_EQ(picture_commands(), std::tuple(false, false, false, false));
  EXPECT_TRUE(action(Command::kCopy)->isEnabled());
  EXPECT_TRUE(action(Command::kExportDrawing)->isEnabled()) << "the drawing, not the picture, is exported";
  EXPECT_EQ(std::pair(action(Command::kColour)->isChecked(), action(Command::kBlackBackground)->isChecked()),
            std::pair(true, false));
  host_->enter_graphics_mode(false);
  EXPECT_EQ(picture_commands(), std::tuple(true, true, true, true));
  host_->leave_graphics_mode(true);
  EXPECT_EQ(picture_commands(), std::tuple(false, false, false, false));
  EXPECT_TRUE(action(Command::kPageSetup)->isEnabled());
}

TEST_F(GuiTest, TextScreenIsDrawnInAFixedPitchFontWithAttributesAndCaret) {
  const TextLayout layout = host_->text_layout();
  EXPECT_EQ(std::pair(layout.char_width, layout.line_height), std::pair(8, 16));
  const QFontInfo font(canvas()->text_font());
  EXPECT_TRUE(font.fixedPitch()) << font.family().toStdString();

  host_->set_text_cell(2, 1);
  host_->write_text("PLIVET MAIN MENU", 7);
  host_->set_text_cell(4, 1);
  host_->write_text(" REVERSE FIELD ", 112);
  host_->set_text_cell(6, 1);
  host_->write_text("YELLOW OR BLUE", 15);
  host_->set_text_cell(10, 20);
  EXPECT_EQ(key_after(Qt::Key_Q), Key::character('q'));  // the wait shows the caret
  ws_->repaint();
  const QImage& shown = canvas()->shown();
  ASSERT_EQ(shown.size(), QSize(700, 500));

  EXPECT_GT(count(shown, cells(layout, 1, 0, 16), qRgb(0, 0, 0)), 40) << "no text pixels: is there a font?";
  const QRect reverse = cells(layout, 3, 0, 15);
  EXPECT_GT(count(shown, reverse, qRgb(0, 0, 0)), reverse.width() * reverse.height() / 2);
  EXPECT_GT(count(shown, reverse, qRgb(255, 255, 255)), 40);
  EXPECT_GT(count(shown, cells(layout, 5, 0, 14), rgb_of({0, 0, 255})), 20);

  EXPECT_EQ(count(shown, cells(layout, 12, 0, 80), qRgb(255, 255, 255)), 80 * 8 * 16);
  EXPECT_GT(count(shown, cells(layout, 9, 19, 1), qRgb(0, 0, 0)), 8);  // the caret under an empty cell

  // On black, attribute 15 turns yellow and the reverse field white.
  action(Command::kBlackBackground)->trigger();
  const QImage& dark = canvas()->shown();
  EXPECT_GT(count(dark, cells(layout, 5, 0, 14), rgb_of({255, 255, 0})), 20);
  EXPECT_GT(count(dark, reverse, qRgb(255, 255, 255)), reverse.width() * reverse.height() / 2);
}

TEST_F(GuiTest, ResizingChangesTheFontAndThePictureScale) {
  const QSize extra = window()->size() - canvas()->size();
  window()->resize(QSize(1300, 900) + extra);
  QTRY_COMPARE(canvas()->size(), QSize(1300, 900));
  EXPECT_EQ(std::pair(host_->client_size(), host_->text_layout().char_width), std::pair(Point{1300, 900}, 16));
  ws_->repaint();
  EXPECT_EQ(canvas()->shown().size(), QSize(1300, 900));
  EXPECT_TRUE(QFontInfo(canvas()->text_font()).fixedPitch());
}

// Pixels blended of ink and background: the picture's smoothing.
int blended(const QImage& image) {
  int n = 0;
  auto pure = [](int c) { return c == 0 || c == 255; };
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      n += !pure(qRed(p)) || !pure(qGreen(p)) || !pure(qBlue(p));
    }
  return n;
}

QImage raster_image(const Raster& r) {
  return QImage(reinterpret_cast<const uchar*>(r.pixels().data()), r.width(), r.height(), r.width() * 4,
                QImage::Format_RGB32).copy();
}

TEST_F(GuiTest, TheWindowShowsThePictureAsTheTogglesSayAndTheClipboardTakesIt) {
  const auto copied = [this] {
    ws_->repaint();
    QCoreApplication::processEvents();
    host_->menu_command(Command::kCopy);
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  };
  const Point on_line = draw_red_line();
  EXPECT_EQ(copied(), raster_image(host_->picture().window_surface()));
  const QImage first = canvas()->shown().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(std::pair(shown_at(on_line), shown_at({5, 5})), std::pair(0xFF0000u, 0xFFFFFFu));

  // The toggles repaint the picture from the plot buffer at once: the line
  // grey on black.
  action(Command::kColour)->trigger();
  action(Command::kBlackBackground)->trigger();
  EXPECT_EQ(std::pair(action(Command::kColour)->isChecked(), action(Command::kBlackBackground)->isChecked()),
            std::pair(false, true));
  const QRgb mono = shown_at(on_line);
  EXPECT_TRUE(mono != 0 && qRed(mono) == qGreen(mono) && qGreen(mono) == qBlue(mono)) << std::hex << mono;
  EXPECT_EQ(shown_at({5, 5}), 0u);
  action(Command::kColour)->trigger();
  action(Command::kBlackBackground)->trigger();
  EXPECT_EQ(canvas()->shown().convertToFormat(QImage::Format_RGB32), first);
  EXPECT_EQ(std::pair(host_->settings().colour_window, host_->settings().black_background), std::pair(1, 0));

  // In text mode the text screen is what the window shows.
  host_->leave_graphics_mode(false);
  host_->write_text("COPIED", 7);
  const QImage text = copied();
  EXPECT_EQ(text, canvas()->shown().convertToFormat(QImage::Format_RGB32));
}

TEST_F(GuiTest, ThePictureIsShownSmoothOrAsTheExactRasterWhichTheClipboardAlwaysTakes) {
  draw_red_line();
  host_->picture().draw_line(-1200, -700, 1100, 800);
  const QImage exact = raster_image(host_->picture().window_surface());
  ws_->repaint();
  const QImage smooth = canvas()->shown().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(blended(exact), 0);
  EXPECT_GT(blended(smooth), 200) << "the diagonal is not antialiased";
  host_->menu_command(Command::kCopy);
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), exact);

  // A rubber band drawn twice leaves the smooth picture as it was.
  for (int i = 0; i < 2; ++i) host_->picture().draw_feedback([&] { host_->picture().draw_rectangle(-300, -300, 300, 300); });
  ws_->repaint();
  EXPECT_EQ(canvas()->shown().convertToFormat(QImage::Format_RGB32), smooth);

  action(Command::kExactPixels)->trigger();
  EXPECT_TRUE(action(Command::kExactPixels)->isChecked());
  EXPECT_EQ(host_->settings().exact_pixels, true);
  EXPECT_EQ(canvas()->shown().convertToFormat(QImage::Format_RGB32), exact);

  // On a display of twice the pixels, smooth lines are twice as wide.
  canvas()->smooth().set_pixel_ratio(2);
  action(Command::kExactPixels)->trigger();
  const Point middle = host_->picture().transform().to_pixel(0, 0);
  int rows = 0;
  for (int y = middle.y - 4; y <= middle.y + 4; ++y) rows += shown_at({middle.x, y}) != 0xFFFFFFu;
  EXPECT_EQ(rows, 2);
}

TEST_F(GuiTest, PrintingToAPdfFileGivesOnePageOfThePicture) {
  if (!plv::testing::tool_available("pdfinfo")) GTEST_SKIP() << "poppler's pdfinfo is needed";
  host_->enter_graphics_mode(false);
  host_->picture().set_colour(0, 0, 255);
  host_->picture().draw_filled_rectangle(-500, 500, 500, 200, 0, 0, 0, 0);
  const std::string pdf = dir_.file("printed.pdf");
  ws_->print_to_pdf_file(QString::fromStdString(pdf));
  host_->menu_command(Command::kPrint);  // the chosen printer, without a dialog
  const std::string info = plv::testing::tool_output("pdfinfo " + pdf);
  EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
  EXPECT_NE(info.find("Page size:"), std::string::npos) << info;
}

}  // namespace
}  // namespace plv::host

namespace plv::host {
namespace {

// The window opens where the settings say it stood, or over most of the
// screen the first time, and its place goes back into the settings.
TEST(GuiWindowPlace, OpensWhereItWasLeftAndKeepsWhereItIsLeft) {
  plv::testing::TempDir dir;
  const auto settings = dir.path() / "orvlab.ini";
  auto open_and_close = [&](std::function<void(QtWindowSystem&)> check, QRect moved_to = {}) {
    QtWindowSystem ws;
    Host host(ws, settings);
    ASSERT_TRUE(host.create_window());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(ws.main_window()));
    check(ws);
    if (!moved_to.isNull()) ws.main_window()->setGeometry(moved_to);
    EXPECT_THROW(host.end_program(), ProgramExit);
  };
  open_and_close([](QtWindowSystem& ws) {
    const QRect screen = ws.main_window()->screen()->availableGeometry();
    EXPECT_NEAR(ws.main_window()->width(), screen.width() * 0.85, 2);
    EXPECT_NEAR(ws.main_window()->height(), screen.height() * 0.85, 2);
  }, QRect(40, 30, 620, 410));
  EXPECT_EQ(read_host_settings(settings).window_place, (WindowPlace{40, 30, 620, 410, false}));
  open_and_close([](QtWindowSystem& ws) { EXPECT_EQ(ws.main_window()->geometry(), QRect(40, 30, 620, 410)); });
}

// The wheel and the middle button reach the drawing's keeper as a zoom and
// a pan in plot coordinates, and never the editor; the status bar shows
// what the host told before the wait.
TEST_F(GuiTest, TheWheelPansAndZoomsAndTheStatusBarTells) {
  host_->tell_status("Wrote a.plv (3 records)");
  FakeDrawing view;
  host_->set_drawing_keeper(&view);
  const Point middle = draw_red_line();
  host_->set_view_by_mouse(true);
  const Point plot = host_->picture().transform().to_plot(middle.x, middle.y);
  const Key key = next_key([&] {
    const QPointF on_canvas = canvas()->to_logical(middle);
    QWheelEvent turned(on_canvas, canvas()->mapToGlobal(on_canvas), {}, {0, 240}, Qt::NoButton, {}, Qt::NoScrollPhase,
                       false);
    QApplication::sendEvent(canvas(), &turned);
    QTest::mousePress(handle(), Qt::MiddleButton, {}, at(middle));
    QTest::mouseRelease(handle(), Qt::MiddleButton, {}, at(Point{middle.x + 10, middle.y}));
    QTest::keyClick(handle(), Qt::Key_Return);
  });
  EXPECT_EQ(key, Key::kEnter);
  EXPECT_EQ(window()->status_text(), "Wrote a.plv (3 records)");
  EXPECT_TRUE(window()->statusBar()->isVisible());
  const Point right = host_->picture().transform().to_plot(middle.x + 10, middle.y);
  EXPECT_EQ(view.view_changes, (std::vector<std::string>{"zoom 2 at " + FakeDrawing::text(plot),
                                                         "pan " + FakeDrawing::text(plot) + " to " + FakeDrawing::text(right)}));
  host_->set_drawing_keeper(nullptr);
}

// Help, Keys and Help, Manual show their texts in a fixed-pitch reader.
TEST_F(GuiTest, HelpShowsTheKeysAndTheManualPage) {
  const auto shown_by = [this](Command command) {
    std::string text;
    QTimer::singleShot(100, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (auto* view = dialog->findChild<QPlainTextEdit*>()) text = view->toPlainText().toStdString();
      dialog->reject();
    });
    action(command)->trigger();
    return text;
  };
  host_->add_menu_key("F1 = DRAW A STRAIGHT LINE");
  EXPECT_TRUE(shown_by(Command::kHelpKeys).starts_with("The keys of the menu on the screen:\n  F1 = DRAW A STRAIGHT LINE\n"));
  if (!plv::testing::tool_available("man")) GTEST_SKIP() << "man is needed for the manual page";
  EXPECT_NE(shown_by(Command::kHelpManual).find("--headless"), std::string::npos);
}

// Closing the window with unwritten changes asks, and each answer does
// what it says.
TEST_F(GuiTest, ClosingWithUnwrittenChangesAsksFirst) {
  using Case = std::tuple<const char*, bool, int>;  // the button, whether the window closes, the writes
  for (const auto& [button, closes, writes] : {Case{"Cancel", false, 0}, Case{"Leave without writing", true, 0},
                                               Case{"Write", true, 1}}) {
    SCOPED_TRACE(button);
    FakeDrawing drawing;
    drawing.changed = true;
    host_->set_drawing_keeper(&drawing);
    std::string asked;
    // Answers the question once it is up; the key after it shows that a
    // cancelled close left the editor waiting.
    const Key key = next_key([&] {
      QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        asked = box->text().toStdString();
        for (QAbstractButton* b : box->buttons())
          if (b->text().remove('&') == button) b->click();
        QTimer::singleShot(0, [&] { QTest::keyClick(handle(), Qt::Key_Return); });
      });
      window()->close();
    });
    EXPECT_NE(asked.find("fig.plv"), std::string::npos) << asked;
    EXPECT_EQ(key, closes ? Key::kClose : Key::kEnter);
    EXPECT_EQ(drawing.writes, writes);
    if (closes) {
      EXPECT_EQ(next_key(), Key::kEnter);  // the key typed after the question
    }
    host_->set_drawing_keeper(nullptr);
  }
}

}  // namespace
}  // namespace plv::host
