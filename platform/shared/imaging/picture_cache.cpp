#include "shared/imaging/picture_cache.h"

#include <cstring>
#include <functional>
#include <new>
#include <string_view>

namespace wincore {

namespace {

// The standard library's hash reads a word at a time (64 bits on 64-bit targets) and mixes in
// the length; a match is still confirmed byte for byte.
size_t ContentKey(const EncodedBytes& bytes)
{
    return std::hash<std::string_view>()(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool SameBytes(const EncodedBytes& a, const EncodedBytes& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0;
}

size_t CostOf(const EncodedBytes& bytes, const DecodedImage& picture)
{
    return bytes.size() + picture.pixels.size() * sizeof(picture.pixels[0]);
}

}  // namespace

PictureCache::Entries::iterator PictureCache::Locate(const EncodedBytes& bytes, size_t key)
{
    auto [first, last] = byKey_.equal_range(key);
    for (auto found = first; found != last; ++found)
        if (SameBytes(found->second->encoded, bytes)) return found->second;
    return entries_.end();
}

HRESULT PictureCache::Obtain(const EncodedBytes& bytes, Decoder decode, std::shared_ptr<const DecodedImage>& picture)
{
    const size_t key = ContentKey(bytes);
    picture = Find(bytes, key);
    if (picture) return S_OK;
    HRESULT result = decode(bytes, picture);
    if (SUCCEEDED(result)) Keep(bytes, key, picture);
    return result;
}

std::shared_ptr<const DecodedImage> PictureCache::Find(const EncodedBytes& bytes, size_t key)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto entry = Locate(bytes, key);
    if (entry == entries_.end()) return nullptr;
    entries_.splice(entries_.begin(), entries_, entry);
    return entry->picture;
}

void PictureCache::Keep(const EncodedBytes& bytes, size_t key, std::shared_ptr<const DecodedImage> picture)
{
    size_t cost = CostOf(bytes, *picture);
    if (cost > budget_ / kLargestShareOfBudget) return;
    std::lock_guard<std::mutex> lock(mutex_);
    // Another thread may have decoded the same bytes meanwhile.
    if (Locate(bytes, key) != entries_.end()) return;
    // The caller's buffer has room for a further read; the entry keeps an exact copy. Out of
    // memory only leaves the picture uncached (an entry without its key is taken back).
    try {
        entries_.push_front({EncodedBytes(bytes.begin(), bytes.end()), std::move(picture), key, cost});
        byKey_.emplace(key, entries_.begin());
    } catch (const std::bad_alloc&) {
        if (entries_.size() > byKey_.size()) entries_.pop_front();
        return;
    }
    held_ += cost;
    DropBeyondBudget();
}

void PictureCache::DropBeyondBudget()
{
    while (held_ > budget_) {
        Entry& oldest = entries_.back();
        auto [first, last] = byKey_.equal_range(oldest.key);
        for (auto found = first; found != last; ++found) {
            if (&*found->second != &oldest) continue;
            byKey_.erase(found);
            break;
        }
        held_ -= oldest.cost;
        entries_.pop_back();
    }
}

size_t PictureCache::HeldBytes() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return held_;
}

namespace {

struct SharedCache {
    std::mutex mutex;
    std::weak_ptr<PictureCache> cache;
};

SharedCache& Shared()
{
    static SharedCache shared;
    return shared;
}

}  // namespace

std::shared_ptr<PictureCache> SharedPictureCache()
{
    SharedCache& shared = Shared();
    std::lock_guard<std::mutex> lock(shared.mutex);
    std::shared_ptr<PictureCache> cache = shared.cache.lock();
    if (cache) return cache;
    try {
        cache = std::make_shared<PictureCache>();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    shared.cache = cache;
    return cache;
}

size_t SharedPictureBytes()
{
    SharedCache& shared = Shared();
    std::lock_guard<std::mutex> lock(shared.mutex);
    std::shared_ptr<PictureCache> cache = shared.cache.lock();
    return cache ? cache->HeldBytes() : 0;
}

}  // namespace wincore
