#pragma once
#include "common/Translator.h"

namespace telvane {

// Puts the engine's built-in message texts ("IDS_100" .. "IDS_116") into its translator.
void LoadEngineTexts(Translator& translator);

}  // namespace telvane
