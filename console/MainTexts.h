#pragma once
#include "common/Translator.h"

namespace telvane {

// Puts the main window's built-in message texts ("IDS_1" .. "IDS_10") into its translator.
void LoadMainTexts(Translator& translator);

}  // namespace telvane
