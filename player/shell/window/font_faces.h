// The handheld's fonts are asked for by name; on this desktop each name stands for the free font
// of the same build: the proportional Gothic for the Japanese face, a narrow sans for Tahoma.
#pragma once

// Registers the stand-ins with Qt's font matching; call once the application exists.
void InstallFontFaces();
