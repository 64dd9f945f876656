#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "CalendarDate.h"

struct GeneratorOptions {
    std::filesystem::path outFolder;
    CalendarDate date{};
    std::uint32_t lines = 0;
    std::uint64_t seed = 1;
    std::uint32_t ports = 48;
    std::uint32_t files = 1;
    bool crlf = true;
};

struct GeneratorCommand {
    std::optional<GeneratorOptions> options;  // set when the arguments are valid
    bool helpRequested = false;
    std::string error;  // set when the arguments are not valid
};

GeneratorCommand parseGeneratorCommand(const std::vector<std::string>& arguments);

std::string generatorUsage();
