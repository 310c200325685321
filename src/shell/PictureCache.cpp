#include "shell/PictureCache.h"

#include <algorithm>
#include <utility>

namespace v3 {

CPicture::~CPicture() {
    if (cache_ && handle_) cache_->KillJpegBitmap(*this);
}

CPictureCache::~CPictureCache() {
    for (auto& h : handedOut_) {
        h.object->cache_ = nullptr;
        h.object->handle_ = nullptr;
    }
}

CPictureCache::Decoded* CPictureCache::Find(int nr, const std::string& type, const std::string& fileName) {
    return const_cast<Decoded*>(std::as_const(*this).Find(nr, type, fileName));
}

const CPictureCache::Decoded* CPictureCache::Find(int nr, const std::string& type,
                                                  const std::string& fileName) const {
    for (const auto& d : decoded_) {
        bool same = nr != 0 ? d.nr == nr && d.type == type : d.nr == 0 && d.fileName == fileName;
        if (same) return &d;
    }
    return nullptr;
}

std::unique_ptr<CPicture> CPictureCache::HandOut(Decoded& d) {
    std::unique_ptr<CPicture> object(new CPicture);
    object->cache_ = this;
    object->handle_ = d.picture.get();
    handedOut_.push_back({object.get(), d.nr, d.type, d.fileName});
    return object;
}

std::unique_ptr<CPicture> CPictureCache::LoadJpegBitmap(int nr, const std::string& type) {
    if (nr == 0) return nullptr;  // 0 marks files
    if (Decoded* d = Find(nr, type, "")) {
        ++d->useCount;
        return HandOut(*d);
    }
    auto picture = decoder_.LoadJpegBitmap(nr, type);
    if (!picture) return nullptr;
    decoded_.push_back({nr, type, "", std::move(picture), 1});
    return HandOut(decoded_.back());
}

std::unique_ptr<CPicture> CPictureCache::LoadJpegBitmap(const std::string& path) {
    if (Decoded* d = Find(0, "", path)) {
        ++d->useCount;
        return HandOut(*d);
    }
    auto picture = decoder_.LoadJpegBitmapFromFile(path);
    if (!picture) return nullptr;
    decoded_.push_back({0, "", path, std::move(picture), 1});
    return HandOut(decoded_.back());
}

void CPictureCache::KillJpegBitmap(CPicture& picture) {
    if (picture.cache_ != this) return;
    picture.handle_ = nullptr;
    picture.cache_ = nullptr;
    auto it = std::find_if(handedOut_.begin(), handedOut_.end(),
                           [&](const HandedOut& h) { return h.object == &picture; });
    if (it == handedOut_.end()) return;
    HandedOut entry = std::move(*it);
    handedOut_.erase(it);
    auto d = std::find_if(decoded_.begin(), decoded_.end(), [&](const Decoded& x) {
        return entry.nr != 0 ? x.nr == entry.nr && x.type == entry.type : x.nr == 0 && x.fileName == entry.fileName;
    });
    if (d == decoded_.end()) return;
    if (--d->useCount == 0) decoded_.erase(d);
}

int CPictureCache::UseCount(int nr, const std::string& type) const {
    const Decoded* d = Find(nr, type, "");
    return d ? d->useCount : 0;
}

int CPictureCache::UseCount(const std::string& path) const {
    const Decoded* d = Find(0, "", path);
    return d ? d->useCount : 0;
}

}  // namespace v3
