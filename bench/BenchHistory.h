#pragma once

#include <filesystem>
#include <string>

namespace powerball::bench {

// A program folder under the temp folder holding the bundled draw history, made afresh once
// per process; `name` keeps the benchmark programs out of each other's way.
const std::filesystem::path& historyFolder(const std::string& name);

} // namespace powerball::bench
