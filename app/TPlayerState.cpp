#include "app/TPlayerState.h"

#include "tessel/framework/SysUtils.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/framework/TStringList.h"
#include "tessel/platform/TShell.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessel {

namespace {

const char* const kSection = "State";
const char* const kModes[] = { "normal", "maximized", "rolledup" };
constexpr int kLargestSide = 32767;

// A game's name as the package stores it: no folders, no control characters.
bool PlainName(const std::string& name)
{
    if (name.empty() || name.size() > 255 || name.find('/') != std::string::npos || name == "."
        || name == "..")
        return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F)
            return false;
    return true;
}

} // namespace

std::string TPlayerState::PackageKey(const std::string& package_path)
{
    // Only a regular file has a key: a pipe or a device would never end.
    struct stat st;
    if (::stat(package_path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    std::ifstream in(package_path, std::ios::binary);
    if (!in)
        return {};
    // FNV-1a: the key tells packages apart, it guards nothing. A package up to
    // kWholeKeyBytes is hashed whole (the keys earlier runs kept); a larger one by its
    // size and evenly spread samples, so that a start never reads gigabytes first.
    uint64_t hash = 0xcbf29ce484222325ULL;
    auto add = [&hash](const char* bytes, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            hash ^= static_cast<unsigned char>(bytes[i]);
            hash *= 0x100000001b3ULL;
        }
    };
    const int64_t size = static_cast<int64_t>(st.st_size);
    std::vector<char> buffer(1 << 20);
    if (size <= kWholeKeyBytes) {
        while (in) {
            in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            add(buffer.data(), static_cast<size_t>(in.gcount()));
        }
    } else {
        add(reinterpret_cast<const char*>(&size), sizeof size);
        for (int i = 0; i < kKeySamples && in; ++i) {
            const int64_t at = (size - kKeySampleBytes) * i / (kKeySamples - 1);
            in.seekg(static_cast<std::streamoff>(at));
            in.read(buffer.data(), kKeySampleBytes);
            add(buffer.data(), static_cast<size_t>(in.gcount()));
        }
    }
    if (in.bad())
        return {};
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string TPlayerState::FilePath(const std::string& key)
{
    return TShell::UserStateFolder("tessel") + key + ".ini";
}

TPlayerState TPlayerState::Load(const std::string& path, const std::string& key, std::string& problem)
{
    TPlayerState state;
    problem.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = "no state file";
        return state;
    }
    std::string text(kLargestFile + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    if (text.size() > kLargestFile) {
        problem = "the state file is too large";
        return state;
    }
    if (text.find('\0') != std::string::npos) {
        problem = "the state file is not text";
        return state;
    }
    TStringList lines;
    lines.SetText(text);
    TMemIniFile ini(lines);
    if (!ini.SectionExists(kSection)) {
        problem = "the state file has no state";
        return state;
    }
    if (ini.ReadString(kSection, "package", "") != key) {
        problem = "the state file is another package's";
        return state;
    }
    std::vector<std::string> dropped;
    const int left = ini.ReadInteger(kSection, "left", 0), top = ini.ReadInteger(kSection, "top", 0);
    const int width = ini.ReadInteger(kSection, "width", 0), height = ini.ReadInteger(kSection, "height", 0);
    const bool sane = width > 0 && height > 0 && width <= kLargestSide && height <= kLargestSide
        && left > -kLargestSide && left < kLargestSide && top > -kLargestSide && top < kLargestSide;
    if (sane)
        state.bounds = { left, top, left + width, top + height };
    else if (ini.ValueExists(kSection, "width"))
        dropped.push_back("window");
    const std::string mode = ini.ReadString(kSection, "mode", "normal");
    bool known = false;
    for (int i = 0; i < 3; ++i)
        if (mode == kModes[i]) {
            state.mode = static_cast<TWindowMode>(i);
            known = true;
        }
    if (!known)
        dropped.push_back("mode");
    const int volume = ini.ReadInteger(kSection, "volume", 100);
    if (volume >= 0 && volume <= 100)
        state.volume = volume;
    else
        dropped.push_back("volume");
    state.muted = ini.ReadBool(kSection, "muted", false);
    const std::string game = ini.ReadString(kSection, "lastgame", "");
    if (PlainName(game))
        state.last_game = game;
    else if (!game.empty())
        dropped.push_back("last game");
    if (!dropped.empty()) {
        problem = "the state file's values out of range were left out:";
        for (const std::string& d : dropped)
            problem += " " + d;
    }
    return state;
}

bool TPlayerState::Save(const std::string& path, const std::string& key, std::string& error) const
{
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos && !TShell::MakeFolders(path.substr(0, slash))) {
        error = "cannot make the folder " + path.substr(0, slash) + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream out;
    out << "[" << kSection << "]\n"
        << "package=" << key << "\n";
    if (!bounds.IsEmpty())
        out << "left=" << bounds.left << "\ntop=" << bounds.top << "\nwidth=" << bounds.Width()
            << "\nheight=" << bounds.Height() << "\n";
    out << "mode=" << kModes[static_cast<int>(mode)] << "\n"
        << "volume=" << volume << "\n"
        << "muted=" << (muted ? 1 : 0) << "\n";
    if (PlainName(last_game))
        out << "lastgame=" << last_game << "\n";
    const std::string text = out.str();
    // The new state goes beside the old one and replaces it in one step.
    const std::string temporary = path + ".new";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = "cannot write " + temporary + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool flushed = std::fflush(file) == 0 && ::fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

TRect TPlayerState::OnScreen(const TRect& bounds, const std::vector<TRect>& monitors)
{
    if (bounds.IsEmpty())
        return {};
    // The caption band: the top 20 pixels, of which at least 40 x 10 must show.
    const TRect band { bounds.left, bounds.top, bounds.right, bounds.top + std::min(20, bounds.Height()) };
    for (const TRect& m : monitors) {
        const TRect seen = band.Intersect(m);
        if (seen.Width() >= std::min(40, band.Width()) && seen.Height() >= std::min(10, band.Height()))
            return bounds;
    }
    return {};
}

} // namespace tessel
