#include "player/model/settings_failure.h"

#include <cerrno>
#include <cstring>

#include "platform/codepage.h"
#include "platform/registry.h"

namespace {

std::u16string SystemText(const std::string& bytes) {
    return platform::DecodeSystemText(bytes.data(), bytes.size());
}

// Why the file was not written; a file that was not read is never written over.
std::u16string Reason(const platform::RegistryFileError& failure, bool japaneseUi) {
    const std::u16string system = SystemText(std::strerror(failure.error));
    if (failure.step == platform::kRegistryFileUnwritten) return system;
    if (failure.step == platform::kRegistryFileUnread && failure.error == EFBIG) {
        return japaneseUi ? u"16 MB を超えるため読み込んでいません"
                          : u"It is larger than 16 MB and was not read.";
    }
    if (failure.step == platform::kRegistryFileUnread) {
        return (japaneseUi ? u"読み込めません: " : u"It could not be read: ") + system;
    }
    return std::u16string();
}

}  // namespace

std::u16string SettingsSaveFailure(bool japaneseUi) {
    const platform::RegistryFileError failure = platform::LastRegistryFileError();
    std::u16string text =
        japaneseUi ? u"設定を保存できません" : u"The settings could not be saved.";
    if (!failure.path.empty()) text += u"\n" + SystemText(failure.path);
    const std::u16string reason = Reason(failure, japaneseUi);
    if (!reason.empty()) text += u"\n" + reason;
    return text;
}
