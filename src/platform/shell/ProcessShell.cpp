#include "platform/shell/ProcessShell.h"

#include <cstring>

#include <fcntl.h>
#include <spawn.h>
#include <sys/types.h>

extern char** environ;

namespace powerball {

namespace {

// posix_spawn's attributes and file actions, released however the start ends.
class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_init(&actions);
        // A session of its own: the program neither gets the caller's terminal signals nor
        // ends with the caller's session.
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
};

// argv as exec wants it: the program, then every argument unchanged, then a null pointer.
// The pointers borrow the strings, which outlive the spawn call.
std::vector<char*> argumentVector(const std::string& program,
                                  const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    return argv;
}

} // namespace

void ProcessShell::open(const std::string& target) {
    const std::string opener = "xdg-open";
    std::vector<char*> argv = argumentVector(opener, {target});
    SpawnSetup setup;
    pid_t child = 0;
    // A desktop without xdg-open shows nothing, as the shell promises no result.
    (void)posix_spawnp(&child, opener.c_str(), &setup.actions, &setup.attributes, argv.data(),
                       environ);
}

std::optional<std::string> ProcessShell::startDetached(const std::filesystem::path& program,
                                                       const std::vector<std::string>& arguments) {
    const std::string path = program.string();
    std::vector<char*> argv = argumentVector(path, arguments);
    SpawnSetup setup;
    pid_t child = 0;
    // glibc reports a failed exec here (missing, not executable, no program of this system,
    // arguments too long), not as an exit code of the child.
    const int error =
        posix_spawn(&child, path.c_str(), &setup.actions, &setup.attributes, argv.data(), environ);
    if (error != 0)
        return std::string(std::strerror(error));
    return std::nullopt;
}

} // namespace powerball
