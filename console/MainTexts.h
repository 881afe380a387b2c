#pragma once
#include "common/Translator.h"

namespace telvane {

// Puts the main window's English message texts ("IDS_1" .. "IDS_10") and the texts of its
// message boxes ("MsgDlg.Error", "MsgDlg.Information", "MsgDlg.OK") into its translator.
void LoadMainTexts(Translator& translator);

}  // namespace telvane
