#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "CallLogFiles.h"
#include "DaySimulation.h"
#include "GeneratorOptions.h"
#include "LineFormatter.h"

int main(int argc, char** argv) {
    const GeneratorCommand command = parseGeneratorCommand(std::vector<std::string>(argv + 1, argv + argc));
    if (command.helpRequested) {
        std::cout << generatorUsage();
        return 0;
    }
    if (!command.options) {
        std::cerr << "varnel-generate-logs: " << command.error << "\n" << generatorUsage();
        return 2;
    }
    const GeneratorOptions& options = *command.options;
    try {
        std::filesystem::create_directories(options.outFolder);
        CallLogFiles files(options.outFolder, options.date, options.lines, options.files,
                           LineFormatter(options.date, options.crlf));
        DaySimulation(options.lines, options.ports, options.seed).run(files);
        files.finish();
    } catch (const std::exception& error) {
        std::cerr << "varnel-generate-logs: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
