#include <gtest/gtest.h>

#include "link/Commands.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/Replies.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

class EchoTestTest : public EngineFixture {
 protected:
  EchoTestTest() { OpenPort(); }
  void Judges(std::initializer_list<const char*> codes) {
    for (const char* code : codes) {
      engine.JudgeList.Add(code);
      engine.MACList.Add(std::string("S") + code);
    }
  }
  std::string Counter(const char* stem, char c) const { return window.Label(std::string(stem) + c); }
};

TEST_F(EchoTestTest, FramesGoOutLoopByLoopAndAreCounted) {
  Judges({"01", "02", "03"});
  window.SetSpinValue("seLoops", 20);
  engine.Loops = 2;  // as the last estimate left it
  window.SetLabel("lblWrite5", "7");
  std::size_t traced = window.mmo1.size();
  window.SpTBXEchoClick();
  EXPECT_EQ(port.writes, (std::vector<Written>{{0, ClearDisplay(AllJudges, '#')}}));
  EXPECT_TRUE(engine.EchoRunning);
  EXPECT_EQ(engine.EchoTimer->Interval(), 110) << "taken straight from the echo-interval edit";
  EXPECT_EQ(Counter("lblWrite", '1'), "0");
  EXPECT_EQ(Counter("lblWrite", '5'), "") << "units not in the judge list keep empty counters";
  Receive(Ack("02"));
  clock.Advance(3 * 110);
  Receive(Ack("01"));
  Receive(Ack("05"));  // not addressed, counted all the same
  clock.Advance(3 * 110);
  Lines frames;
  for (int loop = 1; loop <= 2; ++loop)
    for (const char* j : {"0101", "0202", "0303"}) frames.push_back(ShowText(j, '$', LayoutEchoLoop, std::to_string(loop)));
  Lines written = port.Frames();
  EXPECT_EQ(Lines(written.begin() + 1, written.end()), frames);
  Lines sent;
  for (const auto& line : TraceFrom(traced))
    if (line.rfind("<====", 0) != 0) sent.push_back(line);
  EXPECT_EQ(sent, (Lines{"", "Start of Echo Test", "", "==> J1  Loop 1", "==> J2  Loop 1", "==> J3  Loop 1",
                         "==> J1  Loop 2", "==> J2  Loop 2", "==> J3  Loop 2"}));
  for (char c : {'1', '2', '3'}) EXPECT_EQ(Counter("lblWrite", c), "2");
  EXPECT_EQ(Counter("lblRead", '1'), "1");
  EXPECT_EQ(Counter("lblRead", '2'), "1");
  EXPECT_EQ(Counter("lblRead", '5'), "1");
  clock.Advance(110);
  EXPECT_FALSE(engine.EchoRunning);
  EXPECT_FALSE(engine.EchoTimer->Running());
  EXPECT_EQ(Lines(window.mmo1.end() - 2, window.mmo1.end()), (Lines{"", "End of Echo Test"}));
  Receive(Ack("03"));
  EXPECT_EQ(Counter("lblRead", '3'), "0") << "after the end an acknowledgement is an ordinary one";
}

TEST_F(EchoTestTest, JudgeElevenAndForeignFramesDuringTheTest) {
  Judges({"0B"});
  engine.RunEchoTest(1);
  engine.SendList.Add(StatusScreen());  // queued by an operator during the test
  clock.Advance(220);
  EXPECT_EQ(port.writes[1].bytes, ShowText("0B0B", '$', LayoutEchoLoop, "1"));
  EXPECT_EQ(window.mmo1[window.mmo1.size() - 2], "==> J11  Loop 1");
  EXPECT_EQ(window.mmo1.back(), "==> J0  Loop ") << "the status screen shows nothing past its layout code";
  EXPECT_EQ(Counter("lblWrite", 'B'), "1");
  for (int n = 1; n <= 10; ++n)
    EXPECT_EQ(Counter("lblWrite", UnitChars[static_cast<std::size_t>(n - 1)]), "") << "00FF counts for no unit";
}

TEST_F(EchoTestTest, CancelAllEndsTheTestAtTheNextTick) {
  Judges({"01"});
  engine.RunEchoTest(100);
  clock.Advance(110);
  window.btnStopClick();
  clock.Advance(110);
  EXPECT_FALSE(engine.EchoRunning);
  EXPECT_EQ(window.mmo1.back(), "End of Echo Test");
}

TEST_F(EchoTestTest, CountersTreatNonNumbersAsZero) {
  window.SetLabel("lblReadA", "x");
  window.EchoRead('A');
  EXPECT_EQ(Counter("lblRead", 'A'), "1");
  window.EchoRead('C');
  window.EchoWrite('\0');
  EXPECT_EQ(window.Label("lblReadC"), "");
}

TEST_F(EchoTestTest, DurationEstimateIsCutNotRounded) {
  struct Case { int units; int interval; int loops; const char* shown; };
  const Case cases[] = {
      {3, 150, 10, "0:00:04"},   // 4,770 ms
      {11, 300, 1000, "0:58:18"},
      {0, 150, 10, "0:00:00"},
      {11, 300, 30000, "29:09:00"},  // past a day's worth of hours, never wrapped
  };
  for (const auto& c : cases) {
    engine.MACList.Clear();
    for (int n = 0; n < c.units; ++n) engine.MACList.Add("S" + std::to_string(n));
    window.EchoIntervalValue = c.interval;
    window.SpinTyped("seLoops", std::to_string(c.loops));
    engine.DoTime();
    EXPECT_EQ(window.Label("lblTime"), c.shown) << c.units << " " << c.interval << " " << c.loops;
    EXPECT_EQ(engine.Loops, c.loops);
  }
  window.TimeSeparatorText = ".";
  window.SpinTyped("seLoops", "1000");
  window.SetSpinValue("seEchoInterval", 100);  // its change handler runs the estimate
  EXPECT_EQ(window.EchoIntervalValue, 100);
  EXPECT_EQ(window.Label("lblTime"), "0.19.26");
}

TEST_F(EchoTestTest, EchoStartWithThePortClosedIsReportedAndTheTestRuns) {
  Judges({"01"});
  port.Close();
  engine.RunEchoTest(1);
  EXPECT_EQ(window.mmo1.back().rfind("*** Port not open", 0), 0u);
  EXPECT_TRUE(engine.EchoRunning);
  EXPECT_EQ(engine.SendList.Count(), 1u);
}

}  // namespace
}  // namespace telvane::testing
