#include "audio/BinaryFile.h"
#include "audio/WAVObj.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(BinaryFile, AFileHeldOpenRefusesASecondOpeningAndKeepsItsBytes) {
    TempDir dir;
    const auto path = dir / "held.wav";
    WriteFileBytes(path, "precious bytes");

    CBinaryFile reader;
    ASSERT_TRUE(reader.Open(path, CBinaryFile::Mode::Read));
    CWAVObj writer;
    EXPECT_FALSE(writer.Open(path, true));
    CBinaryFile secondReader;
    EXPECT_FALSE(secondReader.Open(path, CBinaryFile::Mode::Read));
    EXPECT_EQ(ReadFileBytes(path), "precious bytes");

    // Released on close: now it can be created afresh.
    reader.Close();
    ASSERT_TRUE(writer.Open(path, true));
    EXPECT_EQ(ReadFileBytes(path), "");
}

TEST(BinaryFile, ManySmallWritesAndReadsRoundTrip) {
    TempDir dir;
    const auto path = dir / "data.bin";
    std::string expected;
    {
        CBinaryFile out;
        ASSERT_TRUE(out.Open(path, CBinaryFile::Mode::CreateWrite));
        for (int i = 0; i < 100000; ++i) {
            const std::string piece(static_cast<std::size_t>(i % 7 + 1), static_cast<char>(i));
            ASSERT_TRUE(out.Write(piece.data(), piece.size()));
            expected += piece;
        }
        const std::string big(200000, 'x'); // larger than the buffer
        ASSERT_TRUE(out.Write(big.data(), big.size()));
        expected += big;
        ASSERT_TRUE(out.Close());
    }
    EXPECT_EQ(ReadFileBytes(path), expected);

    CBinaryFile in;
    ASSERT_TRUE(in.Open(path, CBinaryFile::Mode::Read));
    std::string back;
    char chunk[513];
    std::size_t n;
    while ((n = in.Read(chunk, sizeof chunk)) > 0)
        back.append(chunk, n);
    EXPECT_EQ(back, expected);
    EXPECT_FALSE(in.Failed());

    ASSERT_TRUE(in.Seek(5));
    ASSERT_EQ(in.Read(chunk, 3), 3u);
    EXPECT_EQ(std::string(chunk, 3), expected.substr(5, 3));
    EXPECT_FALSE(in.Seek(-1));
}

TEST(BinaryFile, OnlyRegularFilesOpen) {
    TempDir dir;
    CBinaryFile file;
    EXPECT_FALSE(file.Open(dir.path(), CBinaryFile::Mode::Read));
    EXPECT_FALSE(file.Open(dir.path(), CBinaryFile::Mode::CreateWrite));
    EXPECT_FALSE(file.Open(dir / "missing.wav", CBinaryFile::Mode::Read));
    // A FIFO would block a plain open forever.
    ASSERT_EQ(::mkfifo((dir / "pipe.wav").c_str(), 0600), 0);
    EXPECT_FALSE(file.Open(dir / "pipe.wav", CBinaryFile::Mode::Read));
    EXPECT_FALSE(file.Open(dir / "pipe.wav", CBinaryFile::Mode::CreateWrite));
    EXPECT_FALSE(file.Open(dir / "no-such-dir" / "x.wav", CBinaryFile::Mode::CreateWrite));
}

TEST(BinaryFile, AFullDiskFailsTheWriteOrTheCloseThatReachesIt) {
    TempDir dir;
    const auto small = dir / "small";
    std::filesystem::create_directory(small);
    if (::geteuid() != 0 || ::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    struct Unmount {
        std::filesystem::path at;
        ~Unmount() { ::umount(at.c_str()); }
    } unmount{small};

    // One write larger than our buffer goes to the disk at once; a smaller
    // one waits in the buffer, and the close finds out.
    for (const std::size_t size : {2 * CBinaryFile::BufferSize, std::size_t{100000}}) {
        CBinaryFile file;
        ASSERT_TRUE(file.Open(small / "out.bin", CBinaryFile::Mode::CreateWrite));
        const std::string bytes(size, 'x');
        const bool wrote = file.Write(bytes.data(), bytes.size());
        EXPECT_EQ(wrote, size < CBinaryFile::BufferSize) << size;
        EXPECT_FALSE(file.Close()) << size;
        EXPECT_TRUE(file.Failed()) << size;
    }
}
