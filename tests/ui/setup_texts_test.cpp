#include "ui/setup_texts.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace {

// The window shows these texts after turning code page 1251 into UTF-16; the
// same decoding into UTF-8 must give the Russian the operator reads.
std::string Utf8FromCodePage1251(const std::string& text) {
    iconv_t converter = iconv_open("UTF-8", "CP1251");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "no CP1251 converter";
        return std::string();
    }
    std::string input = text;
    std::string output(input.size() * 4, '\0');
    char* in = &input[0];
    std::size_t inLeft = input.size();
    char* out = &output[0];
    std::size_t outLeft = output.size();
    std::size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    EXPECT_NE(converted, static_cast<std::size_t>(-1));
    output.resize(output.size() - outLeft);
    return output;
}

TEST(SetupTexts, RussianReadsRightFromCodePage1251) {
    const SetupTexts& texts = SetupTextsFor(true);
    EXPECT_EQ(Utf8FromCodePage1251(texts.titleFormat), "Установки KVZ-DIGI-%s");
    EXPECT_EQ(Utf8FromCodePage1251(texts.toDisplay), "Отображать");
    EXPECT_EQ(Utf8FromCodePage1251(texts.choiceMode), "Вид связи");
    EXPECT_EQ(Utf8FromCodePage1251(texts.dxcc), "Страны DXCC");
    EXPECT_EQ(Utf8FromCodePage1251(texts.extendedDxcc), "Расш. DXCC");
    EXPECT_EQ(Utf8FromCodePage1251(texts.windowOnTop), "Поверх окон");
    EXPECT_EQ(Utf8FromCodePage1251(texts.clubMember), "Я член KVZ");
}

TEST(SetupTexts, EnglishHasNoTitle) {
    const SetupTexts& texts = SetupTextsFor(false);
    EXPECT_STREQ(texts.titleFormat, "");
    EXPECT_STREQ(texts.choiceMode, "Choice mode");
    EXPECT_STREQ(texts.toDisplay, "To display");
}

}  // namespace
