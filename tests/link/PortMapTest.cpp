#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "link/PortMap.h"

namespace telvane::testing {
namespace {

class PortMapTest : public ::testing::Test {
 protected:
  ~PortMapTest() override { std::filesystem::remove(path); }

  std::string Write(const std::string& text) {
    std::ofstream(path) << text;
    return path.string();
  }

  std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      (std::string("telvane-") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
       ".ini");
};

#ifdef _WIN32
TEST_F(PortMapTest, PortNumberIsTheComName) { EXPECT_EQ(PortMap::Load("").Device(5), "COM5"); }
#else
TEST_F(PortMapTest, DefaultTableOnItsBoundaries) {
  const PortMap map = PortMap::Load((path.parent_path() / "no-such-telvane.ini").string());
  const std::pair<int, const char*> cases[] = {
      {1, "/dev/ttyS0"},
      {4, "/dev/ttyS3"},
      {5, "/dev/ttyUSB0"},
      {20, "/dev/ttyUSB15"},
      {21, "/dev/ttyACM0"},
      {36, "/dev/ttyACM15"},
      {37, "/dev/ttyS4"},
      {50, "/dev/ttyS17"},
      {0, ""},
      {51, ""},
  };
  for (auto [n, device] : cases) EXPECT_EQ(map.Device(n), device) << "port " << n;
}
#endif

TEST_F(PortMapTest, PortsSectionOverridesSingleNumbersOnly) {
  const PortMap defaults = PortMap::Load("");
  const PortMap map = PortMap::Load(
      Write("[General]\nCOM6=/dev/general\n"
            "[Ports]\nCOM5=/dev/pts/7\ncom12 = /dev/serial/by-id/usb-FTDI_FT232R-if00-port0\n"
            "COM7=\nCOM=/dev/a\nCOMx=/dev/b\nCOM0=/dev/c\nCOM-1=/dev/d\nTTY8=/dev/e\n"));
  EXPECT_EQ(map.Device(5), "/dev/pts/7");
  EXPECT_EQ(map.Device(12), "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
  for (int n : {0, 6, 7, 8, -1}) EXPECT_EQ(map.Device(n), defaults.Device(n)) << "port " << n;
}

}  // namespace
}  // namespace telvane::testing
