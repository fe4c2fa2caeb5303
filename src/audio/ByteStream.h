#pragma once

#include "audio/Interface.h"

#include <cstddef>
#include <cstdint>
#include <string>

// A stream of bytes under every file the program reads or writes: a file on
// disk, bytes in memory, or a fault put there by a test. Failures are false
// results, never exceptions, and stick in Failed().
class CByteStream : public CInterface {
public:
    // Reads up to count bytes; returns how many were read, 0 at the end or on failure.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual bool Write(const void* buffer, std::size_t count) = 0;
    // Appends count zero bytes.
    virtual bool WriteZeros(std::size_t count);
    virtual bool Seek(std::int64_t offset) = 0; // absolute, from the beginning
    // Where the next byte is read or written; -1 when that cannot be told.
    virtual std::int64_t Tell() = 0;
    // How many bytes the stream holds; -1 when that cannot be told.
    virtual std::int64_t Size() = 0;
    // Writes out what is buffered; false when that or anything before it failed.
    virtual bool Close() = 0;
    // True once a read, write, seek or flush has failed.
    virtual bool Failed() const = 0;
    // Why the stream failed, in plain words: the system's reason for a disk
    // fault, an encoder's refusal; empty when it is not known.
    virtual std::string FailureReason() const { return {}; }
};
