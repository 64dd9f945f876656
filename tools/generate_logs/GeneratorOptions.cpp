#include "GeneratorOptions.h"

#include <charconv>

namespace {

constexpr std::uint32_t kMaxLines = 100'000'000;
constexpr std::uint32_t kMaxPorts = 121;
constexpr std::uint32_t kMaxFiles = 99;

template <typename Number>
std::optional<Number> parseNumber(const std::string& text, Number min, Number max) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < min || value > max) return std::nullopt;
    return value;
}

GeneratorCommand failure(std::string message) {
    GeneratorCommand command;
    command.error = std::move(message);
    return command;
}

}  // namespace

GeneratorCommand parseGeneratorCommand(const std::vector<std::string>& arguments) {
    GeneratorOptions options;
    bool haveOut = false;
    bool haveDate = false;
    bool haveLines = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--help" || name == "-h") {
            GeneratorCommand command;
            command.helpRequested = true;
            return command;
        }
        if (name == "--lf") {
            options.crlf = false;
            continue;
        }
        if (name != "--out" && name != "--date" && name != "--lines" && name != "--seed" && name != "--ports" &&
            name != "--files")
            return failure("unknown argument '" + name + "'");
        if (i + 1 == arguments.size()) return failure(name + " needs a value");
        const std::string& value = arguments[++i];

        if (name == "--out") {
            if (value.empty()) return failure("--out needs a folder");
            options.outFolder = value;
            haveOut = true;
        } else if (name == "--date") {
            const auto date = CalendarDate::parseIso(value);
            if (!date) return failure("--date '" + value + "' is not a date YYYY-MM-DD");
            options.date = *date;
            haveDate = true;
        } else if (name == "--lines") {
            const auto lines = parseNumber<std::uint32_t>(value, 1, kMaxLines);
            if (!lines) return failure("--lines must be a whole number from 1 to " + std::to_string(kMaxLines));
            options.lines = *lines;
            haveLines = true;
        } else if (name == "--seed") {
            const auto seed = parseNumber<std::uint64_t>(value, 0, UINT64_MAX);
            if (!seed) return failure("--seed must be a whole number from 0 to " + std::to_string(UINT64_MAX));
            options.seed = *seed;
        } else if (name == "--ports") {
            const auto ports = parseNumber<std::uint32_t>(value, 1, kMaxPorts);
            if (!ports) return failure("--ports must be a whole number from 1 to " + std::to_string(kMaxPorts));
            options.ports = *ports;
        } else {
            const auto files = parseNumber<std::uint32_t>(value, 1, kMaxFiles);
            if (!files) return failure("--files must be a whole number from 1 to " + std::to_string(kMaxFiles));
            options.files = *files;
        }
    }
    if (!haveOut || !haveDate || !haveLines) return failure("--out, --date and --lines are required");
    if (options.files > options.lines) return failure("--files cannot exceed --lines");
    GeneratorCommand command;
    command.options = options;
    return command;
}

std::string generatorUsage() {
    return "Usage: varnel-generate-logs --out DIR --date YYYY-MM-DD --lines N [--seed S] [--ports P] [--files K] "
           "[--lf]\n"
           "\n"
           "Writes one day of sample gateway call logs into DIR: CallLog_YYYYMMDD.log, and\n"
           "CallLog_YYYYMMDD_2.log ... when split over several files. The same arguments\n"
           "always give the same bytes.\n"
           "\n"
           "  --out DIR      folder for the logs (created if missing)\n"
           "  --date DATE    the day the logs cover, YYYY-MM-DD\n"
           "  --lines N      lines in the whole day, 1 to 100000000\n"
           "  --seed S       seed for the day's traffic (default 1)\n"
           "  --ports P      gateway ports, numbered 0 to P-1, 1 to 121 (default 48)\n"
           "  --files K      split the day over K files of about equal length (default 1)\n"
           "  --lf           end lines with LF instead of CR LF\n"
           "  --help         show this text\n";
}
