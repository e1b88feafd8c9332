// The two templates of the MIDI file selection dialog (139 with Japanese texts, 162 with English
// ones): texts, font and the controls' places in dialog units.
#pragma once

#include "player/model/unit_rect.h"

// The controls' object names.
inline constexpr const char* kFileListId = "id1051";
inline constexpr const char* kAddToNewListId = "id1013";
inline constexpr const char* kAddId = "id1012";

struct FileDialogForm {
    const char* id;
    const char16_t* caption;
    const char16_t* fontFace;
    UnitRect dialog, list, newList, add;
    const char16_t* newListText;
    const char16_t* addText;
};

inline constexpr FileDialogForm kJapaneseFileDialog = {
    "id139",          u"MIDIファイルの選択", u"ＭＳ Ｐゴシック", {0, 0, 131, 127},
    {3, 3, 125, 103}, {3, 110, 85, 14},      {93, 110, 35, 14},  u"新規ソングリストへ追加(&N)",
    u"追加(&A)"};
inline constexpr FileDialogForm kEnglishFileDialog = {
    "id162",          u"Select MIDI Files",   u"Tahoma",
    {0, 0, 131, 110}, {3, 3, 125, 87},        {3, 93, 85, 14},
    {93, 93, 35, 14}, u"Add to &NewSonglist", u"&Add"};
