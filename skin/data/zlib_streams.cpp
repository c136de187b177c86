#include "skin/data/zlib_streams.h"

#include <algorithm>
#include <climits>
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

// DecompressStream checks the limit after each piece of kZlibBufferSize bytes, so it reads on to the
// end of the piece that passes the limit (and finds damage there first); so do we.
int64_t BytesLookedAt(int64_t limit) {
    const int64_t bounded = std::clamp<int64_t>(limit, 0, std::numeric_limits<int64_t>::max() / 4);
    return (bounded / kZlibBufferSize + 1) * kZlibBufferSize;
}

}  // namespace

InflatedBytes InflateBytes(std::span<const uint8_t> compressed, int64_t limit) {
    z_stream z{};
    if (inflateInit(&z) < 0)
        throw EDecompressionError("compression error");
    struct End {
        z_stream& z;
        ~End() { inflateEnd(&z); }
    } end{z};

    const int64_t lookedAt = BytesLookedAt(limit);
    InflatedBytes out;
    size_t capacity = 0;
    // Skins inflate to a few times their compressed size; a first guess too small doubles.
    auto grow = [&] {
        const int64_t wanted = std::min<int64_t>(
            lookedAt, std::max<int64_t>({int64_t(capacity) * 2, int64_t(compressed.size()) * 8, 64 * 1024}));
        void* grown = std::realloc(out.data_.get(), size_t(wanted));
        if (!grown)
            throw std::bad_alloc();
        static_cast<void>(out.data_.release());
        out.data_.reset(static_cast<uint8_t*>(grown));
        capacity = size_t(wanted);
    };

    z.next_in = const_cast<Bytef*>(compressed.data());
    size_t inputLeft = compressed.size();
    for (;;) {
        if (z.avail_in == 0) {
            if (inputLeft == 0)
                break;  // a truncated stream gives what its data holds
            z.avail_in = Piece(int64_t(inputLeft));
            inputLeft -= z.avail_in;
        }
        if (out.size_ == capacity) {
            if (int64_t(capacity) >= lookedAt)
                break;
            grow();
        }
        z.next_out = out.data_.get() + out.size_;
        z.avail_out = Piece(int64_t(capacity - out.size_));
        const uInt room = z.avail_out;
        const bool ended = InflateOn(z);
        out.size_ += room - z.avail_out;
        if (ended)
            break;
    }
    // Nothing out is never too much, as for DecompressStream, which checks each piece it gets.
    if (int64_t(out.size_) > std::max<int64_t>(limit, 0))
        RefuseInflatedSize(limit);
    return out;
}

}  // namespace skin
