#include "skin/data/zlib_streams.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <limits>
#include <new>
#include <string>

namespace skin {

namespace {

constexpr const char* kInvalidOperation = "Invalid stream operation";

int CCheck(int code) {
    if (code < 0)
        throw ECompressionError("error");
    return code;
}

// The most zlib takes or gives in one call.
uInt Piece(int64_t count) {
    return uInt(std::min<int64_t>(count, UINT_MAX));
}

// One inflate call; true once the zlib stream has ended.
bool InflateOn(z_stream& z) {
    const int result = inflate(&z, Z_NO_FLUSH);
    // Z_NEED_DICT is positive but as fatal as the errors: no dictionary will ever come.
    if (result != Z_OK && result != Z_STREAM_END)
        throw EDecompressionError("compression error");
    return result == Z_STREAM_END;
}

[[noreturn]] void RefuseInflatedSize(int64_t limit) {
    throw EDecompressionError("compressed data inflates past " + std::to_string(limit) + " bytes");
}

}  // namespace

int ZlibLevel(TCompressionLevel level) {
    switch (level) {
        case TCompressionLevel::clNone:
            return Z_NO_COMPRESSION;
        case TCompressionLevel::clFastest:
            return Z_BEST_SPEED;
        case TCompressionLevel::clDefault:
            return Z_DEFAULT_COMPRESSION;
        case TCompressionLevel::clMax:
            return Z_BEST_COMPRESSION;
    }
    return Z_DEFAULT_COMPRESSION;
}

TCustomZlibStream::TCustomZlibStream(framework::TStream& strm) : strm_(strm), strmPos_(strm.Position()) {}

void TCustomZlibStream::Progress() {
    if (OnProgress)
        OnProgress(this);
}

void TCustomZlibStream::ReturnToLastPosition() {
    if (strm_.Position() != strmPos_)
        strm_.SetPosition(strmPos_);
}

TCompressionStream::TCompressionStream(TCompressionLevel level, framework::TStream& dest)
    : TCustomZlibStream(dest) {
    zrec_.next_out = buffer_.data();
    zrec_.avail_out = kZlibBufferSize;
    CCheck(deflateInit(&zrec_, ZlibLevel(level)));
}

TCompressionStream::~TCompressionStream() {
    if (!finished_) {
        try {
            Finish();
        } catch (...) {
            // A destructor cannot report; callers who care call Finish() themselves.
        }
    }
    deflateEnd(&zrec_);
}

int64_t TCompressionStream::Read(void*, int64_t) {
    throw ECompressionError(kInvalidOperation);
}

int64_t TCompressionStream::Write(const void* buffer, int64_t count) {
    if (finished_)
        throw ECompressionError(kInvalidOperation);
    ReturnToLastPosition();
    const Bytef* next = static_cast<const Bytef*>(buffer);
    int64_t left = std::max<int64_t>(count, 0);
    while (left > 0) {
        zrec_.next_in = const_cast<Bytef*>(next);
        zrec_.avail_in = Piece(left);
        next += zrec_.avail_in;
        left -= zrec_.avail_in;
        while (zrec_.avail_in > 0) {
            CCheck(deflate(&zrec_, Z_NO_FLUSH));
            if (zrec_.avail_out == 0) {
                strm_.WriteBuffer(buffer_.data(), kZlibBufferSize);
                zrec_.next_out = buffer_.data();
                zrec_.avail_out = kZlibBufferSize;
                strmPos_ = strm_.Position();
                Progress();
            }
        }
    }
    return count;
}

int64_t TCompressionStream::Seek(int64_t offset, framework::SeekOrigin origin) {
    if (offset == 0 && origin == framework::SeekOrigin::Current)
        return int64_t(zrec_.total_in);
    throw ECompressionError(kInvalidOperation);
}

void TCompressionStream::Finish() {
    if (finished_)
        return;
    finished_ = true;
    zrec_.next_in = nullptr;
    zrec_.avail_in = 0;
    ReturnToLastPosition();
    while (CCheck(deflate(&zrec_, Z_FINISH)) != Z_STREAM_END && zrec_.avail_out == 0) {
        strm_.WriteBuffer(buffer_.data(), kZlibBufferSize);
        zrec_.next_out = buffer_.data();
        zrec_.avail_out = kZlibBufferSize;
    }
    if (zrec_.avail_out < uInt(kZlibBufferSize))
        strm_.WriteBuffer(buffer_.data(), kZlibBufferSize - zrec_.avail_out);
    strmPos_ = strm_.Position();
}

TDecompressionStream::TDecompressionStream(framework::TStream& source)
    : TCustomZlibStream(source), startPos_(strmPos_) {
    zrec_.next_in = buffer_.data();
    zrec_.avail_in = 0;
    if (inflateInit(&zrec_) < 0)
        throw EDecompressionError("compression error");
}

TDecompressionStream::~TDecompressionStream() {
    inflateEnd(&zrec_);
}

int64_t TDecompressionStream::Read(void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    zrec_.next_out = static_cast<Bytef*>(buffer);
    zrec_.avail_out = Piece(count);
    const uInt wanted = zrec_.avail_out;
    ReturnToLastPosition();
    // Once the zlib stream has ended nothing more comes, whatever bytes follow it in the source:
    // inflating on would make no progress and never return.
    while (zrec_.avail_out > 0 && !streamEnded_) {
        if (zrec_.avail_in == 0) {
            int64_t got = strm_.Read(buffer_.data(), kZlibBufferSize);
            if (got <= 0)
                break;
            zrec_.next_in = buffer_.data();
            zrec_.avail_in = uInt(got);
            strmPos_ = strm_.Position();
            Progress();
        }
        streamEnded_ = InflateOn(zrec_);
    }
    return int64_t(wanted - zrec_.avail_out);
}

int64_t TDecompressionStream::Write(const void*, int64_t) {
    throw EDecompressionError(kInvalidOperation);
}

void TDecompressionStream::Skip(int64_t count) {
    std::array<Bytef, kZlibBufferSize> scrap;
    for (; count >= kZlibBufferSize; count -= kZlibBufferSize) ReadBuffer(scrap.data(), kZlibBufferSize);
    ReadBuffer(scrap.data(), count);
}

int64_t TDecompressionStream::Seek(int64_t offset, framework::SeekOrigin origin) {
    const int64_t produced = int64_t(zrec_.total_out);
    if (offset == 0 && origin == framework::SeekOrigin::Beginning) {
        if (inflateReset(&zrec_) < 0)
            throw EDecompressionError("compression error");
        zrec_.next_in = buffer_.data();
        zrec_.avail_in = 0;
        streamEnded_ = false;
        strm_.SetPosition(startPos_);
        strmPos_ = startPos_;
        return 0;
    }
    if (offset == 0 && origin == framework::SeekOrigin::Current)
        return produced;
    if (origin == framework::SeekOrigin::Current && offset > 0) {
        Skip(offset);
        return int64_t(zrec_.total_out);
    }
    if (origin == framework::SeekOrigin::Beginning && offset > produced) {
        Skip(offset - produced);
        return int64_t(zrec_.total_out);
    }
    throw EDecompressionError(kInvalidOperation);
}

void CompressStream(framework::TStream& source, framework::TStream& dest, TCompressionLevel level) {
    TCompressionStream compressor(level, dest);
    compressor.CopyFrom(source, 0);
    compressor.Finish();
}

void DecompressStream(framework::TStream& dest, framework::TStream& source, int64_t limit) {
    source.SetPosition(0);
    TDecompressionStream inflater(source);
    std::array<uint8_t, kZlibBufferSize> piece;
    int64_t total = 0;
    for (;;) {
        int64_t got = inflater.Read(piece.data(), kZlibBufferSize);
        if (got == 0)
            break;
        total += got;
        if (total > limit)
            RefuseInflatedSize(limit);
        dest.WriteBuffer(piece.data(), got);
    }
}

namespace {

// Storage that grows in place where the allocator can and is not cleared before zlib writes it.
class GrowingBytes {
  public:
    uint8_t* data() { return data_.get(); }
    size_t capacity() const { return capacity_; }
    void grow(size_t capacity) {
        void* grown = std::realloc(data_.get(), capacity);
        if (!grown)
            throw std::bad_alloc();
        static_cast<void>(data_.release());
        data_.reset(static_cast<uint8_t*>(grown));
        capacity_ = capacity;
    }
    std::unique_ptr<uint8_t, InflatedBytes::Free> release() { return std::move(data_); }

