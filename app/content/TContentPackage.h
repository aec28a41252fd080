#pragma once

#include "app/content/TContentTable.h"
#include "framework/TFileStream.h"

#include <optional>
#include <string>
#include <vector>

namespace tessel {

// A content package open for unpacking: its header, then its entries' contents back
// to back. Unpacking writes only inside the target folder: every entry goes to the
// folder under its target name (TContentNames::TargetName), entries without one are
// read past, and a target is always made anew without following a link.
class TContentPackage {
public:
    // Raises the open error when the package cannot be read or is no regular file
    // (a pipe, a device).
    explicit TContentPackage(const std::string& path);

    // Reads the header into table (raises "Stream read error" when it is short).
    void ReadHeader(TContentTable& table);
    // Writes entries 0 .. Entries()-1 into folder (which ends in "/"), in order. Raises
    // the create error for a target that cannot be made or written (with the room the
    // rest of the package needs when the device is full; the file cut short goes) and
    // "Stream read error" when the contents end early or a size is negative; the files
    // written so far stay.
    void UnpackEntries(const TContentTable& table, const std::string& folder);

    // The name each entry unpacks to, in entry order; nothing for an entry without
    // one. A name past the file system's limit is shortened (TContentNames::FitName)
    // with the first serial no other entry's name takes, the same for every entry of
    // that name.
    static std::vector<std::optional<std::string>> EntryTargets(const TContentTable& table);
    // The target names of the table's entries, in entry order, each once.
    static std::vector<std::string> TargetNames(const TContentTable& table);
    // Deletes the entries' targets from folder; failures are passed over.
    static void RemoveEntries(const TContentTable& table, const std::string& folder);

private:
    // False, with errno set, when writing to fd failed; raises "Stream read error"
    // when the package ends first.
    bool CopyInto(int fd, int64_t size);

    TFileStream m_stream;
};

} // namespace tessel
