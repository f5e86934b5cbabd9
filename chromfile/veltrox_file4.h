#pragma once
// The host's chromatogram file: a 16-byte header, one binary block of signal samples per detector channel,
// then an XML document with the passport and the channels' peak tables.

#include <cstdint>
#include <cstdio>
#include <vector>

#include "chromfile/records.h"

class CVeltroxFile4 {
public:
    // Result codes of Load.
    enum Result : int32_t {
        kLoaded = 0,
        kCannotOpen = -1,
        kNoHeader = -2,
        kBadSignature = -3,
        kBadVersion = -4,
        kShortBlockHeader = -5,
        kBadSampleCount = -6,
        kBadDocument = -7,
    };

    // Sees the bytes the reader takes from a file, in file order, as each read happens (a fingerprint of it).
    class ByteObserver {
    public:
        virtual void Seen(const void* bytes, size_t count) = 0;

    protected:
        ~ByteObserver() = default;
    };

    // What LoadObserved did: the load's code, and whether the observer saw every byte of the file.
    struct ObservedLoad {
        int32_t result = kCannotOpen;
        bool wholeFileSeen = false;
    };

    virtual ~CVeltroxFile4() = default;

    // Reads the file at path (zero-terminated UTF-16) into this object and returns a result code. A failed
    // load leaves the object in the state its result code stands for: untouched before the blocks, the
    // complete blocks without tables after a block failure, every block without tables after a document
    // failure. Throws nothing: memory that runs out fails the part being read with that part's code and
    // state (the name −1, a block −6, the document −7).
    virtual int32_t Load(const wchar_t* path);

    // Load, showing observer every byte as the reader reads it and then the rest of the file after the part
    // the reader needed, so that the file is opened and read once and the observer sees all of it, whether or
    // not it loads. Plain Load pays nothing for this.
    ObservedLoad LoadObserved(const wchar_t* path, ByteObserver& observer);

    // The same reading from a stream opened in binary mode at the start of the file's bytes; path only
    // becomes the passport's path. The stream must be seekable: its size bounds every count.
    int32_t Read(std::FILE* file, const wchar_t* path);

    // Format version of the file last loaded.
    uint8_t version = 1;
    Passport passport;
    // One record per channel block, in block order.
    std::vector<ChannelRecord> channels;

private:
    // Read, showing observer (when there is one) each read's bytes.
    int32_t Read(std::FILE* file, const wchar_t* path, ByteObserver* observer);
};
