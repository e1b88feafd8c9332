// The two templates of the dialog that asks for a name (151 with Japanese texts, 163 with
// English ones): font, the cancel button's text and the controls' places in dialog units.
#pragma once

#include "player/model/unit_rect.h"

struct NameDialogForm {
    const char* id;
    const char16_t* fontFace;
    const char16_t* cancelText;
};
inline constexpr NameDialogForm kJapaneseNameDialog = {"id151", u"ＭＳ Ｐゴシック", u"キャンセル"};
inline constexpr NameDialogForm kEnglishNameDialog = {"id163", u"Tahoma", u"&Cancel"};

inline constexpr UnitRect kNameDialogUnits{0, 0, 133, 65};
inline constexpr UnitRect kPromptUnits{3, 6, 127, 8};
inline constexpr UnitRect kNameEditUnits{3, 23, 127, 14};
inline constexpr UnitRect kNameOkUnits{41, 48, 44, 14};
inline constexpr UnitRect kNameCancelUnits{86, 48, 44, 14};
