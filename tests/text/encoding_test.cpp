#include <gtest/gtest.h>

#include "text/text.h"

namespace kestrilon {
namespace {

TEST(Cp932, RoundTripsJapaneseAndHalfWidthKana) {
    const std::string text = "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv1 蒼燐の足袋「ソ」＼～";
    const auto sjis = Utf8ToCp932(text);
    ASSERT_TRUE(sjis.has_value());
    EXPECT_EQ(Cp932ToUtf8(*sjis), text);
    // "ソ" is 0x83 0x5C: its second byte is the backslash, which a byte-wise reader mistakes.
    EXPECT_NE(Utf8ToCp932("ソ")->find('\x5C'), std::string::npos);
}

TEST(Cp932, RejectsWhatItCannotCarry) {
    EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80").has_value());  // an emoji has no CP932 form
    EXPECT_FALSE(Cp932ToUtf8("\x81").has_value());               // a lead byte without its trail
}

TEST(Cp932, WidthCountsBytes) {
    EXPECT_EQ(Cp932Width("abc"), 3);
    EXPECT_EQ(Cp932Width("足"), 2);
    EXPECT_EQ(Cp932Width("ﾐﾆ･ｽﾃｨｯｸﾊﾟﾝ"), 11);
    EXPECT_EQ(Cp932Width("Lv１"), 4);
    for (const char* s : {"蒼燐の足袋", "ﾄﾗｯﾌﾟ解除ﾂｰﾙLv1", "＜ブック＞ 10枚"})
        EXPECT_EQ(Cp932Width(s), static_cast<int>(Utf8ToCp932(s)->size())) << s;
}

TEST(Utf7, RoundTripsNames) {
    for (const char* s : {"Rin", "ハヤテ", "a+b-c", "名前 with space", ""}) {
        const auto utf7 = Utf8ToUtf7(s);
        ASSERT_TRUE(utf7.has_value()) << s;
        for (char c : *utf7) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << s;
        EXPECT_EQ(Utf7ToUtf8(*utf7), std::string(s));
    }
    EXPECT_EQ(*Utf8ToUtf7("Hi"), "Hi");
}

TEST(Numbers, FormatAndParse) {
    EXPECT_EQ(FormatInt(-6), "-6");
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(2147483647), "2147483647");
    EXPECT_EQ(ParseInt(" 42\r"), 42);
    EXPECT_EQ(ParseInt("-4000"), -4000);
    EXPECT_FALSE(ParseInt("12a").has_value());
    EXPECT_FALSE(ParseInt("").has_value());
    EXPECT_FALSE(ParseInt("99999999999").has_value());
    EXPECT_EQ(IntOr0("x"), 0);
}

}  // namespace
}  // namespace kestrilon
