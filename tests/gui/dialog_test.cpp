#include <QFileDialog>
#include <QRadioButton>

#include "gui/gui_fixture.h"
#include "host/file_open_fields.h"
#include "host/page_setup_fields.h"
#include "host/qt/page_setup_dialog.h"
#include "host/qt/stepped_field.h"

namespace plv::host {
namespace {

struct Shown {
  std::string text;
  std::string title;
};

EntryError recorder(std::vector<Shown>& shown) {
  return [&shown](QWidget*, std::string_view text, std::string_view title) {
    shown.push_back({std::string(text), std::string(title)});
  };
}

TEST_F(GuiTest, PageSetupShowsInchesStepsAndRefusesBadEntries) {
  PageSetup values;  // 100, 100, 650, portrait
  std::vector<Shown> errors;
  PageSetupDialog dialog(values, window(), recorder(errors));
  EXPECT_EQ(dialog.windowTitle(), "Page Setup");
  EXPECT_EQ(dialog.top()->value_text(), "1\"");
  EXPECT_EQ(dialog.width()->value_text(), "6.5\"");

  dialog.width()->stepBy(1);
  EXPECT_EQ(dialog.width()->value_text(), "6.6\"");
  dialog.top()->stepBy(-1);
  EXPECT_EQ(dialog.top()->value_text(), "0.9\"");
  dialog.left()->set_value_text("oops");
  dialog.left()->stepBy(1);
  EXPECT_EQ(dialog.left()->value_text(), "oops");

  dialog.accept();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, "Invalid data");
  EXPECT_EQ(errors[0].title, "Page Setup Error");
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(values.left_margin, 100);

  dialog.left()->set_value_text("1.005");
  dialog.findChildren<QRadioButton*>().at(1)->click();  // Landscape
  EXPECT_TRUE(values.landscape);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(values.top_margin, 90);
  EXPECT_EQ(values.left_margin, 101);
  EXPECT_EQ(values.width, 660);
}

TEST_F(GuiTest, PenWidthStepsAndAcceptsOnlyPositiveWholeNumbers) {
  PenWidths values{1, 2, 2};
  std::vector<Shown> errors;
  PenWidthDialog dialog(values, window(), recorder(errors));
  EXPECT_EQ(dialog.windowTitle(), "Pen Width");
  dialog.window()->stepBy(-1);
  EXPECT_EQ(dialog.window()->value_text(), "1");
  dialog.printer()->stepBy(1);
  EXPECT_EQ(dialog.printer()->value_text(), "3");
  dialog.metafile()->set_value_text("0");
  dialog.accept();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, "All pen width values must be positive integers");
  EXPECT_EQ(errors[0].title, "Pen Width Error");
  dialog.metafile()->set_value_text("4");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(values.printer, 3);
  EXPECT_EQ(values.metafile, 4);
}

// Answers the next modal dialog that opens while the editor waits.
template <typename Dialog>
void answer_dialog(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(50, [answer] {
    auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog) << "no dialog open";
    answer(*dialog);
  });
}

TEST_F(GuiTest, MenuDialogsRunWhileTheEditorWaits) {
  const Key key = next_key([this] {
    answer_dialog<PageSetupDialog>([](PageSetupDialog& d) {
      d.width()->set_value_text("5\"");
      d.accept();
    });
    window()->action(Command::kPageSetup)->trigger();
    answer_dialog<PenWidthDialog>([](PenWidthDialog& d) {
      d.window()->set_value_text("3");
      d.accept();
    });
    window()->action(Command::kPenWidth)->trigger();
    QTest::keyClick(handle(), Qt::Key_K);
  });
  EXPECT_EQ(key, Key::character('k'));
  EXPECT_EQ(host_->settings().page_width, 500);
  EXPECT_EQ(host_->picture().window_pen_width(), 3);
}

TEST_F(GuiTest, OpenFileDialogOffersTheFilterListAndReturnsThePath) {
  plv::testing::write_file(dir_.file("PLOT.plv"), "x");
  QStringList filters;
  QString selected;
  answer_dialog<QFileDialog>([&](QFileDialog& d) {
    filters = d.nameFilters();
    selected = d.selectedNameFilter();
    d.selectFile(QString::fromStdString(dir_.file("PLOT.plv")));
    static_cast<QDialog&>(d).accept();
  });
  const auto request = open_file_request("PLOT.plv      ", dir_.path().string() + "   ", 6, true);
  const auto chosen = ws_->open_file_dialog(request);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, dir_.file("PLOT.plv"));
  ASSERT_EQ(filters.size(), 6);
  EXPECT_EQ(filters[0], "QUEPA Files (*.qpa)");
  EXPECT_EQ(filters[1], "Table Files (*.tbl *.raw *.asc)");
  EXPECT_EQ(filters[4], "All Files (*)");
  EXPECT_EQ(selected, "Plivet Files (*.plv)");

  answer_dialog<QFileDialog>([](QFileDialog& d) { static_cast<QDialog&>(d).reject(); });
  EXPECT_FALSE(ws_->open_file_dialog(request));
}

TEST_F(GuiTest, ASaveDialogsNameWithoutExtensionTakesTheChosenFiltersOne) {
  QString before, after;
  answer_dialog<QFileDialog>([&](QFileDialog& d) {
    before = d.defaultSuffix();
    emit d.filterSelected(d.nameFilters()[1]);  // as when the user picks it
    after = d.defaultSuffix();
    static_cast<QDialog&>(d).reject();
  });
  FileDialogRequest request;
  request.filters = {{"PDF (*.pdf)", "*.pdf"}, {"Encapsulated PostScript (*.eps)", "*.eps"}};
  request.default_extension = "pdf";
  EXPECT_FALSE(ws_->save_file_dialog(request));
  EXPECT_EQ(before, "pdf");
  EXPECT_EQ(after, "eps");
}

}  // namespace
}  // namespace plv::host
