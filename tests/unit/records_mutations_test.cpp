// A short seeded mutation run over every record fixture (the tool
// `mutationsrecords` runs longer): no crash, no bad read, no leak under the
// sanitizers, and an end in reasonable time.
#include <gtest/gtest.h>

#include "tests/unit/records_support.h"
#include "tools/mutationsrecords.h"

namespace {

TEST(RecordsMutations, EveryFixtureSurvivesMutants) {
  records_test::Messages m;  // keep the messages out of the output
  const int n = mutations::lance(std::string(SOURCE_DIR) + "/tests/data/records", 60, 20261210);
  EXPECT_GT(n, 1000);
}

}  // namespace
