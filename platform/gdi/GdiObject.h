#pragma once
// The base of every drawing object behind a handle, and the table that maps
// handles to objects. Handles carry a slot index and a generation, so a handle
// kept after DeleteObject never reaches the object that reuses its slot.
// Drawing objects belong to the GUI thread, as on Windows.

#include "platform/kernel/WinTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace win {

class GdiObject {
public:
    explicit GdiObject(DWORD type) : type_(type) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    DWORD Type() const { return type_; }
    bool IsStock() const { return stock_; }
    void MarkStock() { stock_ = true; }

    // A pen, brush or font deleted while selected lives on until its last DC lets
    // go of it, as Windows does; the handle stays valid for that DC only.
    int selections = 0;
    bool deletePending = false;

protected:
    void SetType(DWORD type) { type_ = type; }

private:
    DWORD type_;
    bool stock_ = false;
};

class GdiHandleTable {
public:
    static GdiHandleTable& Instance();
    ~GdiHandleTable();

    void* Add(std::unique_ptr<GdiObject> object);
    GdiObject* Find(const void* handle) const;
    // Frees the object; false for unknown handles and stock objects.
    bool Remove(const void* handle);
    // Like Remove, but hands the object to the caller (to be reused) instead.
    std::unique_ptr<GdiObject> Take(const void* handle);
    UINT Count(DWORD type) const;

    template <class T, class H> T* FindAs(H handle) const {
        GdiObject* object = Find(handle);
        return object && T::Accepts(object->Type()) ? static_cast<T*>(object) : nullptr;
    }

private:
    struct Slot {
        std::unique_ptr<GdiObject> object;
        std::uint32_t generation = 1;
    };
    const Slot* SlotOf(const void* handle) const;

    std::vector<Slot> slots_;
    std::vector<std::uint32_t> freeSlots_;
};

// Releases one selection of an object and frees it when its deletion was
// deferred until no DC held it any more.
void ReleaseSelection(void* handle);

} // namespace win
