#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "host/program_exit.h"
#include "kernel/clipping.h"
#include "kernel/kernel_fixture.h"

namespace plv::kernel {
namespace {

TEST(DeviceTransforms, WindowIsTheIdentityTheSecondDeviceFitsItsRasterAndSegmentsAreClipped) {
  const auto window = DeviceTransform::for_chain(kUserWindow, kNormalisedViewport, kWindowRaster);
  EXPECT_EQ(window.to_device(-1750, 1250), (DevicePoint{-1750, 1250}));
  EXPECT_EQ(window.to_device(10.9f, -10.9f), (DevicePoint{10, -10}));  // truncation toward zero
  const auto second = DeviceTransform::for_chain(kUserWindow, kNormalisedViewport, kSecondDeviceRaster);
  EXPECT_EQ(second.to_device(0, 0), (DevicePoint{319, 239}));
  EXPECT_EQ(second.to_device(-1750, 1250).x, 0);
  EXPECT_LT(second.to_device(0, 1250).y, second.to_device(0, 0).y);  // y runs downwards
  EXPECT_EQ(clamp_to_plot(1e9), 32767);

  // Clipping at the edges in order; segments that miss are dropped.
  const Rect w{-100, 100, -50, 50};
  EXPECT_FALSE(clip_segment({-300, 0, -200, 10}, w));
  EXPECT_EQ(clip_segment({-200, 0, 0, 0}, w), (UserSegment{-100, 0, 0, 0}));
  EXPECT_EQ(clip_segment({0, -100, 0, 100}, w), (UserSegment{0, -50, 0, 50}));
  EXPECT_EQ(clip_segment({-200, -100, 200, 100}, w), (UserSegment{-100, -50, 100, 50}));
  EXPECT_FALSE(clip_segment({-150, 40, -90, 70}, w));  // passes outside the corner
}

TEST_F(KernelTest, DrawingClipsButThePenEndsAtTheUnclippedPoint) {
  Kernel& k = open();
  k.gkclip(-1000, 1000, -500, 500);
  k.gkclipon(Clipping::kOn);
  const size_t before = records().size();
  k.gkmove(-2000, 0);
  k.gkdraw(-1500, 100);  // entirely left: nothing drawn
  EXPECT_EQ(records().size(), before);
  EXPECT_EQ(pen(), std::pair(-1500.0f, 100.0f));
  k.gkdraw(0, 100);  // clipped at the left edge, start converted afresh
  k.gkdraw(0, 900);  // clipped at the top edge
  k.gkclipon(Clipping::kOff);
  k.gkdraw(10, 910);  // no clipping: from the pen, which stayed at (0, 900)
  EXPECT_EQ(records_after(before), (Lines{"line -1000 100 0 100", "line 0 100 0 500", "line 0 900 10 910"}));
}

TEST_F(KernelTest, PointsBeyondAllNumbersDrawNothingAndHarmNothing) {
  Kernel& k = open();
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  for (const Clipping clipping : {Clipping::kOn, Clipping::kOff}) {
    k.gkclipon(clipping);
    const size_t before = records().size();
    k.gkmove(0, 0);
    k.gkdraw(inf, 10);
    k.gkdraw(nan, nan);
    k.gkdraw(100, 100);  // from a pen that has no place: nothing either
    k.box_filled(nan, 0, 10, inf, 0);
    k.gkmove(0, 0);
    k.gkdraw(100, 100);
    EXPECT_EQ(records_after(before).back(), "line 0 0 100 100") << (clipping == Clipping::kOn ? "clipping" : "not clipping");
  }
}

TEST_F(KernelTest, FilledShapesGoToTheHostAndTheAspectFactorOnlyInTheTopLayer) {
  Kernel& k = open();
  const size_t before = records().size();
  k.box_filled(100, 200, -100, -200, 0b0101);  // left and top not inset
  k.quad_filled({0, 0, 100, 0, 100, 100, 0, 100});
  k.set_aspect(0.5f);
  k.gkmove(0, 100);
  k.gkdraw(100, 200);
  k.move(0, 100);
  k.draw(100, 200);
  EXPECT_EQ(records_after(before), (Lines{"fillrect -100 200 100 -200 5", "polygon 4 0 0 100 0 100 100 0 100",
                                          "line 0 50 100 100", "line 0 100 100 200"}));
  k.gkmove(10, 40);
  EXPECT_EQ(pen(), std::pair(10.0f, 40.0f));
}

TEST_F(KernelTest, StringsAreDrawnInStrokesFromThePen) {
  Kernel& k = open();
  k.gkmove(0, 0);
  k.gkchars(10, 0, "I");
  const size_t before = records_of("line ").size();
  EXPECT_GT(before, 0u);
  const auto [x, y] = pen();
  EXPECT_GT(x, 0);  // the pen ends after the character
  EXPECT_LT(x, 100);
  EXPECT_EQ(y, 0);
  k.gkchars(10, 0, "  ");
  EXPECT_EQ(records_of("line ").size(), before);  // blanks draw nothing but move on
}

TEST_F(KernelTest, PagesAndTheEndOfAPicture) {
  Kernel& k = open("key 65\ntype f\nkey 66");
  k.tekflush(kernel::Flush::kShowAndWait);  // no page open: no wait, no change
  EXPECT_EQ(ws_->steps_left(), 3u);
  k.gkpage(kernel::PageStart::kErased);
  EXPECT_TRUE(k.page_open());
  k.gkmove(0, 0);
  k.gkdraw(100, 100);
  EXPECT_TRUE(host_->graphics_mode());
  k.tekflush(kernel::Flush::kShowAndWait);  // takes "A"
  EXPECT_FALSE(host_->graphics_mode());
  EXPECT_FALSE(k.page_open());
  k.gkpage(kernel::PageStart::kKept);
  k.gkdraw(0, 0);
  k.tekflush(kernel::Flush::kShowAndWait);  // "f" dumps the screen
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "MDL001.PCX"));
  k.gkpage(kernel::PageStart::kErased);
  EXPECT_EQ(records_of("line ").size(), 0u);  // erased
  k.tekflush(kernel::Flush::kClose);
  EXPECT_EQ(ws_->steps_left(), 1u);
  EXPECT_EQ(k.gkkey(), host::Key::character('B'));
}

