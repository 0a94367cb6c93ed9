#pragma once
// Registers the framework's component classes, so a form definition can name
// them. Idempotent; the form reader calls it before reading.

namespace fw {

void RegisterStandardClasses();

} // namespace fw
