#include "audio/ADCPMObj.h"
#include "batch/ConvertFile.h"
#include "fault/FailingFileSystem.h"
#include "support/RecordingWindow.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ReadError, MidSourceIsReportedAndEndsTheBatch) {
    TempDir dir;
    const std::string bytes =
        ReadFileBytes(std::filesystem::path(BRELLOW_TEST_DATA) / "english.wav");
    // The header and 40 blocks read; the 41st fails.
    FailingFileSystem disk(dir / "disk", "lesson.wav", bytes, 90 + 40 * 512);
    if (!disk.Mounted())
        GTEST_SKIP() << "this machine cannot mount a FUSE file system (/dev/fuse, root)";

    RecordingWindow window;
    const auto destination = dir / "lesson.WAV";
    EXPECT_FALSE(ConvertFile(window, disk.File(), destination));
    ASSERT_EQ(window.boxes.size(), 1u);
    EXPECT_EQ(window.boxes[0].text, "Cannot read file '" + disk.File().string() + "'");
    EXPECT_EQ(window.boxes[0].caption, "Failure");
    EXPECT_EQ(window.boxes[0].type, MB_OK | MB_ICONERROR);

    // The partial destination stays: the blocks read so far, not filled up to
    // its declared size as if the source had simply ended.
    const std::string out = ReadFileBytes(destination);
    std::uint32_t declared;
    std::memcpy(&declared, out.data() + 40, 4);
    EXPECT_LT(out.size(), 44u + declared);
    EXPECT_GE(out.size(), 44u + 40 * 2020);
}
