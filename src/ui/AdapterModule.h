#pragma once

#include <QString>
#include <QtGlobal>

namespace powerball::ui {

// The adapters whose libraries are slow to load (libcurl with its TLS chain, Qt Multimedia
// with the sound server's) are modules of their own, loaded when first used, so that the
// window's start does not wait for them. A module lies where an installed program has it,
// <prefix>/lib/velmar-powerball/modules beside <prefix>/bin; a build tree has the same layout.
class AdapterModule {
public:
    // The entry `entry` of the module file `file`, loaded once and kept for the program run.
    // Throws std::runtime_error naming the module and why when it cannot be loaded.
    template <class Entry> static Entry entry(const char* file, const char* entry) {
        return reinterpret_cast<Entry>(resolve(file, entry));
    }

    // The folder the modules are looked for in.
    static QString folder();

private:
    static QFunctionPointer resolve(const char* file, const char* entry);
};

} // namespace powerball::ui
