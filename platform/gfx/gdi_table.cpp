#include "platform/gfx/gdi_table.h"

#include <vector>

namespace platform::gdi {
namespace {

struct Slot {
    std::unique_ptr<Object> object;
    Kind kind = Kind::Region;
    uint32_t generation = 0;
    bool stock = false;
};

// A handle value: the slot number plus one in the low 24 bits, the slot's generation above them.
// Small values (below 2^24) are never handles, so null and small integers are refused outright.
constexpr uint64_t kSlotBits = 24;
constexpr uint64_t kSlotMask = (uint64_t(1) << kSlotBits) - 1;

struct Table {
    std::vector<Slot> slots;
    std::vector<uint32_t> freeSlots;
    size_t live = 0;
};

Table& table() {
    static Table* t = new Table;  // never destroyed: handles may be released during static teardown
    return *t;
}

void* HandleOf(uint32_t slot, uint32_t generation) {
    return reinterpret_cast<void*>(uintptr_t((uint64_t(generation) << kSlotBits) | (slot + 1)));
}

Slot* SlotOf(const void* handle) {
    const uint64_t value = reinterpret_cast<uintptr_t>(handle);
    const uint64_t slot = (value & kSlotMask);
    const uint64_t generation = value >> kSlotBits;
    Table& t = table();
    if (slot == 0 || slot > t.slots.size())
        return nullptr;
    Slot& s = t.slots[slot - 1];
    if (!s.object || s.generation != generation)
        return nullptr;
    return &s;
}

}  // namespace

void* Insert(Kind kind, std::unique_ptr<Object> object, bool stock) {
    Table& t = table();
    uint32_t index;
    if (!t.freeSlots.empty()) {
        index = t.freeSlots.back();
        t.freeSlots.pop_back();
    } else {
        if (t.slots.size() >= kSlotMask - 1)
            return nullptr;
        index = uint32_t(t.slots.size());
        t.slots.emplace_back();
    }
    Slot& s = t.slots[index];
    // Generations start at 1 so that no handle is below 2^24; they wrap within 32 bits.
    s.generation = s.generation == UINT32_MAX ? 1 : s.generation + 1;
    s.object = std::move(object);
    s.kind = kind;
    s.stock = stock;
    if (!stock)
        ++t.live;
    return HandleOf(index, s.generation);
}

Object* Find(const void* handle, Kind kind) {
    Slot* s = SlotOf(handle);
    return s && s->kind == kind ? s->object.get() : nullptr;
}

bool KindOf(const void* handle, Kind* kind) {
    Slot* s = SlotOf(handle);
    if (!s)
        return false;
    *kind = s->kind;
    return true;
}

bool IsStock(const void* handle) {
    Slot* s = SlotOf(handle);
    return s && s->stock;
}

std::unique_ptr<Object> Remove(const void* handle, Kind kind) {
    Slot* s = SlotOf(handle);
    if (!s || s->kind != kind || s->stock)
        return nullptr;
    Table& t = table();
    std::unique_ptr<Object> object = std::move(s->object);
    t.freeSlots.push_back(uint32_t(s - t.slots.data()));
    --t.live;
    return object;
}

size_t LiveCount() {
    return table().live;
}

size_t SlotCount() {
    return table().slots.size();
}

Object* SlotObject(size_t slot, Kind kind, void** handle) {
    Slot& s = table().slots[slot];
    if (!s.object || s.kind != kind)
        return nullptr;
    *handle = HandleOf(uint32_t(slot), s.generation);
    return s.object.get();
}

}  // namespace platform::gdi
