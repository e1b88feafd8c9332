// The boundaries of the shared libraries: the library exports the C functions of its header, the
// platform layer only what the library, the player and the command-line program call.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "tests/tools/cli_support.h"

namespace {

// The names of the defined dynamic symbols, demangled and without parameter lists.
std::set<std::string> ExportedNames(const std::string& library) {
    const CommandResult result = RunCommand("nm -D --defined-only --demangle " +
                                            std::string(TESALO_BIN_DIR) + "/" + library);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::set<std::string> exported;
    std::istringstream lines(result.out);
    for (std::string line; std::getline(lines, line);) {
        const std::string name = line.substr(line.find(' ', line.find(' ') + 1) + 1);
        exported.insert(name.substr(0, name.find_first_of("([")));
    }
    return exported;
}

}  // namespace

TEST(LibraryExports, OnlyTheFunctionsOfTheHeader) {
    const std::set<std::string> exported = ExportedNames("libtesalo.so");
    const std::set<std::string> header = {"TeInit",
                                          "TeCleanUp",
                                          "TeVoiceSet",
                                          "TeSetStatus",
                                          "SetMasterVolume",
                                          "TeDataSet",
                                          "TePlay",
                                          "TePlayFrom",
                                          "TeStop",
                                          "TePause",
                                          "TeResume",
                                          "TeSetNextBuffer",
                                          "TeGetSystemVolume",
                                          "TeSetSystemVolume",
                                          "TeGetParent",
                                          "GetVersion",
                                          "TeCreateNotifyWindow",
                                          "TeWaitNotify",
                                          "TeDestroyNotifyWindow",
                                          "TeSetOutputFile",
                                          "DecodeSmf",
                                          "WaveSet",
                                          "WaveSynth",
                                          "VoiceManager"};
    EXPECT_EQ(exported, header);
}

// Programs record the versioned name, and the names a linker and an installation use lead to it.
TEST(LibraryExports, TheLibraryIsNamedByItsMajorVersion) {
    const std::string library = std::string(TESALO_BIN_DIR) + "/libtesalo.so";
    const CommandResult soname = RunCommand("(objdump -p " + library + " | grep SONAME)");
    EXPECT_NE(soname.out.find("libtesalo.so.0\n"), std::string::npos) << soname.out;
    const CommandResult chain = RunCommand("readlink " + library + " " + library + ".0");
    EXPECT_EQ(chain.out, "libtesalo.so.0\nlibtesalo.so." TESALO_PROJECT_VERSION "\n");
    const CommandResult needed =
        RunCommand("(objdump -p " + std::string(TESALO_BIN_DIR) + "/tesalo | grep NEEDED)");
    EXPECT_NE(needed.out.find("libtesalo.so.0\n"), std::string::npos) << needed.out;
}

TEST(PlatformExports, OnlyWhatTheOtherPartsCall) {
    const std::set<std::string> expected = {"platform::RegisterMessageName",
                                            "platform::CreateMessageWindow",
                                            "platform::CreateBridgeWindow",
                                            "platform::PostWindowMessage",
                                            "platform::GetWindowMessage",
                                            "platform::WaitWindowMessage",
                                            "platform::DispatchWindowMessage",
                                            "platform::PostQuitWindowMessage",
                                            "platform::DestroyMessageWindow",
                                            "platform::CreateNamedEvent",
                                            "platform::OpenNamedEvent",
                                            "platform::SignalEvent",
                                            "platform::WaitEvent",
                                            "platform::CloseEvent",
                                            "platform::WaveOutDeviceCount",
                                            "platform::WaveOutGetCaps",
                                            "platform::WaveOutOpen",
                                            "platform::WaveOutErrorText",
                                            "platform::WaveOutPrepare",
                                            "platform::WaveOutWrite",
                                            "platform::WaveOutUnprepare",
                                            "platform::WaveOutGetVolume",
                                            "platform::WaveOutSetVolume",
                                            "platform::WaveOutPause",
                                            "platform::WaveOutRestart",
                                            "platform::WaveOutReset",
                                            "platform::WaveOutClose",
                                            "platform::WaveOutUsePortAudio",
                                            "platform::WaveOutUseFile",
                                            "platform::WaveOutUseOpenFile",
                                            "platform::WaveOutFileError",
                                            "platform::DecodeSystemText",
                                            "platform::DecodeTextByBytes",
                                            "platform::Utf16ToUtf8",
                                            "platform::Utf8ToUtf16",
                                            "platform::IsDoubleByteLead",
                                            "platform::GetSystemDefaultLanguage",
                                            "platform::ShowMessageBox",
                                            "platform::SetMessageBoxPresenter",
                                            "platform::InstanceFolder",
                                            "platform::AcquireInstanceLock",
                                            "platform::CreateInstanceBlock",
                                            "platform::OpenInstanceBlock",
                                            "platform::CloseInstanceBlock",
                                            "platform::RemoveInstanceBlock",
                                            "platform::CreateRegistryKey",
                                            "platform::QueryRegistryValue",
                                            "platform::SetRegistryValue",
                                            "platform::CloseRegistryKey",
                                            "platform::FlushRegistryKey",
                                            "platform::LastRegistryFileError",
                                            "platform::RemoveStaleRegistryFiles",
                                            "platform::ReplaceFileContents",
                                            "platform::ReplacedFileName",
                                            "platform::RemoveFolderFiles",
                                            "platform::WriteAll"};
    EXPECT_EQ(ExportedNames("libplatform.so"), expected);
}
