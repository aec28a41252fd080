#pragma once

#include "tessel/platform/TMessage.h"

namespace tessel {

// Messages the skin components send each other; the numbers are fixed.
constexpr uint32_t SkinChangingNotice = WM_USER + 201; // 1225
constexpr uint32_t SkinChangedNotice = WM_USER + 202; // 1226
constexpr uint32_t SkinLoadedNotice = WM_USER + 203; // 1227
constexpr uint32_t SkinMenuClosedNotice = WM_USER + 204; // 1228
constexpr uint32_t SkinMenuCommandNotice = WM_USER + 205; // 1229
constexpr uint32_t MDIChildFitNotice = WM_USER + 206; // 1230
constexpr uint32_t MDIChildMaximizedNotice = WM_USER + 207; // 1231
constexpr uint32_t MDIChildRestoredNotice = WM_USER + 208; // 1232
constexpr uint32_t ResourceStringsChangedNotice = WM_USER + 250; // 1274
constexpr uint32_t FrameChangedNotice = WM_USER + 260; // 1284
constexpr uint32_t SkinnableChangedNotice = WM_USER + 270; // 1294

// The lParam of the skin data store's notices.
constexpr LPARAM SkinNoticeTag = 1000;

} // namespace tessel
