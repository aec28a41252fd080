#pragma once

#include "tessel/platform/TBackend.h"

#include <memory>

namespace tessel {

// The backend of the real desktop (GTK 3 on X11). Returns null, with the reason in
// error, when no display can be opened.
std::unique_ptr<TBackend> CreateDesktopBackend(std::string& error);

} // namespace tessel
