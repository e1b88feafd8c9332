// Sets the locale variables for one test and puts the old values back afterwards.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace platform {

class LocaleEnvironment {
public:
    // Each value: the variable's new text, or nullptr to remove it.
    LocaleEnvironment(const char* lcAll, const char* lcMessages, const char* lang) {
        Set(0, lcAll);
        Set(1, lcMessages);
        Set(2, lang);
    }
    ~LocaleEnvironment() {
        for (int i = 0; i < 3; ++i) {
            if (saved_[i]) {
                setenv(kNames[i], saved_[i]->c_str(), 1);
            } else {
                unsetenv(kNames[i]);
            }
        }
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

private:
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    void Set(int i, const char* value) {
        if (const char* old = std::getenv(kNames[i])) saved_[i] = old;
        if (value != nullptr) {
            setenv(kNames[i], value, 1);
        } else {
            unsetenv(kNames[i]);
        }
    }
    std::optional<std::string> saved_[3];
};

}  // namespace platform
