#include "platform/user/Atoms.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace win {

namespace {

constexpr ATOM kFirstStringAtom = 0xC000;
constexpr std::size_t kMaxNameLength = 255;

std::string Folded(const std::string& name) {
    std::string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return folded;
}

// "#123" names and MAKEINTATOM pointers denote integer atoms.
std::optional<ATOM> IntegerAtom(const char* name) {
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    if (value < kFirstStringAtom)
        return static_cast<ATOM>(value);
    if (name[0] != '#' || name[1] == '\0')
        return std::nullopt;
    unsigned long number = 0;
    for (const char* p = name + 1; *p; ++p) {
        if (*p < '0' || *p > '9' || number >= kFirstStringAtom)
            return std::nullopt;
        number = number * 10 + unsigned(*p - '0');
    }
    if (number == 0 || number >= kFirstStringAtom)
        return std::nullopt;
    return static_cast<ATOM>(number);
}

class AtomTable {
public:
    ATOM Add(const std::string& name) {
        std::lock_guard lock(mutex_);
        const std::string key = Folded(name);
        if (auto found = byName_.find(key); found != byName_.end()) {
            ++entries_[found->second].references;
            return found->second;
        }
        const ATOM atom = FreeAtom();
        if (atom == 0)
            return 0;
        entries_[atom] = Entry{name, 1};
        byName_[key] = atom;
        return atom;
    }

    ATOM Find(const std::string& name) {
        std::lock_guard lock(mutex_);
        auto found = byName_.find(Folded(name));
        return found == byName_.end() ? 0 : found->second;
    }

    bool Delete(ATOM atom) {
        std::lock_guard lock(mutex_);
        auto found = entries_.find(atom);
        if (found == entries_.end())
            return false;
        if (--found->second.references == 0) {
            byName_.erase(Folded(found->second.name));
            entries_.erase(found);
        }
        return true;
    }

    std::optional<std::string> Name(ATOM atom) {
        std::lock_guard lock(mutex_);
        auto found = entries_.find(atom);
        if (found == entries_.end())
            return std::nullopt;
        return found->second.name;
    }

private:
    struct Entry {
        std::string name;
        unsigned references = 0;
    };

    ATOM FreeAtom() {
        for (unsigned tries = 0; tries < 0x4000; ++tries) {
            const ATOM candidate = next_;
            next_ = next_ == 0xFFFF ? kFirstStringAtom : ATOM(next_ + 1);
            if (!entries_.contains(candidate))
                return candidate;
        }
        return 0;
    }

    std::mutex mutex_;
    std::map<ATOM, Entry> entries_;
    std::map<std::string, ATOM> byName_;
    ATOM next_ = kFirstStringAtom;
};

AtomTable& Table() {
    static AtomTable table;
    return table;
}

} // namespace

ATOM GlobalAddAtom(const char* name) {
    if (name == nullptr)
        return 0;
    if (auto integer = IntegerAtom(name))
        return *integer;
    if (std::strlen(name) > kMaxNameLength)
        return 0;
    return Table().Add(name);
}

ATOM GlobalFindAtom(const char* name) {
    if (name == nullptr)
        return 0;
    if (auto integer = IntegerAtom(name))
        return *integer;
    return Table().Find(name);
}

ATOM GlobalDeleteAtom(ATOM atom) {
    if (atom < kFirstStringAtom)
        return 0;
    return Table().Delete(atom) ? 0 : atom;
}

UINT GlobalGetAtomName(ATOM atom, char* buffer, int size) {
    if (buffer == nullptr || size <= 0 || atom == 0)
        return 0;
    std::string name;
    if (atom < kFirstStringAtom) {
        name = "#" + std::to_string(atom);
    } else if (auto found = Table().Name(atom)) {
        name = *found;
    } else {
        return 0;
    }
    const std::size_t copied = std::min(name.size(), std::size_t(size - 1));
    std::memcpy(buffer, name.data(), copied);
    buffer[copied] = '\0';
    return UINT(copied);
}

} // namespace win
