#pragma once

#include "QtShell.h"

#include <string>
#include <vector>

namespace powerball::testing {

// The real desktop for starting programs; what it is asked to show is only recorded, so no
// viewer opens during the tests.
class OpenRecordingShell : public ui::QtShell {
public:
    void open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

} // namespace powerball::testing
