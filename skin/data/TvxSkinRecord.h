#pragma once

#include "tessel/skin/data/TvxSkinFieldVisitor.h"

#include <string>

namespace tessel {

class TMemIniFile;

// A record of the skin: a frame object (SKINOBJECTS) or a control look
// (SKINCONTROLS). It reads its own section, the one named like the record.
// Each class lists its keys once, in reading order, in VisitFields; reading,
// writing back and listing all walk that list.
class TvxSkinRecord {
public:
    explicit TvxSkinRecord(std::string name)
        : IDName(std::move(name))
    { }
    virtual ~TvxSkinRecord() = default;

    virtual const char* ClassName() const = 0;

    // Reads the section IDName key by key, then applies the class's after-read rules.
    // A malformed rectangle or point raises EConvertError.
    void ReadSection(const TMemIniFile& ini);
    // Writes the same keys back, in the same order and encodings.
    void WriteSection(TMemIniFile& ini);

    virtual void VisitFields(TvxSkinFieldVisitor&) { }
    // Every field the class keeps, read or not (a listing shows them all); the keys
    // read, unless a class reads fewer than it keeps.
    virtual void VisitEveryField(TvxSkinFieldVisitor& v) { VisitFields(v); }

    std::string IDName;

protected:
    virtual void AfterRead() { }
};

} // namespace tessel
