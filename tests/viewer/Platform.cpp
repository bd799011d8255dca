// The form platform's Application and Screen for the whole test program.
#include "Forms.h"
#include <gtest/gtest.h>

namespace {

class Platform : public testing::Environment {
public:
  void SetUp() override { startup_ = new VclStartup; }
  void TearDown() override { delete startup_; }

private:
  VclStartup* startup_ = nullptr;
};

testing::Environment* const platform = testing::AddGlobalTestEnvironment(new Platform);

} // namespace
