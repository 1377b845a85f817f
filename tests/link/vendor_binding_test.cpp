// The vendor library bound at run time: through the simulated cable library put on the
// library path, and with no library at all.
#include <gtest/gtest.h>

#include <filesystem>

#include "link/cable_link.h"
#include "link/vendor_driver.h"

namespace {

TEST(WithLibrary, SimulatedCableIsFoundOpenedAndConfigured) {
  auto driver = LoadVendorDriver();
  uint32_t count = 0;
  ASSERT_EQ(driver->CreateDeviceInfoList(&count), FT_OK);
  EXPECT_EQ(count, 1u);
  CableLink link(*driver);
  std::string failure;
  ASSERT_TRUE(link.OpenCable(kKoProgrammingOpenTexts, failure)) << failure;
  uint8_t buf[kPollBufferSize];
  const PollResult r = link.PollRead(buf);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(r.Queued, 0u);
  link.Close();
}

TEST(WithoutLibrary, MissingLibraryIsADriverThatDoesNotAnswer) {
  if (std::filesystem::exists("/usr/local/lib/libftd2xx.so")) GTEST_SKIP() << "a vendor library is installed";
  auto driver = LoadVendorDriver();
  CableLink link(*driver);
  std::string failure;
  EXPECT_FALSE(link.OpenCable(kKoProgrammingOpenTexts, failure));
  EXPECT_EQ(failure, "Драйвер FTDI не отвечает.\nПроверьте наличие драйвера и перезапустите программу");
  EXPECT_FALSE(link.OpenCable(kKoReadOpenTexts, failure));
  EXPECT_EQ(failure, "Драйвер FTDI не отвечает.\nПроверьте наличие драйвера и перезапустите программу.");
}

}  // namespace
