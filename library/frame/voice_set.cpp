// TeVoiceSet: the engine loads the voice file, the frame shows what the load came to.
#include "library/engine/engine.h"
#include "library/frame/frame.h"
#include "library/frame/messages.h"
#include "library/frame/state.h"

namespace {

const char16_t kTextVersionJa[] =
    u"音色定義ファイルのバージョンが異なります\nTeVoiceSet()呼び出しは失敗しました";
const char16_t kTextVersionEn[] = u"The versions of tone definition file(voice.txt) differ.";
const char16_t kTextToneNumber[] = u"Invalid tone number difinition.";
const char16_t kTextAlternate[] = u"Voice.txt altanate table error";
const char16_t kTextEnvelope[] = u"Voice.txt envelope parameter error";
const char16_t kTextNoFirstToneJa[] =
    u"音色定義ファイル @001 Piano が未定義です\nTeVoiceSet()呼び出しは失敗しました";
const char16_t kTextNoFirstToneEn[] = u"tone definition file @001 Piano is not defined.";

void ShowVoiceFileError(VoiceFileError error) {
    switch (error) {
        case VoiceFileError::kNone: break;
        case VoiceFileError::kVersion: ShowLibraryMessage(kTextVersionJa, kTextVersionEn); break;
        case VoiceFileError::kToneNumber:
            ShowLibraryMessage(kTextToneNumber, kTextToneNumber);
            break;
        case VoiceFileError::kAlternate: ShowLibraryMessage(kTextAlternate, kTextAlternate); break;
        case VoiceFileError::kNoFirstTone:
            ShowLibraryMessage(kTextNoFirstToneJa, kTextNoFirstToneEn);
            break;
        case VoiceFileError::kMemory: ShowMemoryError(); break;
    }
}

}  // namespace

// One box for every tone whose envelope was clamped, in file order, then one for the error
// that stopped the load.
extern "C" TESALO_API int32_t TeVoiceSet(const uint8_t* image, int32_t length) {
    if (g.bInitialized == 0) {
        ShowNotInitialized(u"TeVoiceSet");
        return 0;
    }
    const VoiceFileResult result = LoadVoiceFile(image, length);
    for (std::int32_t i = 0; i < result.envelopesClamped; ++i)
        ShowLibraryMessage(kTextEnvelope, kTextEnvelope);
    ShowVoiceFileError(result.error);
    return result.error == VoiceFileError::kNone ? 1 : 0;
}
