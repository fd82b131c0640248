#include <gtest/gtest.h>

#include <optional>

#include "editor/editor_fixture.h"
#include "editor/main_menu.h"
#include "ui/close_requested.h"

namespace plv {
namespace {

using MainMenuTest = EditorTest;

TEST_F(MainMenuTest, FunctionKeysChooseAndKeepTheLayersOtherKeysDropThem) {
  Editor& e = open(Script().type("3").tab().type("5").f(9).type("7").type("|").f(6).f(10).close());
  EXPECT_EQ(main_menu(e, e), MainChoice::kCreate);
  EXPECT_EQ(e.render.work_layer, 3);
  EXPECT_EQ(e.render.also_draw_layer, 5);
  // The bar is no choice: what was typed is dropped.
  EXPECT_EQ(main_menu(e, e), std::nullopt);
  EXPECT_EQ(e.render.work_layer, 3);
  EXPECT_EQ(row(7), "             WORK ON LAYER:      7     ALSO DRAW LAYER:      5");
  EXPECT_EQ(main_menu(e, e), MainChoice::kScreen);
  EXPECT_EQ(main_menu(e, e), MainChoice::kExit);
  EXPECT_THROW(main_menu(e, e), ui::CloseRequested);
}

}  // namespace
}  // namespace plv
