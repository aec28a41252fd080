#pragma once

#include "app/content/TContentTable.h"

#include <cstdint>
#include <string>

namespace tessel {

class TForm3;

// The application-wide state of the shell, one of each, empty at start.
namespace unit3 {

// The main form.
extern TForm3* Form3;
// The private folder the content is unpacked into, ending in "/".
extern std::string TempDir;
// The content package's header, as read.
extern TContentTable ContentTable;
// The number of Links entries read from the settings.
extern int32_t LinkCount;

// Clears the state, as the unit's finalisation does.
void Finalize();

} // namespace unit3

} // namespace tessel
