#pragma once

#include "audio/ByteStream.h"
#include "audio/SampleSink.h"

#include <string>
#include <utility>

// A sink that writes onto a byte stream. Its failure sticks, and its reason
// is the stream's (a disk's fault) unless the sink kept words of its own.
// Inline: the media module carries its own copy.
class CStreamSink : public CSampleSink {
public:
    std::string FailureReason() const final {
        const CByteStream* output = Output();
        return m_strFailure.empty() && output ? output->FailureReason() : m_strFailure;
    }

protected:
    bool Failed() const { return m_bFailed; }
    // Marks the sink failed, keeping reason unless one was kept before.
    // False, so that a failing call can return it.
    bool Fail(std::string reason = {}) {
        m_bFailed = true;
        if (m_strFailure.empty())
            m_strFailure = std::move(reason);
        return false;
    }
    // The stream written to; null when there is none.
    virtual const CByteStream* Output() const = 0;

private:
    bool m_bFailed = false;
    std::string m_strFailure;
};
