// The face LANGUAGE chooses.
#include <windows.h>

#include "common/texts.h"
#include "tests/unit/support.h"

TEST_CASE("LANGUAGE chooses the face; without ja or en the user's display language does") {
    const LANGID japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    const LANGID chinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
    // clang-format off
    const struct { const wchar_t* setting; LANGID user; Language face; } rows[] = {
        {L"ja", english, kJapanese}, {L"en", japanese, kEnglish},  {L"EN", japanese, kEnglish},
        {L"", japanese, kJapanese},  {L"", english, kEnglish},     {L"", chinese, kEnglish},
        {L"fr", japanese, kJapanese}, {L"jap", english, kEnglish}, {L"en ", japanese, kJapanese}};
    // clang-format on
    for (const auto& r : rows)
        CHECK(languageFor(namedLanguage(r.setting), r.user) == r.face);
}
