#include "numeric/Working.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

// The isolate marks spelt out, so that a test shows where each number is set apart.
std::u16string Marked(std::u16string text) {
  for (char16_t& c : text) {
    if (c == u'\u2066') c = u'[';
    if (c == u'\u2069') c = u']';
  }
  return text;
}

TEST(Working, QuantitiesAreNamedInWordsAndNumberedInTheWorking) {
  Working working(u"ن = ({أ} + {ب}) × {أ}{=ن} ، م = √{ن}");
  EXPECT_EQ(working.inWords(u'.'), u"ن = (أ + ب) × أ ، م = √ن");
  // Without numbers the quantities keep their names and the intermediate value is left out.
  EXPECT_EQ(working.withNumbers(u'.'), working.inWords(u'.'));
  working.let(u"أ", 2).let(u"ب", 0.5).let(u"أ", 3);  // the last number given counts
  EXPECT_EQ(Marked(working.withNumbers(u'.')), u"ن = ([3] + [0.5]) × [3] ، م = √ن");
  working.let(u"ن", 10.5);
  EXPECT_EQ(Marked(working.withResult(u"3.24037034920393", u'.')),
            u"ن = ([3] + [0.5]) × [3] = [10.5] ، م = √[10.5] = [3.24037034920393]");
  EXPECT_EQ(Marked(working.notComputed(u"السبب", u'.')),
            u"ن = ([3] + [0.5]) × [3] = [10.5] ، م = √[10.5]، لم تحسب: السبب");
}

TEST(Working, OperandsThatCouldBeMisreadStandInParentheses) {
  Working working(u"ق = {س}² + {ص}");
  working.let(u"س", -2).let(u"ص", 1.5e20);
  // A negative result or one in exponent form ends the line and needs none.
  EXPECT_EQ(Marked(working.withResult(u"-1.5E+20", u'.')),
            u"ق = [(-2)]² + [(1.5E+20)] = [-1.5E+20]");
}

TEST(Working, DecimalPointsOfConstantsFollowTheSeparatorAndNothingElseChanges) {
  Working working(u"ق = 3.14 × {نق}. {غير مغلق");
  working.let(u"نق", 2.5);
  EXPECT_EQ(working.inWords(u','), u"ق = 3,14 × نق. {غير مغلق");
  EXPECT_EQ(Marked(working.withNumbers(u',')), u"ق = 3,14 × [2,5]. {غير مغلق");
  EXPECT_TRUE(Working().empty());
  EXPECT_EQ(Working().withNumbers(u'.'), u"");
}

}  // namespace
}  // namespace numora
