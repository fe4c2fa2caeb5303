#pragma once

#include <string>
#include <utility>

// What became of one source file, for the job that goes on or ends after it
// and for a front end that counts or reports it. The boxes a conversion
// shows are its own; this says what they came to.
class FileResult {
public:
    enum class Kind {
        Converted, // its output is in place
        Skipped,   // at the user's word, after a question answered yes
        Unopened,  // the source cannot be opened; whether to go on is the job's question
        Refused,   // the source is not a recording the conversion takes
        Failed,    // told already, or given up: the job ends
    };

    static FileResult Converted() { return {Kind::Converted, {}}; }
    static FileResult Skipped(std::string reason) { return {Kind::Skipped, std::move(reason)}; }
    static FileResult Unopened(std::string reason) { return {Kind::Unopened, std::move(reason)}; }
    static FileResult Refused(std::string reason) { return {Kind::Refused, std::move(reason)}; }
    static FileResult Failed(std::string reason = {}) { return {Kind::Failed, std::move(reason)}; }
    // A question's answer: yes skips the file, any other ends the job.
    static FileResult Answered(bool yes, std::string reason) {
        return yes ? Skipped(std::move(reason)) : Failed(std::move(reason));
    }

    Kind kind() const { return m_kind; }
    // Why, as the learner reads it; empty when nobody said.
    const std::string& reason() const { return m_reason; }
    // The job goes on to the next file.
    bool GoesOn() const { return m_kind == Kind::Converted || m_kind == Kind::Skipped; }
    explicit operator bool() const { return GoesOn(); }

private:
    FileResult(Kind kind, std::string reason) : m_kind(kind), m_reason(std::move(reason)) {}

    Kind m_kind;
    std::string m_reason;
};
