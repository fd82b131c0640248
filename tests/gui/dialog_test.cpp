#include <QComboBox>
#include <QFileDialog>
#include <QRadioButton>

#include "gui/gui_fixture.h"
#include "host/file_open_fields.h"
#include "host/page_setup_fields.h"
#include "host/qt/export_choices_dialog.h"
#include "host/qt/page_setup_dialog.h"
#include "host/qt/stepped_field.h"

namespace plv::host {
namespace {

// The error boxes a dialog asked for: text and title.
using Shown = std::vector<std::pair<std::string, std::string>>;
EntryError recorder(Shown& shown) {
  return [&shown](QWidget*, std::string_view text, std::string_view title) { shown.emplace_back(text, title); };
}

TEST_F(GuiTest, PageSetupAndPenWidthFieldsStepAndBadEntriesAreRefused) {
  PageSetup values;  // 100, 100, 650, portrait
  Shown errors;
  PageSetupDialog dialog(values, window(), recorder(errors));
  EXPECT_EQ(dialog.windowTitle(), "Page Setup");
  EXPECT_EQ(std::tuple(dialog.top()->value_text(), dialog.width()->value_text()), std::tuple("1\"", "6.5\""));
  dialog.width()->stepBy(1);
  dialog.top()->stepBy(-1);
  dialog.left()->set_value_text("oops");
  dialog.left()->stepBy(1);
  EXPECT_EQ(std::tuple(dialog.width()->value_text(), dialog.top()->value_text(), dialog.left()->value_text()),
            std::tuple("6.6\"", "0.9\"", "oops"));

  dialog.accept();
  EXPECT_EQ(errors, (Shown{{"Invalid data", "Page Setup Error"}}));
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(values.left_margin, 100);

  dialog.left()->set_value_text("1.005");
  dialog.findChildren<QRadioButton*>().at(1)->click();  // Landscape
  EXPECT_TRUE(values.landscape);
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(std::tuple(values.top_margin, values.left_margin, values.width), std::tuple(90, 101, 660));

  // Pen widths are positive whole numbers.
  PenWidths widths{1, 2, 2};
  PenWidthDialog pens(widths, window(), recorder(errors));
  EXPECT_EQ(pens.windowTitle(), "Pen Width");
  pens.window()->stepBy(-1);
  pens.printer()->stepBy(1);
  EXPECT_EQ(std::tuple(pens.window()->value_text(), pens.printer()->value_text()), std::tuple("1", "3"));
  pens.metafile()->set_value_text("0");
  pens.accept();
  EXPECT_EQ(errors, (Shown{{"Invalid data", "Page Setup Error"},
                           {"All pen width values must be positive integers", "Pen Width Error"}}));
  pens.metafile()->set_value_text("4");
  pens.accept();
  EXPECT_EQ(pens.result(), QDialog::Accepted);
  EXPECT_EQ(std::pair(widths.printer, widths.metafile), std::pair(3, 4));
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
    action(Command::kPageSetup)->trigger();
    answer_dialog<PenWidthDialog>([](PenWidthDialog& d) {
      d.window()->set_value_text("3");
      d.accept();
    });
    action(Command::kPenWidth)->trigger();
    QTest::keyClick(handle(), Qt::Key_K);
  });
  EXPECT_EQ(key, Key::character('k'));
  EXPECT_EQ(std::pair(host_->settings().page_width, host_->picture().window_pen_width()), std::pair(500, 3));
}

TEST_F(GuiTest, TheExportDialogShowsTheDrawingsChoicesAndTakesTheUsers) {
  ExportChoices choices{.colour = false, .typefaces = {"Drafting", "Courier", "Helvetica", "Times"}, .typeface = 2};
  answer_dialog<ExportChoicesDialog>([](ExportChoicesDialog& d) {
    EXPECT_TRUE(d.mono()->isChecked());
    EXPECT_EQ(d.lettering()->currentText(), "Helvetica");
    d.colour()->setChecked(true);
    d.lettering()->setCurrentIndex(3);
    d.accept();
  });
  ASSERT_TRUE(ws_->export_choices_dialog(choices));
  EXPECT_EQ(std::pair(choices.colour, choices.typeface), std::pair(true, 3));
  answer_dialog<ExportChoicesDialog>([](ExportChoicesDialog& d) {
    d.mono()->setChecked(true);
    d.reject();
  });
  EXPECT_FALSE(ws_->export_choices_dialog(choices));
  EXPECT_TRUE(choices.colour) << "a cancelled dialog changes nothing";
}

TEST_F(GuiTest, FileDialogsOfferTheFiltersAndANameWithoutExtensionTakesTheChosenOnes) {
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
  EXPECT_EQ(ws_->open_file_dialog(request), dir_.file("PLOT.plv"));
  EXPECT_EQ(filters, (QStringList{"QUEPA Files (*.qpa)", "Table Files (*.tbl *.raw *.asc)", "Geometry Files (*.gw)",
                                  "Solution Files (*.sol)", "All Files (*)", "Plivet Files (*.plv)"}));
  EXPECT_EQ(selected, "Plivet Files (*.plv)");

  answer_dialog<QFileDialog>([](QFileDialog& d) { static_cast<QDialog&>(d).reject(); });
  EXPECT_FALSE(ws_->open_file_dialog(request));

  // A name saved without an extension takes the chosen filter's.
  QString before, after;
  answer_dialog<QFileDialog>([&](QFileDialog& d) {
    before = d.defaultSuffix();
    emit d.filterSelected(d.nameFilters()[1]);  // as when the user picks it
    after = d.defaultSuffix();
    static_cast<QDialog&>(d).reject();
  });
  FileDialogRequest save;
  save.filters = {{"PDF (*.pdf)", "*.pdf"}, {"Encapsulated PostScript (*.eps)", "*.eps"}};
  save.default_extension = "pdf";
  EXPECT_FALSE(ws_->save_file_dialog(save));
  EXPECT_EQ(std::pair(before, after), std::pair(QString("pdf"), QString("eps")));
}

}  // namespace
}  // namespace plv::host
