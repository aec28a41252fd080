#include "tools/vxskin/TSkinUnpacker.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/SysUtils.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TFileStream.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/framework/TStringList.h"
#include "tessel/skin/data/SkinIniValues.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinPackage.h"

#include <filesystem>
#include <memory>
#include <set>
#include <vector>

namespace tessel {

namespace {

struct Picture {
    std::string key; // PICTURES key, or the index of an active picture
    std::string fallback;
    const TBitmap* bitmap;
};

// Replaces the PICTURES section of the INI lines with one that names the files written.
TStringList ReplacePicturesSection(
    const TStringList& lines, const std::vector<std::pair<std::string, std::string>>& keys)
{
    TStringList out;
    bool in_pictures = false, written = false;
    auto write_section = [&] {
        out.Add("[PICTURES]");
        for (const auto& [k, v] : keys)
            out.Add(k + "=" + v);
        written = true;
    };
    for (const std::string& raw : lines.Lines()) {
        std::string line = Trim(raw);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            in_pictures = SameText(Trim(line.substr(1, line.size() - 2)), "PICTURES");
            if (in_pictures) {
                if (!written)
                    write_section();
                continue;
            }
        }
        if (!in_pictures)
            out.Add(raw);
    }
    if (!written)
        write_section();
    return out;
}

} // namespace

bool TSkinUnpacker::IsPlainFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (char c : name)
        if (c == '/' || c == '\\' || c == '\0')
            return false;
    return true;
}

std::string TSkinUnpacker::Unpack(TvxCompressedStoredSkin& skin, const std::string& dir)
{
    TMemoryStream package;
    skin.DecompressTo(package);
    package.SetPosition(0);
    int32_t version = TvxSkinPackage::ReadVersion(package);
    if (version > TvxSkinPackage::kHighestVersion)
        throw Exception("the skin package has version " + std::to_string(version) + ", above 3");
    TBitmap picture, inactive, mask, rollup, rollup_mask;
    std::vector<std::unique_ptr<TBitmap>> active;
    TvxSkinPackage::ReadPictureSlots(package, version, picture, inactive, mask, rollup, rollup_mask);
    // A count below 0 reads no picture and leaves the count's bytes and the pictures
    // to be taken for the INI text: a damaged package, not an empty list.
    const int64_t counted_at = package.Position();
    const int32_t count = package.ReadInt32();
    if (count < 0)
        throw Exception("the skin package's count of active pictures is " + std::to_string(count));
    package.SetPosition(counted_at);
    TvxSkinPackage::ReadActivePictures(package, active);
    TStringList lines;
    TvxSkinPackage::ReadIniText(package, lines);
    // The INI is text: a NUL in it means the package's parts are not where its
    // version puts them.
    for (const std::string& line : lines.Lines())
        if (line.find('\0') != std::string::npos)
            throw Exception("the skin package's INI is not text (its parts are not where version "
                + std::to_string(version) + " puts them)");
    TMemIniFile ini(lines);

    std::vector<Picture> pictures = { { "picture", "picture.bmp", &picture },
        { "inactivepicture", "inactivepicture.bmp", &inactive }, { "mask", "mask.bmp", &mask },
        { "rolluppicture", "rolluppicture.bmp", &rollup }, { "rollupmask", "rollupmask.bmp", &rollup_mask } };
    std::vector<std::string> active_names = ReadSkinCountedList(ini, "PICTURES", "activepictures");
    for (size_t i = 0; i < active.size(); ++i)
        pictures.push_back({ std::to_string(i), "active" + std::to_string(i) + ".bmp", active[i].get() });

    std::filesystem::create_directories(dir);
    std::string folder = IncludeTrailingPathDelimiter(dir);
    std::set<std::string> used { "SKIN.INI" };
    std::vector<std::pair<std::string, std::string>> keys;
    for (size_t i = 0; i < pictures.size(); ++i) {
        const Picture& p = pictures[i];
        bool is_active = i >= 5;
        if (is_active && i == 5)
            keys.emplace_back("activepicturescount", std::to_string(active.size()));
        if (p.bitmap->Empty()) {
            keys.emplace_back(p.key, "");
            continue;
        }
        std::string name = is_active ? (i - 5 < active_names.size() ? active_names[i - 5] : std::string())
                                     : ini.ReadString("PICTURES", p.key, "");
        if (!IsPlainFileName(name) || used.count(UpperCase(name)))
            name = p.fallback;
        for (int n = 2; used.count(UpperCase(name)); ++n)
            name = std::to_string(n) + "-" + p.fallback;
        used.insert(UpperCase(name));
        // Written as a new file: a link planted in the folder is replaced, never
        // written through.
        TFileStream file(folder + name, TFileMode::fmCreateNew);
        p.bitmap->SaveToStream(file);
        keys.emplace_back(p.key, name);
    }
    if (active.empty())
        keys.emplace_back("activepicturescount", "0");

    std::string ini_path = folder + "skin.ini";
    TFileStream ini_file(ini_path, TFileMode::fmCreateNew);
    ReplacePicturesSection(lines, keys).SaveToStream(ini_file);
    return ini_path;
}

} // namespace tessel
