// Decoded pictures shared by every image made from the same encoded bytes, so that a picture
// loaded again (the controls load their frames on each paint) is neither decoded nor copied.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "shared/imaging/decoded.h"
#include "shared/imaging/sources.h"

namespace wincore {

// Small devices first: every picture of the controls (about 0.6 MB decoded) with room to spare.
constexpr size_t kPictureBudgetBytes = size_t(4) << 20;
// A picture costing more than this share of the budget is not kept: such pictures are maps and
// backgrounds that their hosts decode once into a bitmap, and keeping them would push out the
// controls' frames, which are loaded on every paint.
constexpr size_t kLargestShareOfBudget = 4;

// Keyed by content (length and hash, confirmed byte for byte), since callers hand the factory a
// stream over a fresh copy each time. Holds the least recently used within a budget of decoded
// pixels plus encoded bytes. The factory may be used from several threads: a mutex guards it.
class PictureCache {
public:
    explicit PictureCache(size_t budgetBytes = kPictureBudgetBytes) : budget_(budgetBytes) {}

    using Decoder = HRESULT (*)(const EncodedBytes& bytes, std::shared_ptr<const DecodedImage>& picture);

    // The picture decoded from exactly these bytes: the one held, or one `decode` makes now (outside
    // the lock), then held unless it alone costs more than its share of the budget.
    HRESULT Obtain(const EncodedBytes& bytes, Decoder decode, std::shared_ptr<const DecodedImage>& picture);
    // Decoded pixels plus encoded bytes held now.
    size_t HeldBytes() const;

private:
    struct Entry {
        EncodedBytes encoded;
        std::shared_ptr<const DecodedImage> picture;
        size_t key = 0;
        size_t cost = 0;  // bytes
    };
    using Entries = std::list<Entry>;

    std::shared_ptr<const DecodedImage> Find(const EncodedBytes& bytes, size_t key);
    void Keep(const EncodedBytes& bytes, size_t key, std::shared_ptr<const DecodedImage> picture);
    Entries::iterator Locate(const EncodedBytes& bytes, size_t key);
    void DropBeyondBudget();

    mutable std::mutex mutex_;
    size_t budget_;                                               // bytes
    size_t held_ = 0;                                             // bytes
    Entries entries_;                                             // most recently used first
    std::unordered_multimap<size_t, Entries::iterator> byKey_;   // content hash -> entry
};

// The cache every live factory shares: made with the first factory, released with the last.
std::shared_ptr<PictureCache> SharedPictureCache();
// What the shared cache holds now; 0 while no factory is alive.
size_t SharedPictureBytes();

}  // namespace wincore
