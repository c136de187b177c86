#include "skin/data/zlib_streams.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

#include "skin_fixture.h"

using namespace skin;
using framework::SeekOrigin;
using framework::TMemoryStream;

namespace {

std::vector<uint8_t> SomeBytes(size_t n, uint32_t seed = 1) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(n);
    // Half noise, half runs: compressible but not trivially so.
    for (size_t i = 0; i < n; ++i) bytes[i] = (i / 64) % 2 ? uint8_t(rng()) : uint8_t(i / 128);
    return bytes;
}

std::vector<uint8_t> Inflate(const std::vector<uint8_t>& compressed, int64_t limit = kMaxInflatedSize) {
    TMemoryStream source(compressed), dest;
    DecompressStream(dest, source, limit);
    return dest.Bytes();
}

TEST(ZlibStreams, RoundTripAtEveryLevelAndSize) {
    for (auto level : {TCompressionLevel::clNone, TCompressionLevel::clFastest, TCompressionLevel::clDefault,
                       TCompressionLevel::clMax})
        for (size_t n : {size_t(0), size_t(1), size_t(4095), size_t(4096), size_t(100000)}) {
            std::vector<uint8_t> bytes = SomeBytes(n);
            TMemoryStream source(bytes), dest;
            CompressStream(source, dest, level);
            EXPECT_EQ(Inflate(dest.Bytes()), bytes) << n << " bytes at level " << ZlibLevel(level);
        }
}

TEST(ZlibStreams, MaxLevelWritesTheStandardHeader) {
    std::vector<uint8_t> compressed = fixture::Deflate(SomeBytes(1000));
    ASSERT_GE(compressed.size(), 2u);
    EXPECT_EQ(compressed[0], 0x78);
    EXPECT_EQ(compressed[1], 0xDA);
}

TEST(ZlibStreams, CompressionStreamRefusesReadsAndSeeks) {
    TMemoryStream dest;
    TCompressionStream c(TCompressionLevel::clMax, dest);
    c.WriteBuffer("abcdef", 6);
    EXPECT_EQ(c.Position(), 6) << "Seek(0, Current) gives the bytes taken in";
    char buf[4];
    try {
        c.Read(buf, 4);
        FAIL();
    } catch (const ECompressionError& e) {
        EXPECT_EQ(e.Message(), "Invalid stream operation");
    }
    EXPECT_THROW(c.Seek(0, SeekOrigin::Beginning), ECompressionError);
    EXPECT_THROW(c.Seek(1, SeekOrigin::Current), ECompressionError);
}

TEST(ZlibStreams, CompressionStreamRaisesProgressPerFullBufferAndFinishesOnDestruction) {
    std::vector<uint8_t> bytes = SomeBytes(200000, 9);
    TMemoryStream dest;
    int progress = 0;
    {
        TCompressionStream c(TCompressionLevel::clNone, dest);
        c.OnProgress = [&](TCustomZlibStream* sender) {
            EXPECT_EQ(sender, &c);
            EXPECT_EQ(dest.Size() % kZlibBufferSize, 0) << "after a whole buffer";
            ++progress;
        };
        c.WriteBuffer(bytes.data(), int64_t(bytes.size()));
    }
    EXPECT_GE(progress, 1);
    EXPECT_EQ(Inflate(dest.Bytes()), bytes);
}

TEST(ZlibStreams, DecompressionSeeksAsDefined) {
    std::vector<uint8_t> bytes = SomeBytes(20000, 3);
    TMemoryStream source(fixture::Deflate(bytes));
    TDecompressionStream d(source);
    std::vector<uint8_t> buf(100);
    EXPECT_EQ(d.Read(buf.data(), 100), 100);
    EXPECT_EQ(d.Position(), 100);
    EXPECT_EQ(d.Seek(50, SeekOrigin::Current), 150) << "forward moves read and discard";
    EXPECT_EQ(d.Seek(9000, SeekOrigin::Beginning), 9000);
    d.ReadBuffer(buf.data(), 10);
    EXPECT_TRUE(std::equal(buf.begin(), buf.begin() + 10, bytes.begin() + 9000));

    EXPECT_EQ(d.Seek(0, SeekOrigin::Beginning), 0) << "restarts from the first byte";
    d.ReadBuffer(buf.data(), 100);
    EXPECT_TRUE(std::equal(buf.begin(), buf.end(), bytes.begin()));

    for (auto [offset, origin] : {std::pair{-1, SeekOrigin::Current}, std::pair{50, SeekOrigin::Beginning},
                                  std::pair{0, SeekOrigin::End}, std::pair{10, SeekOrigin::End}}) {
        try {
            d.Seek(offset, origin);
            ADD_FAILURE() << offset;
        } catch (const EDecompressionError& e) {
            EXPECT_EQ(e.Message(), "Invalid stream operation");
        }
    }
    EXPECT_THROW(d.Seek(1000000, SeekOrigin::Beginning), framework::EReadError) << "a move past the end";
    EXPECT_THROW(d.Write("x", 1), EDecompressionError);
}

