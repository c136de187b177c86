#include "framework/core/stream.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace framework;

namespace {

TEST(MemoryStream, ReadsWritesAndSeeksLikeAFile) {
    TMemoryStream s;
    s.WriteBuffer("abcdef", 6);
    EXPECT_EQ(s.Size(), 6);
    EXPECT_EQ(s.Position(), 6);
    s.SetPosition(2);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 4) << "a read past the end returns what is there";
    EXPECT_EQ(std::string(buf, 4), "cdef");
    EXPECT_EQ(s.Read(buf, 8), 0);
    EXPECT_THROW(s.ReadBuffer(buf, 1), EReadError);
    EXPECT_EQ(s.Seek(-1, SeekOrigin::Beginning), 6) << "a seek before the start is refused";
    s.SetPosition(8);
    s.WriteBuffer("z", 1);
    EXPECT_EQ(s.Size(), 9) << "writing past the end grows the stream";
}

TEST(MemoryStream, CopyFromZeroCopiesTheWholeSource) {
    TMemoryStream src(std::vector<uint8_t>{1, 2, 3, 4});
    src.SetPosition(3);
    TMemoryStream dst;
    EXPECT_EQ(dst.CopyFrom(src, 0), 4);
    EXPECT_EQ(dst.Bytes(), (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(FileStream, MissingFileRaisesTheFileErrorNamingIt) {
    try {
        TFileStream f("/nonexistent/velmoro/skin.ini", FileMode::OpenRead);
        FAIL() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find("/nonexistent/velmoro/skin.ini"), std::string::npos);
    }
}

TEST(FileStream, RoundTripThroughMemoryStream) {
    auto path = std::filesystem::temp_directory_path() / "velmoro_stream_test.bin";
    TMemoryStream out(std::vector<uint8_t>{9, 8, 7});
    out.SaveToFile(path.string());
    TMemoryStream in;
    in.LoadFromFile(path.string());
    EXPECT_EQ(in.Bytes(), out.Bytes());
    std::filesystem::remove(path);
}

}  // namespace
