#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// The commands of tessel-pack. Each returns the process's exit code: 0 when done,
// 1 when the input is refused or a file fails (with a message on err).
class TPackTool {
public:
    static constexpr int64_t kMaxFileSize = 0x7FFFFFFF;

    // Writes a package of the files, each stored under its file-name part in
    // Windows-1252. Refuses more than 100 files, names that do not fit a slot or
    // Windows-1252, files above 2 GiB, anything that is no regular file, and an
    // output that is one of the files. The package is written beside the output and
    // takes its place only when complete.
    static int Create(const std::string& output, const std::vector<std::string>& files, std::ostream& err);
    // Writes a package of every file of the folder, sorted by name, as Create does.
    // The folder's settings1.ini is checked first against its files: each problem is
    // named on err, and one that would make the collection other than meant (the
    // player would apply none of the settings, a game section's movie is missing), a
    // subfolder, or more than 100 files, writes nothing.
    static int CreateFromFolder(const std::string& output, const std::string& folder, std::ostream& err);
    // Lists the entries with sizes and offsets, and says whether the file is shorter
    // or longer than its header promises (exit 1 when it is shorter).
    static int List(const std::string& package, std::ostream& out, std::ostream& err);
    // Unpacks into folder (made when missing, once the package has been read) by the
    // program's own rules.
    static int Extract(
        const std::string& package, const std::string& folder, std::ostream& out, std::ostream& err);
    // Text as it may reach a terminal: control characters (C0, DEL and C1) escaped
    // as \xNN, so a name can carry no terminal sequence.
    static std::string Printable(std::string_view text);
};

} // namespace tessel
