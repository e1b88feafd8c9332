#include "platform/language.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace platform {

std::uint16_t GetSystemDefaultLanguage() {
    // The same precedence the C library uses for message texts.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && value[0] != '\0') {
            return std::strncmp(value, "ja", 2) == 0 ? kLangJapanese : kLangEnglish;
        }
    }
    return kLangEnglish;
}

}  // namespace platform
