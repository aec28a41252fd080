#pragma once

#include "tessel/framework/Exception.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/skin/draw/TvxElementGeometry.h"

#include <string>

namespace tessel {

class TvxSkinData;
class TvxSkinRecord;

enum class TElementKind { kControl, kObject, kForm, kPopup, kHint };

// An element larger than TSkinElement::kMaxSide.
class EElementTooLarge : public Exception {
    using Exception::Exception;
};

// One element of a loaded skin as the drawing kit needs it: its geometry read from
// its record by the skin's key names, the picture it is cut from and its mask.
struct TSkinElement {
    TvxElementGeometry geometry;
    const TBitmap* picture = nullptr;
    const TBitmap* mask = nullptr;

    // The largest element side drawn: no skin picture is larger, and a record that
    // says otherwise is refused rather than given gigabytes.
    static constexpr int kMaxSide = 8192;

    // Raises Exception with a clear message when the skin has no such element, when
    // rect_key names no rectangle of the record, or when the element is larger than
    // kMaxSide either way.
    static TSkinElement Find(const TvxSkinData& data, TElementKind kind, const std::string& name,
        const std::string& rect_key = {});
    // Geometry from any record: skinrect (or rect_key), the corner points, clientrect
    // (or itemsrect), the stretch flags and the stretch type.
    static TvxElementGeometry GeometryOf(
        TvxSkinRecord& record, const std::string& rect_key, bool* found_rect);
};

} // namespace tessel
