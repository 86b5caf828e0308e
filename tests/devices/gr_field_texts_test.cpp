// Remembered display texts of frame fields: each must be exactly the text the
// number module gives, on first use and every use after.

#include "devices/gr_field_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/numbers.h"

namespace {

TEST(GrFieldTexts, EveryRawValueGivesThePatternTextFirstAndLater) {
  struct Table {
    const char* pattern;
    double scale;
    int lowest;
    int count;
  };
  // Texts of up to seven characters ("655,350", "6,553.5") fill an entry.
  for (const Table& t : {Table{"#,##0", 10, 0, 65536}, Table{"#,##0.0", 0.1, 0, 65536},
                         Table{"00.00", 0.01, 0, 65536}, Table{"##,##0", 100, -128, 256}}) {
    SCOPED_TRACE(t.pattern);
    devices::GrFieldTexts texts(t.pattern, t.scale, t.lowest, t.count);
    for (int pass = 0; pass < 2; ++pass)
      for (int raw = t.lowest; raw < t.lowest + t.count; ++raw)
        ASSERT_EQ(texts.text(raw), platform::formatNumber(raw * t.scale, t.pattern))
            << raw << " pass " << pass;
  }
}

TEST(GrFieldTexts, LongTextsAndValuesOutsideTheRangeAreFormattedAfresh) {
  devices::GrFieldTexts texts("#,##0.00", 10, 0, 65536);
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_EQ(texts.text(65535), "655,350.00");
    EXPECT_EQ(texts.text(1), "10.00");
    EXPECT_EQ(texts.text(-1), "-10.00");
    EXPECT_EQ(texts.text(100000), "1,000,000.00");
  }
}

}  // namespace
