#include "tools/cli_output.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/file_replace.h"
#include "tools/cli_session.h"

namespace {

constexpr int kPartSuffixLength = 5;  // ".part"

// The mode open(0666) gives a new file; read before the library starts threads that create files.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string InputAt(const std::string& output, const std::vector<std::string>& inputs) {
    struct stat out;
    const int found = output == "-" ? fstat(STDOUT_FILENO, &out) : stat(output.c_str(), &out);
    if (found != 0) return "";
    for (const std::string& input : inputs) {
        struct stat in;
        if (stat(input.c_str(), &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino)
            return input;
    }
    return "";
}

void ReportUnwritable(const std::string& name, int error) {
    ReportError(name + ": cannot be written: " + std::strerror(error));
}

RenderOutput::~RenderOutput() {
    if (open_) Discard();
}

bool RenderOutput::Open(const std::string& output, bool raw) {
    if (output == "-") {
        name_ = "standard output";
        return OpenStraight(STDOUT_FILENO, false, raw);
    }
    name_ = output;
    struct stat info;
    if (stat(output.c_str(), &info) != 0 || !(S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))) {
        return OpenBeside(output);
    }
    const int file = open(output.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (file < 0) {
        ReportUnwritable(name_, errno);
        return false;
    }
    return OpenStraight(file, true, raw);
}

// Raw bytes go straight anywhere; a WAV file where its header can be written last, over the
// first bytes (not on a pipe or a terminal, nor into a file that is only appended to).
bool RenderOutput::OpenStraight(int file, bool owned, bool raw) {
    struct stat info;
    const int flags = fcntl(file, F_GETFL);
    const off_t at = lseek(file, 0, SEEK_CUR);
    if (fstat(file, &info) != 0 || flags < 0) {
        ReportUnwritable(name_, errno);
        if (owned) close(file);
        return false;
    }
    const bool appended = (flags & O_APPEND) != 0;
    if (!raw && (at < 0 || appended)) return OpenNameless(file, owned);
    file_ = file;
    ownsFile_ = owned;
    if (S_ISREG(info.st_mode)) start_ = appended ? info.st_size : at;
    open_ = true;
    return true;
}

// PATH-XXXXXX.part, made new beside the path, renamed over it when whole.
bool RenderOutput::OpenBeside(const std::string& path) {
    path_ = path;
    temporary_ = path + "-XXXXXX.part";
    file_ = mkostemps(temporary_.data(), kPartSuffixLength, O_CLOEXEC);
    if (file_ < 0 || fchmod(file_, NewFileMode()) != 0) {
        ReportUnwritable(name_, errno);
        if (file_ >= 0) unlink(temporary_.c_str());
        CloseAll();
        temporary_.clear();
        return false;
    }
    ownsFile_ = true;
    open_ = true;
    return true;
}

// A file in the temporary folder whose name is removed at once: nothing is left of it however
// the program ends, and nobody can open it by name.
bool RenderOutput::OpenNameless(int destination, bool owned) {
    destination_ = destination;
    ownsDestination_ = owned;
    std::error_code ignored;
    std::string path =
        (std::filesystem::temp_directory_path(ignored) / "tesalo-render-XXXXXX").string();
    file_ = mkostemp(path.data(), O_CLOEXEC);
    if (file_ < 0) {
        ReportError("no temporary file for " + name_ + " can be made: " + std::strerror(errno));
        CloseAll();
        return false;
    }
    unlink(path.c_str());
    ownsFile_ = true;
    open_ = true;
    return true;
}

bool RenderOutput::CopyToDestination() {
    if (lseek(file_, 0, SEEK_SET) != 0) return false;
    char chunk[65536];
    for (ssize_t got; (got = read(file_, chunk, sizeof chunk)) != 0;) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 || !platform::WriteAll(destination_, chunk, static_cast<std::size_t>(got)))
            return false;
    }
    return true;
}

bool RenderOutput::Complete() {
    bool ok = true;
    if (destination_ >= 0) ok = CopyToDestination();
    if (ok && ownsFile_ && !temporary_.empty()) {
        ok = close(file_) == 0;
        file_ = -1;
        ok = ok && std::rename(temporary_.c_str(), path_.c_str()) == 0;
    }
    if (!ok) {
        ReportUnwritable(name_, errno);
        Discard();
        return false;
    }
    open_ = false;
    temporary_.clear();
    start_ = -1;
    CloseAll();
    return true;
}

void RenderOutput::Discard() {
    if (!temporary_.empty()) unlink(temporary_.c_str());
    if (start_ >= 0 && file_ >= 0 && ftruncate(file_, start_) == 0) lseek(file_, start_, SEEK_SET);
    open_ = false;
    CloseAll();
}

void RenderOutput::Release() {
    open_ = false;
    CloseAll();
}

void RenderOutput::CloseAll() {
    if (ownsFile_ && file_ >= 0) close(file_);
    if (ownsDestination_ && destination_ >= 0) close(destination_);
    file_ = destination_ = -1;
    ownsFile_ = ownsDestination_ = false;
}
