#pragma once
// Runs work between a list's BeginUpdate and EndUpdate, ending the update when the
// work fails too (the framework's try ... finally EndUpdate).

namespace fw {

template <class List, class Work> void WithUpdate(List& list, Work&& work) {
    list.BeginUpdate();
    try {
        work();
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}

} // namespace fw
