// The main window's controls, as the window procedure reaches them. The window owns them.
#pragma once

#include <array>
#include <cstdint>

#include "platform/messages.h"
#include "player/resources/window_ids.h"

class QAbstractButton;
class QComboBox;
class QDialog;
class QMenu;
class QTreeView;
struct StatusResources;

// A command posted to the window, as a click sends it: the id in wParam.
inline constexpr std::uint32_t kMsgCommand = 0x0111;

// The picture buttons in the order of the status panel's row, then the two on the right edge.
inline constexpr std::array<int, 12> kButtonIds = {
    kCommandPlay,     kCommandStop,     kCommandPrevious,    kCommandNext,
    kCommandSettings, kCommandAddFiles, kCommandDeleteRows,  kCommandMoveUp,
    kCommandMoveDown, kCommandVolume,   kCommandCloseButton, kCommandSongListMenu};

struct MainWindowControls {
    QDialog* window = nullptr;
    QTreeView* listView = nullptr;                              // kControlSongList
    QComboBox* songListCombo = nullptr;                         // kControlSongListCombo
    std::array<QAbstractButton*, kButtonIds.size()> buttons{};  // in kButtonIds order
    QMenu* songListMenu = nullptr;
    StatusResources* status = nullptr;  // the status panel's drawing resources
    platform::WindowHandle bridge = 0;  // the window's handle: the library posts its reports here
};

// The button of the id; nullptr for an id that is not a button of the window.
QAbstractButton* ControlButton(const MainWindowControls& controls, int id);