TEST(ZlibStreams, DecompressionRestartsFromWhereTheSourceWasAtCreation) {
    std::vector<uint8_t> bytes = SomeBytes(5000, 4);
    std::vector<uint8_t> compressed = fixture::Deflate(bytes);
    compressed.insert(compressed.begin(), {'h', 'e', 'a', 'd'});
    TMemoryStream source(compressed);
    source.SetPosition(4);
    TDecompressionStream d(source);
    std::vector<uint8_t> buf(5000);
    d.ReadBuffer(buf.data(), 3000);
    d.Seek(0, SeekOrigin::Beginning);
    d.ReadBuffer(buf.data(), 5000);
    EXPECT_EQ(buf, bytes);
}

TEST(ZlibStreams, DamagedStreamsRaiseTheCompressionError) {
    std::vector<uint8_t> good = fixture::Deflate(SomeBytes(30000, 5));
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<uint8_t> badHeader = good;
    badHeader[0] = 0x12;
    std::vector<uint8_t> badChecksum = good;
    badChecksum.back() ^= 0xFF;
    std::vector<uint8_t> badData = good;
    for (size_t i = 100; i < 140; ++i) badData[i] = 0xFF;
    const Case cases[] = {{"header", badHeader}, {"checksum", badChecksum}, {"data", badData}};
    for (const Case& c : cases) {
        try {
            Inflate(c.bytes);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const EDecompressionError& e) {
            EXPECT_EQ(e.Message(), "compression error") << c.what;
        }
    }
}

TEST(ZlibStreams, TruncatedStreamsEndShortWithoutError) {
    std::vector<uint8_t> bytes = SomeBytes(30000, 6);
    std::vector<uint8_t> good = fixture::Deflate(bytes);
    for (size_t cut : {size_t(0), size_t(2), good.size() / 2, good.size() - 1}) {
        std::vector<uint8_t> part(good.begin(), good.begin() + cut);
        std::vector<uint8_t> out = Inflate(part);
        EXPECT_LE(out.size(), bytes.size()) << cut;
        EXPECT_TRUE(std::equal(out.begin(), out.end(), bytes.begin())) << "what came out is right";
    }
}

// Regression: bytes after the end of the zlib stream made every further read spin forever,
// because inflate reports the stream end again without taking input.
TEST(ZlibStreams, BytesAfterTheStreamEndAreIgnored) {
    std::vector<uint8_t> bytes = SomeBytes(10000, 7);
    std::vector<uint8_t> compressed = fixture::Deflate(bytes);
    compressed.insert(compressed.end(), 5000, 0xAB);
    EXPECT_EQ(Inflate(compressed), bytes);
}

// Regression: a header asking for a preset dictionary made inflate return Z_NEED_DICT (positive)
// forever without progress; it is a damaged stream.
TEST(ZlibStreams, AStreamNeedingADictionaryIsDamaged) {
    std::vector<uint8_t> needsDict = {0x78, 0xBB, 0x00, 0x00, 0x00, 0x01, 0x03, 0x00};
    EXPECT_THROW(Inflate(needsDict), EDecompressionError);
}

TEST(ZlibStreams, InflatingPastTheLimitIsRefused) {
    std::vector<uint8_t> zeros(1 << 20, 0);
    std::vector<uint8_t> bomb = fixture::Deflate(zeros);
    EXPECT_EQ(Inflate(bomb, 1 << 20).size(), zeros.size()) << "exactly the limit is fine";
    try {
        Inflate(bomb, (1 << 20) - 1);
        FAIL();
    } catch (const EDecompressionError& e) {
        EXPECT_NE(e.Message().find("inflates past"), std::string::npos);
    }
}

