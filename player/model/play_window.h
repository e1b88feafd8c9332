// What the play logic needs from the main window beside its list: the caption, the command
// buttons and the window's own Close command.
#pragma once

#include <string>

class PlayWindow {
public:
    virtual ~PlayWindow() = default;

    virtual std::u16string Caption() const = 0;
    virtual void SetCaption(const std::u16string& caption) = 0;
    // Enables or disables the picture button of the command id.
    virtual void EnableButton(int id, bool enabled) = 0;
    // Posts the Close command: the window closes once the report being handled is done.
    virtual void PostClose() = 0;
};
