#pragma once
// The translation tables compiled into the program: the files console/translations/*.sib,
// turned into text constants by the build (BuiltInTranslations.cpp.in).
#include <string_view>
#include <vector>

namespace telvane {

std::vector<std::string_view> BuiltInTranslationTexts();

}  // namespace telvane
