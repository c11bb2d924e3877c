#pragma once

#include "CommandLine.h"

namespace powerball::cli {

// Exit code of an update whose request for a day failed (no connection, time-out, an error
// status of the server); 1 is a wrong command line, 2 a data or file error.
constexpr int kUpdateFailed = 3;

// Each command file adds its verbs with their options: they run the core command and print
// its result.
void addDrawCommands(CommandLine& commandLine);        // import, draws
void addCheckCommands(CommandLine& commandLine);       // check, browse
void addStatsCommand(CommandLine& commandLine);        // stats
void addSettingsCommands(CommandLine& commandLine);    // settings show, save, set
void addUpdateCommand(CommandLine& commandLine);       // update
void addMaintenanceCommands(CommandLine& commandLine); // enter, delete
void addGenerateCommand(CommandLine& commandLine);     // generate

} // namespace powerball::cli
