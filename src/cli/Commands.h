#pragma once

#include "CommandLine.h"

namespace powerball::cli {

// A data or file error; 1 is a wrong command line.
constexpr int kDataError = 2;
// Exit code of an update whose request for a day failed (no connection, time-out, an error
// status of the server).
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
void addLanguageCommands(CommandLine& commandLine);    // messages
void addTipCommands(CommandLine& commandLine);         // tips save, tips load, print, handover
void addAnalysisCommands(CommandLine& commandLine);    // search, analyse settings, analyse draws
void addFolderCommands(CommandLine& commandLine);      // paths
void addFilterCommand(CommandLine& commandLine);       // filters
void addWheelCommand(CommandLine& commandLine);        // wheel

} // namespace powerball::cli
