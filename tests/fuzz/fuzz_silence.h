// Message boxes of a fuzz target go nowhere: a rejected input is an ordinary outcome.
#pragma once

#include "platform/msgbox.h"

inline int DiscardMessageBox(const std::u16string&, const std::u16string&, unsigned) {
    return platform::kBoxResultOk;
}

inline void SilenceMessageBoxes() { platform::SetMessageBoxPresenter(DiscardMessageBox); }
