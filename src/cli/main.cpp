// powerball-cli: the program's commands without a window, for scripts and checks.
#include "CommandLine.h"
#include "Commands.h"

#include <iostream>

using namespace powerball::cli;

int main(int argc, char** argv) {
    CommandLine commandLine;
    addDrawCommands(commandLine);
    addCheckCommands(commandLine);
    addStatsCommand(commandLine);
    addSettingsCommands(commandLine);
    addUpdateCommand(commandLine);
    addMaintenanceCommands(commandLine);
    addGenerateCommand(commandLine);
    addLanguageCommands(commandLine);
    addTipCommands(commandLine);
    addAnalysisCommands(commandLine);
    addFolderCommands(commandLine);
    addFilterCommand(commandLine);
    addWheelCommand(commandLine);
    return commandLine.run(argc, argv, std::cout);
}
