// The registry of images: an open-addressed hash table of records keyed by address, grown by
// doubling and kept at most half full, with backward-shift deletion so no tombstones build up.
#include "gfx/image/image_registry.h"

#include <cstdlib>

#include "gfx/core/pages.h"

namespace {

struct Registry {
    ImageRecord* slots;   // capacity entries; an entry with a null image is empty
    std::size_t capacity; // a power of two, or 0 before the first image
    std::size_t count;
};

Registry registry;

// The home slot of an address.
std::size_t home(const ImageBuffer* image, std::size_t capacity) {
    uint64_t h = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(image));
    h ^= h >> 29;
    h *= 0x9E3779B97F4A7C15ull;
    h ^= h >> 32;
    return static_cast<std::size_t>(h) & (capacity - 1);
}

// Places a record in the first free slot from its home on; the table has room.
void place(ImageRecord* slots, std::size_t capacity, const ImageRecord& record) {
    std::size_t i = home(record.image, capacity);
    while (slots[i].image) {
        i = (i + 1) & (capacity - 1);
    }
    slots[i] = record;
}

// Doubles the table (16 slots at first); false when memory runs out.
bool grow() {
    const std::size_t capacity = registry.capacity ? registry.capacity * 2 : 16;
    ImageRecord* slots = static_cast<ImageRecord*>(std::calloc(capacity, sizeof(ImageRecord)));
    if (!slots) {
        return false;
    }
    for (std::size_t i = 0; i < registry.capacity; ++i) {
        if (registry.slots[i].image) {
            place(slots, capacity, registry.slots[i]);
        }
    }
    std::free(registry.slots);
    registry.slots = slots;
    registry.capacity = capacity;
    return true;
}

// The slot holding image, or capacity when it holds none.
std::size_t find(const ImageBuffer* image) {
    if (!image || !registry.capacity) {
        return registry.capacity;
    }
    for (std::size_t i = home(image, registry.capacity);; i = (i + 1) & (registry.capacity - 1)) {
        if (registry.slots[i].image == image) {
            return i;
        }
        if (!registry.slots[i].image) {
            return registry.capacity;
        }
    }
}

} // namespace

bool image_register(const ImageRecord& record) {
    gfx_image_target_check = image_target_matches;
    if ((registry.count + 1) * 2 > registry.capacity && !grow()) {
        return false;
    }
    place(registry.slots, registry.capacity, record);
    ++registry.count;
    return true;
}

// Empties the image's slot and moves later entries of its probe chain back into the gap.
void image_unregister(const ImageBuffer* image) {
    std::size_t gap = find(image);
    if (gap == registry.capacity) {
        return;
    }
    const std::size_t mask = registry.capacity - 1;
    registry.slots[gap] = ImageRecord{};
    for (std::size_t i = (gap + 1) & mask; registry.slots[i].image; i = (i + 1) & mask) {
        const std::size_t h = home(registry.slots[i].image, registry.capacity);
        // The entry may move into the gap when its home is not cyclically within (gap, i].
        if (((i - h) & mask) >= ((i - gap) & mask)) {
            registry.slots[gap] = registry.slots[i];
            registry.slots[i] = ImageRecord{};
            gap = i;
        }
    }
    --registry.count;
}

const ImageRecord* image_lookup(const ImageBuffer* image) {
    const std::size_t i = find(image);
    if (i == registry.capacity) {
        return nullptr;
    }
    const ImageRecord* record = &registry.slots[i];
    if (image->width != record->width * 8 || image->height != record->height) {
        return nullptr;
    }
    return record;
}
