#include "ui/setup_texts.h"

namespace {

const SetupTexts kEnglish = {
    "",  // the English window shows no title
    "To display", "Choice mode", "DXCC", "Extended DXCC", "Window on top", "I member KVZ",
};

const SetupTexts kRussian = {
    // "Установки KVZ-DIGI-%s"
    "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 KVZ-DIGI-%s",
    // "Отображать"
    "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC",
    // "Вид связи"
    "\xC2\xE8\xE4 \xF1\xE2\xFF\xE7\xE8",
    // "Страны DXCC"
    "\xD1\xF2\xF0\xE0\xED\xFB DXCC",
    // "Расш. DXCC"
    "\xD0\xE0\xF1\xF8. DXCC",
    // "Поверх окон"
    "\xCF\xEE\xE2\xE5\xF0\xF5 \xEE\xEA\xEE\xED",
    // "Я член KVZ"
    "\xDF \xF7\xEB\xE5\xED KVZ",
};

}  // namespace

const SetupTexts& SetupTextsFor(bool russian) {
    return russian ? kRussian : kEnglish;
}
