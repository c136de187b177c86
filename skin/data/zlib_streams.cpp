#include "skin/data/zlib_streams.h"

#include <algorithm>
#include <climits>
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
        int result = inflate(&zrec_, Z_NO_FLUSH);
        // Z_NEED_DICT is positive but as fatal as the errors: no dictionary will ever come.
        if (result == Z_STREAM_END)
            streamEnded_ = true;
        else if (result != Z_OK)
            throw EDecompressionError("compression error");
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
            throw EDecompressionError("compressed data inflates past " + std::to_string(limit) + " bytes");
        dest.WriteBuffer(piece.data(), got);
    }
}

}  // namespace skin
