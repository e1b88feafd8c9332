// The main window's identifiers: its controls, and the commands of its picture buttons, its keys
// and its song-list menu. A button's command is also the button's own id.
#pragma once

// The controls that are not picture buttons.
enum ControlId : int {
    kControlSongList = 1000,       // the list view of the current list's songs
    kControlSongListCombo = 1022,  // the combo box of the song lists
};

// The commands, as a click, a key or a menu entry sends them.
enum CommandId : int {
    kCommandPlayOrStop = 1,  // the Enter key: Stop while a song plays, else Play
    kCommandClose = 2,       // the Escape key and the Close button: the window closes
    // Picture buttons.
    kCommandDeleteRows = 1011,
    kCommandAddFiles = 1012,
    kCommandSongListMenu = 1013,
    kCommandMoveUp = 1014,
    kCommandMoveDown = 1015,
    kCommandCloseButton = 1016,
    kCommandVolume = 1017,
    kCommandPlay = 1032,
    kCommandStop = 1033,
    kCommandPrevious = 1034,
    kCommandNext = 1035,
    kCommandSettings = 1037,
    // Keys and the desktop's media controls.
    kCommandPause = 2001,   // the Space key: pauses the playing song, or resumes the paused one
    kCommandSeekBy = 2002,  // lParam: milliseconds to jump, back when negative (Left and Right)
    kCommandSeekTo = 2003,  // lParam: the time in the song, in milliseconds, to play on from
    // Entries of the song-list menu.
    kCommandNewSongList = 40001,
    kCommandRenameSongList = 40004,
    kCommandDeleteSongList = 40005,
};
