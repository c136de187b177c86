#include "framework/core/stream.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace framework {

int64_t TStream::Size() {
    int64_t here = Seek(0, SeekOrigin::Current);
    int64_t end = Seek(0, SeekOrigin::End);
    Seek(here, SeekOrigin::Beginning);
    return end;
}

void TStream::SetSize(int64_t) {
    throw EStreamError("Stream size cannot be changed");
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError(kStreamReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    constexpr int64_t kPiece = 64 * 1024;
    std::vector<uint8_t> buffer(size_t(std::min(count, kPiece)));
    int64_t copied = 0;
    while (copied < count) {
        int64_t n = std::min(count - copied, kPiece);
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        copied += n;
    }
    return copied;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    if (count <= 0 || position_ >= Size())
        return 0;
    int64_t n = std::min(count, Size() - position_);
    std::memcpy(buffer, data_.data() + position_, size_t(n));
    position_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    if (position_ + count > Size())
        data_.resize(size_t(position_ + count));
    std::memcpy(data_.data() + position_, buffer, size_t(count));
    position_ += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
    int64_t base = origin == SeekOrigin::Beginning ? 0 : origin == SeekOrigin::Current ? position_ : Size();
    // A position before the start is refused; past the end is allowed and grows the stream on write.
    if (base + offset >= 0)
        position_ = base + offset;
    return position_;
}

void TMemoryStream::SetSize(int64_t newSize) {
    if (newSize < 0)
        throw EStreamError("Stream size cannot be negative");
    data_.resize(size_t(newSize));
    position_ = std::min(position_, newSize);
}

void TMemoryStream::Clear() {
    data_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    int64_t size = source.Size();
    SetSize(size);
    source.ReadBuffer(data_.data(), size);
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& path) {
    TFileStream file(path, FileMode::OpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& dest) const {
    dest.WriteBuffer(data_.data(), int64_t(data_.size()));
}

void TMemoryStream::SaveToFile(const std::string& path) const {
    TFileStream file(path, FileMode::Create);
    SaveToStream(file);
}

TFileStream::TFileStream(const std::string& path, FileMode mode) : path_(path) {
    const char* how = mode == FileMode::OpenRead ? "rb" : mode == FileMode::OpenReadWrite ? "r+b" : "w+b";
    file_ = std::fopen(path.c_str(), how);
    if (!file_) {
        std::string reason = std::strerror(errno);
        if (mode == FileMode::Create)
            throw EFCreateError("Cannot create file \"" + path + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + path + "\". " + reason);
    }
}

TFileStream::~TFileStream() {
    if (file_)
        std::fclose(file_);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    return int64_t(std::fread(buffer, 1, size_t(count), file_));
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
    if (count <= 0)
        return 0;
    return int64_t(std::fwrite(buffer, 1, size_t(count), file_));
}

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin) {
    int whence = origin == SeekOrigin::Beginning ? SEEK_SET
                 : origin == SeekOrigin::Current ? SEEK_CUR
                                                 : SEEK_END;
    if (std::fseek(file_, long(offset), whence) != 0)
        return -1;
    return int64_t(std::ftell(file_));
}

}  // namespace framework