  private:
    std::unique_ptr<uint8_t, InflatedBytes::Free> data_;
    size_t capacity_ = 0;
};

// The whole stream in large steps, when it is sound and ends within the limit; otherwise nothing
// (the caller then goes the stream routine's way).
bool InflateSound(std::span<const uint8_t> compressed, int64_t limit, GrowingBytes& out, size_t& size) {
    z_stream z{};
    if (inflateInit(&z) < 0)
        throw EDecompressionError("compression error");
    struct End {
        z_stream& z;
        ~End() { inflateEnd(&z); }
    } end{z};

    // One byte past the limit tells a stream that is too large.
    const size_t most = size_t(std::clamp<int64_t>(limit, 0, std::numeric_limits<int64_t>::max() / 4)) + 1;
    size = 0;
    z.next_in = const_cast<Bytef*>(compressed.data());
    size_t inputLeft = compressed.size();
    for (;;) {
        if (z.avail_in == 0) {
            if (inputLeft == 0)
                return false;  // truncated
            z.avail_in = Piece(int64_t(inputLeft));
            inputLeft -= z.avail_in;
        }
        if (size == out.capacity()) {
            if (size >= most)
                return false;  // too large
            // Skins inflate to a few times their compressed size; a first guess too small doubles.
            out.grow(
                std::min(most, std::max({out.capacity() * 2, compressed.size() * 8, size_t(64) * 1024})));
        }
        z.next_out = out.data() + size;
        z.avail_out = Piece(int64_t(out.capacity() - size));
        const uInt room = z.avail_out;
        const int result = inflate(&z, Z_NO_FLUSH);
        size += room - z.avail_out;
        if (result == Z_STREAM_END)
            return size < most;
        if (result != Z_OK)
            return false;  // damaged
    }
}

}  // namespace

InflatedBytes InflateBytes(std::span<const uint8_t> compressed, int64_t limit) {
    GrowingBytes storage;
    size_t size = 0;
    if (InflateSound(compressed, limit, storage, size)) {
        InflatedBytes out;
        out.data_ = storage.release();
        out.size_ = size;
        return out;
    }
    // A damaged, truncated or oversized stream: where reading it stops and what it reports depend
    // on the 4096-byte pieces the stream routine works in, so that routine reads it.
    storage = GrowingBytes();
    framework::TMemoryStream source(std::vector<uint8_t>(compressed.begin(), compressed.end())), dest;
    DecompressStream(dest, source, limit);
    InflatedBytes out;
    out.size_ = dest.Bytes().size();
    if (out.size_ > 0) {
        storage.grow(out.size_);
        std::memcpy(storage.data(), dest.Bytes().data(), out.size_);
        out.data_ = storage.release();
    }
    return out;
}

}  // namespace skin
