#pragma once
#include "common/Translator.h"

namespace telvane {

// Puts the English captions of the main window's translatable controls into its translator,
// keyed by control name. Language names, judge numbers, "MTE" and the labels the program
// writes at run time are not translated and not listed.
void LoadMainCaptions(Translator& translator);

}  // namespace telvane
