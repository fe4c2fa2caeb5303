#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

// The samples of one phrase, held until its passes are written: in memory,
// and past a limit in an unnamed temporary file in a given folder, so that
// a phrase with no quiet for minutes (music) neither fills the memory nor
// leaves a file behind, whatever ends the program.
class CPhraseStore {
public:
    // About 20 s at 44.1 kHz: most phrases stay in memory, and a long one costs no more.
    static constexpr std::size_t DefaultMemoryLimit = 2 * 1024 * 1024; // bytes

    explicit CPhraseStore(std::filesystem::path folder,
                          std::size_t memoryLimit = DefaultMemoryLimit);
    ~CPhraseStore();
    CPhraseStore(const CPhraseStore&) = delete;
    CPhraseStore& operator=(const CPhraseStore&) = delete;

    // Appends samples (16-bit, little-endian). False when the file fails.
    bool Append(const std::uint8_t* samples, std::size_t count);
    std::uint64_t Samples() const { return m_nBytes / 2; }
    // The phrase from its start, in pieces of at most a few hundred
    // kilobytes, as often as asked. False when reading fails or read does.
    bool Read(const std::function<bool(const std::uint8_t* samples, std::size_t count)>& read);
    // Empties the store for the next phrase.
    void Clear();

private:
    bool Spill();

    std::filesystem::path m_folder;
    std::size_t m_nMemoryLimit;
    std::vector<std::uint8_t> m_memory;
    int m_fd = -1; // the spilled phrase, once it outgrew the memory
    std::uint64_t m_nBytes = 0;
};
