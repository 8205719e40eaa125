#include "core/Messages.h"

#include <gtest/gtest.h>

#include "core/CodePage1250.h"

namespace pramo {
namespace {

constexpr Text kQuestion{9001, "Opravdu %1?"};

TEST(MessageRecorder, AnswersQuestionsFromItsQueueAndOnlyWithOfferedButtons) {
  MessageRecorder recorder(Answer::No);
  recorder.Prepare(Answer::Yes);
  recorder.Prepare(Answer::Ok);  // not offered by the next question
  EXPECT_EQ(Ask(recorder, kQuestion, Format(kQuestion, {"smazat"}), {Answer::Yes, Answer::No}), Answer::Yes);
  EXPECT_EQ(Ask(recorder, kQuestion, {Answer::Yes, Answer::No, Answer::Cancel}), Answer::Cancel);
  EXPECT_EQ(Ask(recorder, kQuestion, {Answer::Yes, Answer::No}), Answer::No);
  ASSERT_EQ(recorder.Shown().size(), 3u);
  EXPECT_EQ(recorder.Shown()[0].text, "Opravdu smazat?");
  EXPECT_EQ(recorder.Shown()[0].kind, MessageKind::Confirmation);
}

TEST(StringTable, LanguageTextsOverrideByNumberAndFallBackToCzech) {
  SetLanguageTexts({{9001, "Really %1?"}});
  EXPECT_EQ(Format(kQuestion, {"delete"}), "Really delete?");
  SetLanguageTexts({});
  EXPECT_EQ(Tr(kQuestion), "Opravdu %1?");
}

TEST(CodePage1250, EveryByteSurvivesTheTripThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const auto back = To1250(Utf8From1250(all));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);
}

TEST(CodePage1250, CzechLettersMapToTheirBytesAndForeignCharactersAreRefused) {
  EXPECT_EQ(To1250("Příliš žluťoučký kůň"), std::string("P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2"));
  EXPECT_FALSE(To1250("Ω").has_value());     // Greek capital omega: not in the code page
  EXPECT_FALSE(To1250("\xC3").has_value());  // truncated UTF-8 sequence
  EXPECT_EQ(CharacterCount("ěščř"), 4u);
  EXPECT_EQ(FirstCharacters("ěščř", 2), "ěš");
}

}  // namespace
}  // namespace pramo
