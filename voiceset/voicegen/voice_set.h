// The whole voice file as text: header, version, the 128 programs and the drum kit.
#pragma once

#include <string>

std::string BuildVoiceFile();
