// What screen readers hear of the Qt window beyond what Qt tells them.
#pragma once

namespace quintora {

// A selector is heard by its own name, with the unit as its value, and its
// reason as its description, wherever the platform would name it after its
// text. Called by each selector; installs the reader's view once.
void installSelectorAccessibility();

} // namespace quintora
