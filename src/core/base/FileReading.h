#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <streambuf>
#include <string>

namespace powerball {

// A file the program reads whole (a tip file, a click script) that could not be read; the
// message names the file and the system's reason.
class FileReadError : public std::runtime_error {
public:
    FileReadError(const std::filesystem::path& file, const std::string& reason);
    std::filesystem::path file;
    std::string reason;
};

// What stands at `file` when it is no regular file, in words for a message ("a folder",
// "a FIFO (named pipe)", "a device", "a socket"); nothing for a regular file, and nothing
// when there is no entry at all. Links are followed.
std::optional<std::string> notARegularFile(const std::filesystem::path& file);

// A file from outside (a tip file, a file of draws, a language file, the settings) opened
// for reading. The open never blocks: a FIFO, a device or a folder where a file is expected
// is refused at once with a FileReadError that says what it is, instead of a read that waits
// for a writer for good.
class RegularFile {
public:
    explicit RegularFile(const std::filesystem::path& file);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    int descriptor() const { return m_descriptor; }
    // The size when the file was opened, and now (a writer may still be at work).
    std::uintmax_t sizeAtOpening() const { return m_sizeAtOpening; }
    std::uintmax_t currentSize() const;

    // Up to `size` bytes; 0 at the end of the file.
    std::size_t read(char* buffer, std::size_t size);

private:
    std::filesystem::path m_path;
    int m_descriptor = -1;
    std::uintmax_t m_sizeAtOpening = 0;
};

// A stream buffer over a RegularFile, for the parsers that read a stream.
class RegularFileBuffer : public std::streambuf {
public:
    explicit RegularFileBuffer(RegularFile& file) : m_file(file) {}
    // How many bytes were read from the file so far.
    std::uintmax_t bytesRead() const { return m_bytesRead; }

protected:
    int_type underflow() override;

private:
    RegularFile& m_file;
    char m_buffer[65536];
    std::uintmax_t m_bytesRead = 0;
};

// The file's bytes, at most the first `maxBytes` of them. A file that is no regular file is
// refused (see RegularFile).
std::string readFileBytes(const std::filesystem::path& file, std::size_t maxBytes);

} // namespace powerball
