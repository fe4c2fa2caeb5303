#include "support/Ffmpeg.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string CommandOutput(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot start: " << command;
        return {};
    }
    std::string bytes;
    char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        bytes.append(chunk, n);
    const int status = ::pclose(pipe);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ADD_FAILURE() << "failed (status " << status << "); the tool is needed for this test, "
                      << "tools/deps.sh installs it: " << command;
        return {};
    }
    return bytes;
}

std::string TitleByFfprobe(const std::filesystem::path& file) {
    const std::string title = CommandOutput("ffprobe -v error -of default=nw=1:nk=1 -show_entries "
                                            "format_tags=title:stream_tags=title " +
                                            ShellQuoted(file.string()));
    return title.substr(0, title.find('\n'));
}

std::vector<std::int16_t> DecodeWithFfmpeg(const std::filesystem::path& file,
                                           const std::string& options) {
    const std::string command = "ffmpeg -nostdin -v error -i " + ShellQuoted(file.string()) + " " +
                                options + " -f s16le -acodec pcm_s16le -";
    const std::string bytes = CommandOutput(command);
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                               static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
    return samples;
}
