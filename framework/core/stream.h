// Byte streams: the framework's stream base and its memory and file streams. Sizes and positions
// are 64-bit; a read or write returns the number of bytes actually moved, and the *Buffer variants
// raise when the full count cannot be moved.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/core/exception.h"

namespace framework {

enum class SeekOrigin { Beginning, Current, End };

// What ReadBuffer raises when the stream ends first; readers of bytes in memory raise the same.
constexpr const char* kStreamReadError = "Stream read error";

class TStream {
  public:
    virtual ~TStream() = default;

    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(int64_t position) { Seek(position, SeekOrigin::Beginning); }
    virtual int64_t Size();
    // Changes the size where the stream allows it; the base refuses.
    virtual void SetSize(int64_t newSize);

    // Raise EReadError / EWriteError when fewer than count bytes could be moved.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);

    // Copies count bytes from source's current position; count 0 copies the whole of source from
    // its start. Returns the number of bytes copied.
    int64_t CopyFrom(TStream& source, int64_t count);
};

// A growable in-memory stream.
class TMemoryStream : public TStream {
  public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override { return int64_t(data_.size()); }
    void SetSize(int64_t newSize) override;

    void Clear();
    const uint8_t* Memory() const { return data_.data(); }
    uint8_t* Memory() { return data_.data(); }
    const std::vector<uint8_t>& Bytes() const { return data_; }

    void LoadFromStream(TStream& source);
    void LoadFromFile(const std::string& path);
    void SaveToStream(TStream& dest) const;
    void SaveToFile(const std::string& path) const;

  private:
    std::vector<uint8_t> data_;
    int64_t position_ = 0;
};

enum class FileMode { OpenRead, OpenReadWrite, Create };

// A stream on a file. Opening a missing or unreadable file raises EFOpenError, failing to create
// one EFCreateError; both name the file.
class TFileStream : public TStream {
  public:
    TFileStream(const std::string& path, FileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    const std::string& FileName() const { return path_; }

  private:
    std::string path_;
    std::FILE* file_ = nullptr;
};

}  // namespace framework
