#include "library/frame/messages.h"

#include <string>

#include "library/frame/frame.h"
#include "library/frame/state.h"
#include "platform/msgbox.h"

const char16_t kTextAlreadyInitializedJa[] =
    u"Tesaloは既に初期化されています\nTeInit()呼び出しは失敗しました";
const char16_t kTextAlreadyInitializedEn[] =
    u"Tesalo is already initialized.\nIt has failed in the call.";
const char16_t kTextBlockRefusedJa[] =
    u"waveFormOutDeviceにdataBlockを転送できません\nTePlay()呼び出しは失敗しました";
const char16_t kTextBlockRefusedEn[] = u"DataBlock cannot be transmitted to waveFormOutDevice.";
const char16_t kTextNotPreparedJa[] =
    u"WHDR_PREPARED フラグがセットできません\nTePlay()呼び出しは失敗しました";
const char16_t kTextNotPreparedEn[] = u"WHDR_PREPARED FLAG cannot be set.";
const char16_t kTextBufferOverJa[] =
    u"再生バッファ長オーバーです\nWaveSynth()呼び出しは失敗しました";
const char16_t kTextBufferOverEn[] = u"PlayBuffer length over.";

static const char16_t kCaption[] = u"TESALO.DLL";

void ShowLibraryMessage(const char16_t* japanese, const char16_t* english) {
    platform::ShowMessageBox(g.bJapanese ? japanese : english, kCaption, platform::kBoxOk);
}

void ShowNotInitialized(const char16_t* function) {
    const std::u16string japanese =
        std::u16string(u"Tesaloが初期化されていません\n") + function + u"()呼び出しは失敗しました";
    ShowLibraryMessage(japanese.c_str(), u"Tesalo is not initialized.");
}

void ShowMemoryError() {
    ShowLibraryMessage(u"メモリ確保に失敗しました。\n十分な実行用メモリがあるか確認して下さい",
                       u"Memory Error");
}
