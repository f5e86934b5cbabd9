#include "chromfile/veltrox_file4.h"

#include <bit>
#include <cstring>
#include <limits>
#include <new>
#include <string>

#include "chromfile/file_document.h"
#include "chromfile/file_open.h"

// Samples and doubles are copied from the file as they are stored: little-endian IEEE-754.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(float) == 4 && sizeof(double) == 8);

namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kBlockHeaderSize = 32;

template <typename T>
T Field(const unsigned char* bytes) {
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// Size of a seekable stream, leaving it at its start; -1 when it cannot be told.
int64_t StreamSize(std::FILE* file) {
#ifdef _WIN32
    if (_fseeki64(file, 0, SEEK_END) != 0) return -1;
    const int64_t size = _ftelli64(file);
    return _fseeki64(file, 0, SEEK_SET) == 0 ? size : -1;
#else
    if (fseeko(file, 0, SEEK_END) != 0) return -1;
    const int64_t size = ftello(file);
    return fseeko(file, 0, SEEK_SET) == 0 ? size : -1;
#endif
}

// Reads the file's bytes in order, knowing how many are left, so that no count read from the file can
// make us reserve more memory than the file could fill.
class FileCursor {
public:
    FileCursor(std::FILE* file, int64_t size, CVeltroxFile4::ByteObserver* observer)
        : file_(file), size_(size), observer_(observer) {}

    bool ReadExactly(void* target, size_t count) {
        if (observer_ != nullptr) return ReadShowing(static_cast<unsigned char*>(target), count);
        const size_t got = std::fread(target, 1, count, file_);
        position_ += got;
        return got == count;
    }
    uint64_t Position() const { return position_; }
    int64_t Remaining() const { return size_ - static_cast<int64_t>(position_); }

private:
    // Read in parts that still sit in the processor's cache when the observer takes them: a hash of the
    // samples read whole would fetch them from memory a second time.
    bool ReadShowing(unsigned char* target, size_t count) {
        constexpr size_t kPart = 256 * 1024;
        for (size_t done = 0; done < count;) {
            const size_t want = count - done < kPart ? count - done : kPart;
            const size_t got = std::fread(target + done, 1, want, file_);
            position_ += got;
            if (got != 0) observer_->Seen(target + done, got);
            if (got != want) return false;
            done += got;
        }
        return true;
    }

    std::FILE* file_;
    int64_t size_;
    CVeltroxFile4::ByteObserver* observer_;
    uint64_t position_ = 0;
};

// One channel block at the cursor; kLoaded and the record appended, or the block's failure code.
int32_t ReadBlock(FileCursor& cursor, std::vector<ChannelRecord>& channels) {
    unsigned char header[kBlockHeaderSize];
    if (!cursor.ReadExactly(header, sizeof header)) return CVeltroxFile4::kShortBlockHeader;
    const uint64_t count = Field<uint64_t>(header + 24);
    if ((count >> 32) != 0) return CVeltroxFile4::kBadSampleCount;
    // Checked before anything is reserved: a count larger than the bytes left can never be satisfied.
    if (cursor.Remaining() < 0 || count > static_cast<uint64_t>(cursor.Remaining()) / sizeof(float))
        return CVeltroxFile4::kBadSampleCount;

    ChannelRecord channel;
    channel.number = header[0];
    channel.blockValueA = Field<double>(header + 8);
    channel.blockValueB = Field<double>(header + 16);
    // A count the file can satisfy may still not fit the process: a 32-bit host reading a file of hundreds of
    // megabytes, or of more than a vector can index there. Its samples cannot be read, as with a count the
    // file cannot satisfy.
    if (count > channel.samples.max_size()) return CVeltroxFile4::kBadSampleCount;
    try {
        channel.samples.resize(static_cast<size_t>(count));
    } catch (const std::bad_alloc&) {
        return CVeltroxFile4::kBadSampleCount;
    }
    if (!cursor.ReadExactly(channel.samples.data(), channel.samples.size() * sizeof(float)))
        return CVeltroxFile4::kBadSampleCount;
    // A record that cannot be appended is a block that could not be kept, like one whose samples found no
    // room; the list keeps the blocks before it (push_back leaves it as it was).
    try {
        channels.push_back(std::move(channel));
    } catch (const std::bad_alloc&) {
        return CVeltroxFile4::kBadSampleCount;
    }
    return CVeltroxFile4::kLoaded;
}

// The document part from the cursor to the end of the file, read in one go.
bool ReadDocument(FileCursor& cursor, Passport& passport, std::vector<ChannelRecord>& channels) {
    const int64_t length = cursor.Remaining();
    if (length < 0 || static_cast<uint64_t>(length) > std::numeric_limits<size_t>::max()) return false;
    std::vector<char> bytes;
    try {
        bytes.resize(static_cast<size_t>(length));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return cursor.ReadExactly(bytes.data(), bytes.size()) &&
           ReadFileDocument(bytes.data(), bytes.size(), passport, channels);
}

// The file at path, or null. Elsewhere than Windows the name is converted first; a name that finds no memory
// cannot be opened.
FilePtr OpenNamed(const wchar_t* path) {
    try {
        return OpenForBinaryReading(path);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

// Passes the bytes on and counts them: where the reader stopped.
class CountingObserver : public CVeltroxFile4::ByteObserver {
public:
    explicit CountingObserver(CVeltroxFile4::ByteObserver& next) : next_(next) {}

    void Seen(const void* bytes, size_t count) override {
        count_ += count;
        next_.Seen(bytes, count);
    }
    uint64_t Count() const { return count_; }

private:
    CVeltroxFile4::ByteObserver& next_;
    uint64_t count_ = 0;
};

// Shows observer the bytes from offset to the end of the file; false when they could not all be read.
bool ShowRest(std::FILE* file, uint64_t offset, CVeltroxFile4::ByteObserver& observer) {
    // Sizing the stream may have failed with the position elsewhere; seeking also clears a short read's end.
    if (offset > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) return false;
#ifdef _WIN32
    if (_fseeki64(file, static_cast<int64_t>(offset), SEEK_SET) != 0) return false;
#else
    if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0) return false;
#endif
    unsigned char buffer[64 * 1024];
    size_t got = 0;
    do {
        got = std::fread(buffer, 1, sizeof buffer, file);
        if (got != 0) observer.Seen(buffer, got);
    } while (got == sizeof buffer);
    return std::ferror(file) == 0;
}

}  // namespace

int32_t CVeltroxFile4::Load(const wchar_t* path) {
    const FilePtr file = OpenNamed(path);
    if (!file) return kCannotOpen;
    return Read(file.get(), path, nullptr);
}

CVeltroxFile4::ObservedLoad CVeltroxFile4::LoadObserved(const wchar_t* path, ByteObserver& observer) {
    const FilePtr file = OpenNamed(path);
    if (!file) return {};
    CountingObserver counter(observer);
    ObservedLoad load;
    load.result = Read(file.get(), path, &counter);
    load.wholeFileSeen = ShowRest(file.get(), counter.Count(), observer);
    return load;
}

int32_t CVeltroxFile4::Read(std::FILE* file, const wchar_t* path) {
    return Read(file, path, nullptr);
}

int32_t CVeltroxFile4::Read(std::FILE* file, const wchar_t* path, ByteObserver* observer) {
    const int64_t size = StreamSize(file);
    if (size < 0) return kCannotOpen;
    FileCursor cursor(file, size, observer);

    unsigned char header[kHeaderSize];
    if (!cursor.ReadExactly(header, sizeof header)) return kNoHeader;
    if (header[0] != 'S' || header[1] != 'T' || header[2] != 'G') return kBadSignature;
    if (header[3] > 1) return kBadVersion;
    version = header[3];
    channels.clear();

    // The stored offset only ends the block loop; the document is read from wherever the blocks end.
    const uint64_t documentOffset = Field<uint64_t>(header + 8);
    while (cursor.Position() < documentOffset) {
        const int32_t result = ReadBlock(cursor, channels);
        if (result != kLoaded) return result;
    }
    // The passport's path is copied before the document is read, so that a copy without memory fails the
    // document part with the passport untouched, and a document read in full is never left without it.
    std::wstring passportPath;
    try {
        passportPath = path;
    } catch (const std::bad_alloc&) {
        return kBadDocument;
    }
    if (!ReadDocument(cursor, passport, channels)) return kBadDocument;
    passport.path.swap(passportPath);
    return kLoaded;
}
