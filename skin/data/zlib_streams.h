// Streams that deflate into, or inflate from, another stream (the underlying stream, not owned),
// with zlib's standard stream format (RFC 1950) and 4096-byte working buffers.
#pragma once

#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <span>

#include "framework/core/exception.h"
#include "framework/core/stream.h"

namespace skin {

class EZlibError : public framework::Exception {
    using Exception::Exception;
};
class ECompressionError : public EZlibError {
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
    using EZlibError::EZlibError;
};

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };
// zlib's level for each of ours: 0, 1, -1 (zlib's default) and 9.
int ZlibLevel(TCompressionLevel level);

constexpr int kZlibBufferSize = 4096;

class TCustomZlibStream : public framework::TStream {
  public:
    TCustomZlibStream(const TCustomZlibStream&) = delete;
    TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

    // Raised after each full buffer is exchanged with the underlying stream.
    std::function<void(TCustomZlibStream* sender)> OnProgress;

  protected:
    explicit TCustomZlibStream(framework::TStream& strm);
    void Progress();
    // Puts the underlying stream back where this stream left it, if someone moved it.
    void ReturnToLastPosition();

    framework::TStream& strm_;
    int64_t strmPos_;
    z_stream zrec_{};
    std::array<Bytef, kZlibBufferSize> buffer_{};
};

// Write-only: what is written is deflated into the underlying stream. Finish() (or destruction)
// completes the zlib stream.
class TCompressionStream : public TCustomZlibStream {
  public:
    TCompressionStream(TCompressionLevel level, framework::TStream& dest);
    // Finishes the zlib stream if Finish() was not called; errors are lost then.
    ~TCompressionStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // Only Seek(0, Current), which gives the number of bytes taken in so far.
    int64_t Seek(int64_t offset, framework::SeekOrigin origin) override;

    // Flushes the rest of the deflated data and the stream trailer to the underlying stream.
    void Finish();

  private:
    bool finished_ = false;
};

// Read-only: reading inflates from the underlying stream. A read returns fewer bytes than asked
// for when the zlib stream ends or the underlying stream runs out.
class TDecompressionStream : public TCustomZlibStream {
  public:
    explicit TDecompressionStream(framework::TStream& source);
    ~TDecompressionStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // Seek(0, Beginning) restarts from the first compressed byte; Seek(0, Current) gives the number
    // of bytes produced so far; forward moves read and discard. Nothing else.
    int64_t Seek(int64_t offset, framework::SeekOrigin origin) override;

  private:
    void Skip(int64_t count);

    int64_t startPos_;
    bool streamEnded_ = false;
};

// Deflates the whole of `source` (from its start) at level max into `dest`.
void CompressStream(framework::TStream& source, framework::TStream& dest,
                    TCompressionLevel level = TCompressionLevel::clMax);

// No stored skin inflates to more than this; larger results are refused, not allocated.
constexpr int64_t kMaxInflatedSize = int64_t(256) << 20;

// Inflates the whole of `source` (from its start) and appends the result to `dest`. A truncated
// stream stops where its data ends; a damaged one raises EDecompressionError, and so does one that
// would produce more than `limit` bytes.
void DecompressStream(framework::TStream& dest, framework::TStream& source, int64_t limit = kMaxInflatedSize);

// Bytes inflated in one piece. The storage is not cleared before zlib writes it and grows in place
// where the allocator can, so each byte of a sound stream is written once.
class InflatedBytes {
  public:
    std::span<const uint8_t> Bytes() const { return {data_.get(), size_}; }

    struct Free {
        void operator()(uint8_t* p) const { std::free(p); }
    };

  private:
    friend InflatedBytes InflateBytes(std::span<const uint8_t> compressed, int64_t limit);
    std::unique_ptr<uint8_t, Free> data_;
    size_t size_ = 0;
};

// Inflates a whole zlib stream at once, with the outcome of DecompressStream on the same bytes: a
// truncated stream gives what its data holds, a damaged one raises EDecompressionError, and so does
// one that would produce more than `limit` bytes.
InflatedBytes InflateBytes(std::span<const uint8_t> compressed, int64_t limit = kMaxInflatedSize);

}  // namespace skin
