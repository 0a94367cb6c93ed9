#pragma once
// Heap allocations made through operator new by the whole executable so far.

namespace testsupport {

long AllocationCount();

} // namespace testsupport
