// The window's exports on the real window: the clipboard takes what the
// window shows, and printing reaches a PDF file through Qt's printer.

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "gui_fixture.h"
#include "support/outside_reader.h"

namespace plv::host {
namespace {

TEST_F(GuiTest, TheClipboardTakesTheWindowsPixelsInEitherMode) {
  host_->enter_graphics_mode(false);
  host_->picture().set_colour(255, 0, 0);
  host_->picture().draw_line(-1000, 0, 1000, 0);
  ws_->repaint();
  QCoreApplication::processEvents();
  host_->menu_command(Command::kCopy);
  const QImage copied = QGuiApplication::clipboard()->image();
  ASSERT_FALSE(copied.isNull());
  EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), canvas()->shown().convertToFormat(QImage::Format_RGB32));
  const Point on_line = host_->picture().transform().to_pixel(0, 0);
  EXPECT_EQ(copied.pixel(on_line.x, on_line.y) & 0xFFFFFF, 0xFF0000u);

  // In text mode the text screen is what the window shows.
  host_->leave_graphics_mode(false);
  host_->write_text("COPIED", 7);
  ws_->repaint();
  QCoreApplication::processEvents();
  host_->menu_command(Command::kCopy);
  EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
            canvas()->shown().convertToFormat(QImage::Format_RGB32));
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
