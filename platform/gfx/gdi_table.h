// The table behind every graphics handle (see gdi_object.h): typed objects in slots, handles made
// of a slot number and a generation, lookups that check both and the object's type.
// Internal to platform/gfx.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/gfx/gdi_object.h"

namespace platform::gdi {

enum class Kind : uint8_t { Region, DeviceContext, Bitmap, Font, Pen, Brush, Icon };

struct Object {
    virtual ~Object() = default;
};

// Adds an object; stock objects are never removed. Returns its handle value.
void* Insert(Kind kind, std::unique_ptr<Object> object, bool stock = false);

// The object behind a handle when it is live and of that kind, else null.
Object* Find(const void* handle, Kind kind);
template <typename T>
T* Find(const void* handle) {
    return static_cast<T*>(Find(handle, T::kKind));
}

// The kind of a live handle; false when it is not one.
bool KindOf(const void* handle, Kind* kind);
bool IsStock(const void* handle);

// Takes a live, non-stock object of that kind out of the table; its handle stops working.
std::unique_ptr<Object> Remove(const void* handle, Kind kind);

// Calls f(handle, object) for every live object of a kind.
template <typename F>
void ForEach(Kind kind, F&& f);

size_t LiveCount();

// Implementation details of ForEach.
size_t SlotCount();
Object* SlotObject(size_t slot, Kind kind, void** handle);

template <typename F>
void ForEach(Kind kind, F&& f) {
    for (size_t i = 0; i < SlotCount(); ++i) {
        void* handle = nullptr;
        if (Object* o = SlotObject(i, kind, &handle))
            f(handle, o);
    }
}

}  // namespace platform::gdi
