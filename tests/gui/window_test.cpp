#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>

#include "gui/gui_fixture.h"

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
    QAction* action = window()->action(item.command);
    ASSERT_TRUE(action) << item.label;
    EXPECT_EQ(action->text().toStdString(), item.label);
  }
  const std::vector<Command> picture_commands{Command::kPrintDialog, Command::kPrint, Command::kWriteTiff,
                                          Command::kWriteMetafile};
  for (const Command c : picture_commands) EXPECT_FALSE(window()->action(c)->isEnabled()) << static_cast<int>(c);
  EXPECT_TRUE(window()->action(Command::kCopy)->isEnabled());
  EXPECT_TRUE(window()->action(Command::kExportDrawing)->isEnabled()) << "the drawing, not the picture, is exported";
  EXPECT_TRUE(window()->action(Command::kColour)->isChecked());
  EXPECT_FALSE(window()->action(Command::kBlackBackground)->isChecked());

  host_->enter_graphics_mode(false);
  for (const Command c : picture_commands) EXPECT_TRUE(window()->action(c)->isEnabled()) << static_cast<int>(c);
  host_->leave_graphics_mode(true);
  for (const Command c : picture_commands) EXPECT_FALSE(window()->action(c)->isEnabled()) << static_cast<int>(c);
  EXPECT_TRUE(window()->action(Command::kPageSetup)->isEnabled());
}

TEST_F(GuiTest, ColourAndBackgroundTogglesRepaintFromThePlotBuffer) {
  host_->enter_graphics_mode(false);
  Picture& picture = host_->picture();
  picture.set_colour(255, 0, 0);
  picture.draw_line(-1000, 0, 1000, 0);
  ws_->repaint();
  const Point on_line = picture.transform().to_pixel(0, 0);
  const QImage first = canvas()->shown().copy();
  EXPECT_EQ(first.pixel(on_line.x, on_line.y) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(first.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
  const std::size_t records = picture.buffer().count();

  window()->action(Command::kColour)->trigger();
  EXPECT_FALSE(window()->action(Command::kColour)->isChecked());
  const QRgb mono = canvas()->shown().pixel(on_line.x, on_line.y);
  EXPECT_NE(mono & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(qRed(mono), qGreen(mono));
  EXPECT_EQ(qGreen(mono), qBlue(mono));

  window()->action(Command::kBlackBackground)->trigger();
  EXPECT_TRUE(window()->action(Command::kBlackBackground)->isChecked());
  EXPECT_EQ(canvas()->shown().pixel(5, 5) & 0xFFFFFF, 0u);
  EXPECT_NE(canvas()->shown().pixel(on_line.x, on_line.y) & 0xFFFFFF, 0u);

  window()->action(Command::kColour)->trigger();
  window()->action(Command::kBlackBackground)->trigger();
  EXPECT_EQ(canvas()->shown(), first);
  EXPECT_EQ(picture.buffer().count(), records);
  EXPECT_EQ(host_->settings().colour_window, 1);
  EXPECT_EQ(host_->settings().black_background, 0);
}

TEST_F(GuiTest, TextScreenIsDrawnInAFixedPitchFontWithAttributesAndCaret) {
  const TextLayout layout = host_->text_layout();
  EXPECT_EQ(layout.char_width, 8);
  EXPECT_EQ(layout.line_height, 16);
  const QFontInfo font(canvas()->text_font());
  EXPECT_TRUE(font.fixedPitch()) << font.family().toStdString();

  host_->set_text_cell(2, 1);
  host_->write_text("PLIVET MAIN MENU", 7);
  host_->set_text_cell(4, 1);
  host_->write_text(" REVERSE FIELD ", 112);
  host_->set_text_cell(6, 1);
  host_->write_text("YELLOW OR BLUE", 15);
  host_->set_text_cell(10, 20);
  EXPECT_EQ(next_key([this] { QTest::keyClick(handle(), Qt::Key_Q); }), Key::character('q'));  // the wait shows the caret
  ws_->repaint();
  const QImage& shown = canvas()->shown();
  ASSERT_EQ(shown.size(), QSize(700, 500));

  const QRect plain = cells(layout, 1, 0, 16);
  EXPECT_GT(count(shown, plain, qRgb(0, 0, 0)), 40) << "no text pixels: is there a font?";
  const QRect reverse = cells(layout, 3, 0, 15);
  EXPECT_GT(count(shown, reverse, qRgb(0, 0, 0)), reverse.width() * reverse.height() / 2);
  EXPECT_GT(count(shown, reverse, qRgb(255, 255, 255)), 40);
  EXPECT_GT(count(shown, cells(layout, 5, 0, 14), rgb_of({0, 0, 255})), 20);

  const QRect empty = cells(layout, 12, 0, 80);
  EXPECT_EQ(count(shown, empty, qRgb(255, 255, 255)), empty.width() * empty.height());
  const QRect caret_cell = cells(layout, 9, 19, 1);
  EXPECT_GT(count(shown, caret_cell, qRgb(0, 0, 0)), layout.char_width);  // the caret under an empty cell

  // On black, attribute 15 turns yellow and the reverse field white.
  window()->action(Command::kBlackBackground)->trigger();
  const QImage& dark = canvas()->shown();
  EXPECT_GT(count(dark, cells(layout, 5, 0, 14), rgb_of({255, 255, 0})), 20);
  EXPECT_GT(count(dark, reverse, qRgb(255, 255, 255)), reverse.width() * reverse.height() / 2);
}

TEST_F(GuiTest, ResizingChangesTheFontAndThePictureScale) {
  const QSize extra = window()->size() - canvas()->size();
  window()->resize(QSize(1300, 900) + extra);
  QTRY_COMPARE(canvas()->size(), QSize(1300, 900));
  EXPECT_EQ(host_->client_size(), (Point{1300, 900}));
  EXPECT_EQ(host_->text_layout().char_width, 16);
  EXPECT_EQ(host_->picture().transform().to_pixel(0, 0), WindowTransform::for_client(1300, 900).to_pixel(0, 0));
  ws_->repaint();
  EXPECT_EQ(canvas()->shown().size(), QSize(1300, 900));
  EXPECT_TRUE(QFontInfo(canvas()->text_font()).fixedPitch());
}

}  // namespace
}  // namespace plv::host
