#pragma once

#include <string>
#include <utility>

// The reason why a file header was refused. Thrown by value, caught by
// reference; deliberately unrelated to any file-layer error type.
class CWAVException {
public:
    explicit CWAVException(std::string message) : m_message(std::move(message)) {}

    std::string m_message;
};
