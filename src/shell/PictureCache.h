#pragma once
// The picture cache: each picture (by resource number, or by file name) is
// decoded once and shared by every user; the last user to give it back releases
// it. Decoding belongs to the platform (IPictureDecoder); the cache only counts.
#include <memory>
#include <string>
#include <vector>

namespace v3 {

// A decoded picture; the platform's decoder derives from it.
class IDecodedPicture {
public:
    virtual ~IDecodedPicture() = default;
};

class IPictureDecoder {
public:
    virtual ~IPictureDecoder() = default;
    // Decodes the picture stored under this number and type ("JPEGS", "BITMAP");
    // null when there is none or it cannot be decoded.
    virtual std::unique_ptr<IDecodedPicture> LoadJpegBitmap(int nr, const std::string& type) = 0;
    // Decodes a picture file; null on failure.
    virtual std::unique_ptr<IDecodedPicture> LoadJpegBitmapFromFile(const std::string& path) = 0;
};

class CPictureCache;

// A picture object handed to one user. It gives its picture back when it is
// destroyed (or earlier through KillJpegBitmap).
class CPicture {
public:
    ~CPicture();
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;

    // The shared decoded picture; null after it was given back.
    const IDecodedPicture* Handle() const { return handle_; }
    template <class T>
    const T* As() const { return dynamic_cast<const T*>(handle_); }

private:
    friend class CPictureCache;
    CPicture() = default;
    CPictureCache* cache_ = nullptr;
    const IDecodedPicture* handle_ = nullptr;
};

class CPictureCache {
public:
    // The decoder must outlive the cache.
    explicit CPictureCache(IPictureDecoder& decoder) : decoder_(decoder) {}
    // Objects still handed out lose their picture.
    ~CPictureCache();
    CPictureCache(const CPictureCache&) = delete;
    CPictureCache& operator=(const CPictureCache&) = delete;

    // The picture with this number and type, decoded on first use; null when it cannot be decoded.
    std::unique_ptr<CPicture> LoadJpegBitmap(int nr, const std::string& type);
    // The picture file (names compared exactly), decoded on first use; null on failure.
    std::unique_ptr<CPicture> LoadJpegBitmap(const std::string& path);
    // Gives an object's picture back; the decoded picture goes with its last user.
    void KillJpegBitmap(CPicture& picture);

    // Users of a decoded picture (0 when it is not cached).
    int UseCount(int nr, const std::string& type) const;
    int UseCount(const std::string& path) const;
    size_t DecodedCount() const { return decoded_.size(); }
    size_t HandedOutCount() const { return handedOut_.size(); }

private:
    struct Decoded {
        int nr = 0;            // 0 for a file
        std::string type;      // empty for a file
        std::string fileName;  // empty for a resource
        std::unique_ptr<IDecodedPicture> picture;
        int useCount = 1;
    };
    struct HandedOut {
        CPicture* object;
        int nr;
        std::string type;
        std::string fileName;
    };

    Decoded* Find(int nr, const std::string& type, const std::string& fileName);
    const Decoded* Find(int nr, const std::string& type, const std::string& fileName) const;
    std::unique_ptr<CPicture> HandOut(Decoded& d);

    IPictureDecoder& decoder_;
    std::vector<Decoded> decoded_;
    std::vector<HandedOut> handedOut_;
};

}  // namespace v3
