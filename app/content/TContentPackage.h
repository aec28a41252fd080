#pragma once

#include "app/content/TContentTable.h"
#include "tessel/framework/TFileStream.h"

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
    // Unpacks up to budget more bytes of one entry, from its place in the package:
    // the first part (done 0) makes the target anew, later ones append to it; done
    // counts what is written. True once the entry is whole (at once for an entry
    // without a target). Raises as UnpackEntries; a part the package cannot give
    // removes the target.
    bool UnpackEntryPart(
        const TContentTable& table, int index, const std::string& folder, int64_t& done, int64_t budget);
    // Where an entry's contents begin in the package.
    static int64_t EntryOffset(const TContentTable& table, int index);

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
    // After a write failed (errno tells why): removes the entry's target and raises
    // the create error; left is what the entry still needed.
    [[noreturn]] static void WriteFailed(const TContentTable& table,
        const std::vector<std::optional<std::string>>& targets, int dir, int index, const std::string& folder,
        int64_t left);

    TFileStream m_stream;
};

} // namespace tessel
