#include "tools/cli_options.h"

#include <cstdlib>
#include <cstring>

#include "library/tesalo.h"

namespace {

bool ParseNumber(const char* text, int low, int high, int* value) {
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || number < low || number > high) return false;
    *value = static_cast<int>(number);
    return true;
}

struct NumberOption {
    const char* name;
    int low, high;
    int CliOptions::*field;
};

const NumberOption kNumberOptions[] = {
    {"-q", 0, 3, &CliOptions::quality},
    {"-p", TE_POLY_MIN, TE_POLY_MAX, &CliOptions::polyphony},
    {"-m", TE_LEVEL_MIN, TE_LEVEL_MAX, &CliOptions::level},
    {"-j", 1, 256, &CliOptions::jobs},
    {"--max-seconds", 1, 1000000, &CliOptions::maxSeconds},
};

struct TextOption {
    const char* name;
    std::string CliOptions::*field;
};

const TextOption kTextOptions[] = {
    {"--voice", &CliOptions::voiceFile},
    {"--codes", &CliOptions::codesFile},
    {"-o", &CliOptions::output},
};

// --rate and --bits: the two halves of -q, by the numbers a user reads.
struct ChoiceOption {
    const char* name;
    int first, second;
    int CliOptions::*field;
};

const ChoiceOption kChoiceOptions[] = {
    {"--rate", 22050, 44100, &CliOptions::rate},
    {"--bits", 8, 16, &CliOptions::bits},
};

bool TakeChoiceOption(int argc, char** argv, int& i, CliOptions* options, std::string* error) {
    for (const ChoiceOption& option : kChoiceOptions) {
        if (std::strcmp(argv[i], option.name) != 0) continue;
        int value = 0;
        if (++i < argc && ParseNumber(argv[i], option.first, option.second, &value) &&
            (value == option.first || value == option.second)) {
            options->*option.field = value;
        } else {
            *error = std::string(option.name) + " takes " + std::to_string(option.first) + " or " +
                     std::to_string(option.second);
        }
        return true;
    }
    return false;
}

int RateOfQuality(int quality) { return quality >= 2 ? 44100 : 22050; }
int BitsOfQuality(int quality) { return quality % 2 == 1 ? 16 : 8; }

// Without -q, --rate and --bits choose the quality (each defaults to the lower value); with -q
// they may only repeat what it says: which of two contradicting options would win is no guess a
// program should make.
bool ResolveFormat(bool qualityGiven, CliOptions* options, std::string* error) {
    if (!qualityGiven) {
        options->quality = (options->rate == 44100 ? 2 : 0) + (options->bits == 16 ? 1 : 0);
    } else if ((options->rate != 0 && options->rate != RateOfQuality(options->quality)) ||
               (options->bits != 0 && options->bits != BitsOfQuality(options->quality))) {
        *error = "-q " + std::to_string(options->quality) + " is " +
                 std::to_string(RateOfQuality(options->quality)) + " Hz " +
                 std::to_string(BitsOfQuality(options->quality)) +
                 " bit, which --rate or --bits contradicts";
        return false;
    }
    options->rate = RateOfQuality(options->quality);
    options->bits = BitsOfQuality(options->quality);
    return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Seconds as "90" or "12.5", kept to the millisecond (further digits are dropped).
bool ParseSeconds(const char* text, std::uint32_t* ms) {
    constexpr std::uint64_t kLargest = 0xFFFFFFFF;
    std::uint64_t value = 0;
    const char* p = text;
    for (; IsDigit(*p) && value <= kLargest; ++p)
        value = value * 10 + static_cast<unsigned>(*p - '0');
    if (p == text) return false;
    value *= 1000;
    if (*p == '.') {
        const char* fraction = ++p;
        for (std::uint64_t unit = 100; IsDigit(*p); ++p, unit /= 10)
            value += unit * static_cast<unsigned>(*p - '0');
        if (p == fraction) return false;
    }
    if (*p != '\0' || value > kLargest) return false;
    *ms = static_cast<std::uint32_t>(value);
    return true;
}

bool TakeStartOption(int argc, char** argv, int& i, CliOptions* options, std::string* error) {
    if (std::strcmp(argv[i], "--start") != 0) return false;
    if (++i >= argc || !ParseSeconds(argv[i], &options->startMs)) {
        *error = "--start takes seconds, such as 90 or 12.5";
    }
    return true;
}

// Options that take a value; true when argv[i] was one of them (i then points at the value).
bool TakeValueOption(int argc, char** argv, int& i, CliOptions* options, std::string* error) {
    for (const NumberOption& option : kNumberOptions) {
        if (std::strcmp(argv[i], option.name) != 0) continue;
        if (++i >= argc ||
            !ParseNumber(argv[i], option.low, option.high, &(options->*option.field))) {
            *error = std::string(option.name) + " takes a number from " +
                     std::to_string(option.low) + " to " + std::to_string(option.high);
        }
        return true;
    }
    for (const TextOption& option : kTextOptions) {
        if (std::strcmp(argv[i], option.name) != 0) continue;
        if (++i >= argc || argv[i][0] == '\0') {
            *error = std::string(option.name) + " takes a file name";
        } else {
            options->*option.field = argv[i];
        }
        return true;
    }
    if (TakeChoiceOption(argc, argv, i, options, error)) return true;
    return TakeStartOption(argc, argv, i, options, error);
}

}  // namespace

bool ParseCliOptions(int argc, char** argv, int first, CliOptions* options, std::string* error) {
    error->clear();
    bool qualityGiven = false;
    for (int i = first; i < argc && error->empty(); ++i) {
        const std::string arg = argv[i];
        qualityGiven = qualityGiven || arg == "-q";
        if (TakeValueOption(argc, argv, i, options, error)) continue;
        if (arg == "--lpf") {
            options->lowPass = true;
        } else if (arg == "--raw") {
            options->raw = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            *error = "unknown option " + arg;
        } else {
            options->songs.push_back(arg);
        }
    }
    return error->empty() && ResolveFormat(qualityGiven, options, error);
}

std::uint32_t FormatFlagOfQuality(int quality) {
    static const std::uint32_t kFlags[4] = {TE_FORMAT_22K_8, TE_FORMAT_22K_16, TE_FORMAT_44K_8,
                                            TE_FORMAT_44K_16};
    return kFlags[quality];
}

std::uint32_t BytesPerSecondOfQuality(int quality) {
    static const std::uint32_t kBytesPerSecond[4] = {22050, 44100, 44100, 88200};
    return kBytesPerSecond[quality];
}
