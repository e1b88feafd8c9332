#include "player/model/song_list_notices.h"

#include <cstring>

#include "platform/codepage.h"
#include "platform/language.h"

namespace {

bool Japanese() { return platform::GetSystemDefaultLanguage() == platform::kLangJapanese; }

std::u16string PathText(const std::string& path) {
    return platform::DecodeTextByBytes(path.data(), path.size());
}

std::u16string Notice(const char16_t* japanese, const char16_t* english, const std::string& path,
                      const std::u16string& reason) {
    std::u16string text = Japanese() ? japanese : english;
    text += u"\n" + PathText(path);
    if (!reason.empty()) text += u"\n" + reason;
    return text;
}

}  // namespace

std::u16string SongListProblemText(int problem) {
    if (problem == kNotASongList) {
        return Japanese() ? u"ソングリストの形式ではありません。"
                          : u"It does not hold a song list.";
    }
    return platform::Utf8ToUtf16(std::strerror(problem));
}

std::u16string SongListUnreadableText(const std::string& path, int problem) {
    return Notice(
        u"ソングリストを読み込めませんでした。空で表示し、ファイルは変更しません。",
        u"The song list could not be read. It is shown empty and its file is left as it is.", path,
        SongListProblemText(problem));
}

std::u16string SongListNotEditableText(const std::string& path) {
    return Notice(u"読み込めなかったソングリストは変更できません。",
                  u"A song list that could not be read cannot be changed.", path, u"");
}

std::u16string SongListNotSavedText(const std::string& path, int problem) {
    return Notice(
        u"ソングリストを保存できませんでした。変更は画面に残り、次の保存で書き込まれます。",
        u"The song list could not be saved. The change stays on the screen and is written "
        u"with the next save.",
        path, SongListProblemText(problem));
}
