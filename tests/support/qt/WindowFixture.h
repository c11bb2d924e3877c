#pragma once

#include "EmptyUpdateServer.h"
#include "MainWindow.h"
#include "OpenRecordingShell.h"
#include "TempFolder.h"
#include "ports/Clock.h"
#include "ports/MemoryRegistryStore.h"

#include <filesystem>
#include <memory>
#include <string>

namespace powerball::testing {

// The language files the program ships, data/Land of the sources.
std::filesystem::path shippedLanguageFiles();

// The real main window over a program folder of its own with three October 2015 draws (the
// newest of 14 October), seen on a fixed day so that no run depends on the machine's date.
// Its settings live in memory and name an update server of the fixture's own on a loopback
// port, never the default address, where a server of the user's may listen; the desktop
// only records what it is asked to show.
class WindowFixture {
public:
    // The language files of the folder: none (the built-in German texts), or a copy of the
    // shipped ones.
    enum class Languages { BuiltIn, Shipped };

    explicit WindowFixture(const std::string& today = "2015-10-20",
                           Languages languages = Languages::BuiltIn);
    WindowFixture(const WindowFixture&) = delete;
    WindowFixture& operator=(const WindowFixture&) = delete;
    ~WindowFixture();

    // Shows the window and waits until it is active; false if it never became active.
    [[nodiscard]] bool showActive();

    ui::MainWindow& window() const { return *m_window; }
    const TempFolder& folder() const { return m_folder; }
    std::filesystem::path file(const std::string& name) const { return m_folder.file(name); }
    EmptyUpdateServer& server() { return m_server; }
    MemoryRegistryStore& store() { return m_store; }
    OpenRecordingShell& shell() { return m_shell; }

private:
    // Declared in the order they are needed: the window goes first, the clock last.
    const FixedClock m_clock;
    TempFolder m_folder;
    EmptyUpdateServer m_server;
    MemoryRegistryStore m_store;
    OpenRecordingShell m_shell;
    std::unique_ptr<ui::MainWindow> m_window;
};

} // namespace powerball::testing
