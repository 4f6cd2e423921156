// Page breaks over random columns of parts: no part that fits on a page is split, nothing is
// set beyond a page's foot, a part that must begin a page does, and no page ends where the next
// part would still have fitted on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "numeric/Pages.h"

namespace numora {
namespace {

constexpr double kPage = 100;

std::vector<PagePart> RandomColumn(std::mt19937& random) {
  std::uniform_int_distribution<int> count(1, 40);
  std::uniform_real_distribution<double> gap(0, 6), height(0.5, 60), coin(0, 1);
  std::vector<PagePart> parts;
  double y = gap(random);
  for (int n = count(random); n > 0; --n) {
    // Now and then a part longer than a page, and one that must begin a page.
    const double tall = coin(random) < 0.05 ? kPage * (1 + 2 * coin(random)) : height(random);
    parts.push_back({y, y + tall, coin(random) < 0.1});
    y += tall + gap(random);
  }
  return parts;
}

TEST(PageStarts, CutsBetweenPartsAndWastesNoPage) {
  std::mt19937 random(20261210);
  for (int column = 0; column < 5000; ++column) {
    const std::vector<PagePart> parts = RandomColumn(random);
    const std::vector<double> starts = PageStarts(parts, kPage);
    ASSERT_FALSE(starts.empty());
    ASSERT_EQ(starts.front(), parts.front().top);
    ASSERT_TRUE(std::is_sorted(starts.begin(), starts.end()));
    ASSERT_EQ(std::adjacent_find(starts.begin(), starts.end()), starts.end()) << "an empty page";
    // The page a point of the column is on, and where that page ends.
    const auto pageOf = [&starts](double y) {
      return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), y) - starts.begin()) -
             1;
    };
    // A page may be followed by blank column before the next, but nothing begins there.
    for (const PagePart& part : parts) {
      const int page = pageOf(part.top);
      ASSERT_LT(part.top - starts[page], kPage) << "column " << column << ": a part off its page";
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
      const PagePart& part = parts[i];
      const int page = pageOf(part.top);
      const bool fits = part.bottom - part.top <= kPage;
      if (fits) {
        ASSERT_EQ(page, pageOf(part.bottom - 1e-9)) << "column " << column << ", part " << i;
        ASSERT_LE(part.bottom - starts[page], kPage);
      }
      const bool beginsPage = starts[page] == part.top;
      if (part.newPage || !fits) ASSERT_TRUE(beginsPage || i == 0) << "part " << i;
      // A part that begins a page did not fit on the page before, unless it had to begin one.
      if (beginsPage && page > 0 && !part.newPage)
        ASSERT_GT(part.bottom - starts[page - 1], kPage) << "column " << column << ", part " << i;
    }
  }
}

TEST(PageStarts, NothingToSetIsOnePage) {
  EXPECT_EQ(PageStarts({}, kPage), std::vector<double>{0});
  EXPECT_EQ(PageStarts({{5, 20, true}}, kPage), std::vector<double>{5});
}

}  // namespace
}  // namespace numora
