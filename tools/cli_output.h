// Where a render's bytes go. A file is rendered into a new file beside it, made exclusively
// (a name another user planted is never opened), and renamed over it once whole; a device or a
// pipe named by -o, and standard output, are written straight when they can take a WAV header
// written last, and otherwise through a temporary file that has no name at all.
#pragma once

#include <string>
#include <vector>

class RenderOutput {
public:
    RenderOutput() = default;
    RenderOutput(const RenderOutput&) = delete;
    RenderOutput& operator=(const RenderOutput&) = delete;
    // An output that was neither completed nor discarded is discarded.
    ~RenderOutput();

    // Opens the output ("-" for standard output); false with the reason on stderr.
    bool Open(const std::string& output, bool raw);
    // The open file the render writes into.
    int file() const { return file_; }
    // The name the output is reported by.
    const std::string& name() const { return name_; }
    // Puts the rendered bytes in place: false with the reason on stderr.
    bool Complete();
    // Removes what was written: the temporary file, or the bytes written straight into a file.
    void Discard();
    // Leaves the output to a forked copy of the program that completes it: the files are closed
    // here, and Discard still removes the temporary file should that copy fail.
    void Release();

private:
    bool OpenStraight(int file, bool owned, bool raw);
    bool OpenBeside(const std::string& path);
    bool OpenNameless(int destination, bool owned);
    bool CopyToDestination();
    void CloseAll();

    std::string name_;
    std::string path_;
    std::string temporary_;
    int file_ = -1;
    int destination_ = -1;  // a device, pipe or standard output that a nameless file is copied to
    bool ownsFile_ = false;
    bool ownsDestination_ = false;
    long long start_ = -1;  // where the bytes written straight into a regular file begin
    bool open_ = false;
};

// The input among inputs that output ("-": standard output) is the same file as, under any name
// (same device and inode); empty when there is none.
std::string InputAt(const std::string& output, const std::vector<std::string>& inputs);

// "NAME: cannot be written: REASON" on stderr for the errno.
void ReportUnwritable(const std::string& name, int error);