// What inflating gave: the bytes, or the error class and message.
struct Outcome {
    std::vector<uint8_t> bytes;
    std::string error;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

template <class InflateFn>
Outcome OutcomeOf(InflateFn inflate) {
    try {
        return {inflate(), ""};
    } catch (const EDecompressionError& e) {
        return {{}, "EDecompressionError: " + e.Message()};
    }
}

// Inflating in one piece must end as the stream routine does on the same bytes: the same bytes or
// the same error, for sound, damaged, truncated and oversized streams and limits around them.
TEST(ZlibStreams, InflatingInOnePieceAgreesWithTheStreamRoutine) {
    std::vector<uint8_t> bytes = SomeBytes(70000, 9);
    const std::vector<uint8_t> good = fixture::Deflate(bytes);
    // Zeros compress a thousandfold: far past the first guess of the output size.
    const std::vector<uint8_t> zeros = fixture::Deflate(std::vector<uint8_t>(3 << 20, 0));
    std::vector<std::pair<std::string, std::vector<uint8_t>>> inputs = {
        {"empty", {}},
        {"good", good},
        {"zeros", zeros},
        {"needs a dictionary", {0x78, 0xBB, 0, 0, 0, 1, 3, 0}}};
    for (size_t cut : {size_t(1), size_t(2), good.size() / 3, good.size() - 4, good.size() - 1})
        inputs.push_back({"cut at " + std::to_string(cut), {good.begin(), good.begin() + int64_t(cut)}});
    std::mt19937 rng(3);
    for (int i = 0; i < 40; ++i) {
        std::vector<uint8_t> damaged = good;
        damaged[rng() % damaged.size()] ^= uint8_t(1 + rng() % 255);
        inputs.push_back({"damaged " + std::to_string(i), damaged});
    }
    std::vector<uint8_t> trailing = good;
    trailing.insert(trailing.end(), 100, 0xAB);
    inputs.push_back({"bytes after the end", trailing});
    // 10,000 bytes whose checksum is wrong: the damage shows at the end, which the stream routine
    // reaches under a limit of 9,000 (its third piece of 4,096) but not under 7,000.
    std::vector<uint8_t> badChecksum = fixture::Deflate(SomeBytes(10000, 4));
    badChecksum.back() ^= 0x01;
    inputs.push_back({"bad checksum", badChecksum});

    const int64_t limits[] = {kMaxInflatedSize, 70000, 69999, 65536, 65535, 9000, 7000, 4096, 1, 0, -1};
    for (const auto& [what, input] : inputs) {
        for (int64_t limit : limits) {
            const Outcome stream = OutcomeOf([&] { return Inflate(input, limit); });
            const Outcome whole = OutcomeOf([&] {
                const InflatedBytes out = InflateBytes(input, limit);
                return std::vector<uint8_t>(out.Bytes().begin(), out.Bytes().end());
            });
            EXPECT_TRUE(whole == stream)
                << what << ", limit " << limit << ": " << whole.error << " / " << stream.error << ", "
                << whole.bytes.size() << " / " << stream.bytes.size() << " bytes";
        }
    }
}

// A stream cut where zlib still holds output when the stream routine's 4096-byte piece is full: the
// stream routine ends there, one piece short of what the cut input holds, and so must the load.
TEST(ZlibStreams, EveryCutOfAStreamEndsAsTheStreamRoutineEnds) {
    std::vector<uint8_t> text;
    for (int line = 0; text.size() < 20000; ++line) {
        const std::string s = "[control" + std::to_string(line % 7) + "]\r\nskinrect=0,0,24,24\r\n";
        text.insert(text.end(), s.begin(), s.end());
    }
    const std::vector<uint8_t> good = fixture::Deflate(text);
    for (size_t cut = 0; cut <= good.size(); ++cut) {
        const std::vector<uint8_t> input(good.begin(), good.begin() + int64_t(cut));
        const Outcome stream = OutcomeOf([&] { return Inflate(input); });
        const Outcome whole = OutcomeOf([&] {
            const InflatedBytes out = InflateBytes(input);
            return std::vector<uint8_t>(out.Bytes().begin(), out.Bytes().end());
        });
        ASSERT_TRUE(whole == stream) << "cut at " << cut << ": " << whole.bytes.size() << " / "
                                     << stream.bytes.size() << " bytes";
    }
}
}  // namespace
