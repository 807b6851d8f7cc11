#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "document/cp1251.h"

namespace verstak {
namespace {

// What glibc's converter makes of one cp1251 byte, or U+FFFD when it refuses it.
char32_t IconvDecode(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-32LE", "CP1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) ADD_FAILURE() << "iconv lacks CP1251";
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[4] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  std::size_t inLeft = 1;
  std::size_t outLeft = 4;
  const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) return 0xFFFD;
  return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
}

TEST(Cp1251, EveryByteDecodesAsGlibcDecodesItAndRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const char32_t expected = IconvDecode(byte);
    EXPECT_EQ(Cp1251ToUnicode(byte), expected) << "byte " << b;
    if (expected != 0xFFFD) {
      const auto back = UnicodeToCp1251(expected);
      ASSERT_TRUE(back.has_value()) << "byte " << b;
      EXPECT_EQ(*back, byte);
    }
  }
}

TEST(Cp1251, Utf8ConversionsBothWays) {
  const std::string cp = "\xB9 \xD1\xEB\xEE\xED \xA8\xB8";  // № Слон Ёё
  EXPECT_EQ(Cp1251ToUtf8(cp), "№ Слон Ёё");
  EXPECT_EQ(Utf8ToCp1251("№ Слон Ёё"), cp);
}

TEST(Cp1251, CharactersItCannotHoldBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a€b"), "a\x88" "b");  // the euro sign exists in cp1251
  EXPECT_EQ(Utf8ToCp1251("日本"), "??");
  EXPECT_EQ(Utf8ToCp1251("x😀y"), "x?y");
  EXPECT_EQ(Utf8ToCp1251("\xFF\xC3"), "??");  // malformed UTF-8
  EXPECT_EQ(CodePointsToCp1251(U"Ωд"), "?\xE4");
  EXPECT_FALSE(UnicodeToCp1251(0xFFFD).has_value());
}

}  // namespace
}  // namespace verstak
