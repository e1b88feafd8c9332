// Message boxes through a replaceable presenter (a GUI installs one; the default writes to stderr).
#pragma once

#include <string>

#include "platform/export.h"

namespace platform {

constexpr unsigned kBoxOk = 0x0000;
constexpr unsigned kBoxIconError = 0x0010;
constexpr unsigned kBoxIconWarning = 0x0030;
constexpr unsigned kBoxIconInfo = 0x0040;
constexpr int kBoxResultOk = 1;

using MessageBoxPresenter = int (*)(const std::u16string& text, const std::u16string& caption,
                                    unsigned flags);

// Shows a modal box (OK only unless flags say more) and returns the button pressed.
PLATFORM_API int ShowMessageBox(const std::u16string& text, const std::u16string& caption,
                                unsigned flags);
// Installs a presenter; nullptr restores the default. Returns the one it replaces.
PLATFORM_API MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);

}  // namespace platform
