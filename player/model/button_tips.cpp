#include "player/model/button_tips.h"

#include "player/resources/window_ids.h"

namespace {

struct Tip {
    int id;
    const char16_t* english;
    const char16_t* japanese;
};

constexpr Tip kTips[] = {
    {kCommandPlay, u"Play", u"再生"},
    {kCommandStop, u"Stop", u"停止"},
    {kCommandPrevious, u"Previous", u"前の曲"},
    {kCommandNext, u"Next", u"次の曲"},
    {kCommandSettings, u"Settings", u"設定"},
    {kCommandAddFiles, u"Add files", u"ファイルの追加"},
    {kCommandDeleteRows, u"Delete", u"削除"},
    {kCommandMoveUp, u"Move up", u"上へ移動"},
    {kCommandMoveDown, u"Move down", u"下へ移動"},
    {kCommandVolume, u"Volume", u"音量"},
    {kCommandCloseButton, u"Close", u"閉じる"},
    {kCommandSongListMenu, u"Song lists", u"ソングリスト"},
};

}  // namespace

std::u16string ButtonTip(int id, bool japaneseUi) {
    for (const Tip& tip : kTips) {
        if (tip.id == id) return japaneseUi ? tip.japanese : tip.english;
    }
    return {};
}