TEST_F(KernelTest, AnyOtherEndOfAPictureIsAFaultToldToTheUser) {
  Kernel& k = open("key 65");
  try {
    k.tekflush(static_cast<kernel::Flush>(2));
    ADD_FAILURE() << "tekflush(2) returned";
  } catch (const ProgramExit& end) {
    EXPECT_EQ(end.code, 1);
  }
  ASSERT_EQ(ws_->messages().size(), 1u);
  EXPECT_EQ(ws_->messages()[0].text, "ERROR: TEKFLUSH CALLED WITH I NOT 0 OR 133");
  // The end is the orderly one: the host's settings written, the window gone.
  EXPECT_TRUE(std::filesystem::exists(dir_.file("orvlab.ini")));
  EXPECT_FALSE(ws_->window_exists());
}

TEST_F(KernelTest, ACloseDuringThePictureWaitReachesTheNextCaller) {
  Kernel& k = open("close\nkey 65");
  k.gkpage(kernel::PageStart::kErased);
  k.gkdraw(1, 1);
  k.tekflush(kernel::Flush::kShowAndWait);
  // The next wait of any kind sees it: here the host's own event wait.
  EXPECT_EQ(host_->wait_event().type, host::EventType::kClose);
}

TEST_F(KernelTest, PointerAnswersKeepTheCallersValuesWhenUnmoved) {
  Kernel& k = open("key ENTER\nkey ENTER");
  const PointAnswer p = k.gkpick(100.3f, -20.7f, {-1650, 1650, -1250, 1250});
  EXPECT_EQ(std::tuple(p.x, p.y, p.key), std::tuple(100.3f, -20.7f, host::Key::kEnter));
  const BoxAnswer b = k.gkrbox(10.5f, 20.5f, 300.25f, 400.75f, {-1650, 1650, -1250, 1250});
  EXPECT_EQ(std::tuple(b.x1, b.y1, b.x2, b.y2), std::tuple(10.5f, 20.5f, 300.25f, 400.75f));
}

TEST(KernelOpen, AWindowThatCannotBeMadeEndsTheProgram) {
  testing::TempDir dir;
  host::ScriptedWindowSystem ws({});
  ws.set_create_fails(true);
  host::Host host(ws, dir.file("orvlab.ini"));
  Kernel kernel(host, dir.path());
  EXPECT_THROW(kernel.gkopen("plivet"), ProgramExit);
  EXPECT_FALSE(ws.messages().empty());
}

}  // namespace
}  // namespace plv::kernel
