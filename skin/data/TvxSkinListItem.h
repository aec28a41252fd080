#pragma once

#include "tessel/skin/data/TvxCompressedStoredSkin.h"

#include <memory>
#include <string>

namespace tessel {

class TvxCompressedSkinList;

// An entry of a skin list: a named compressed skin of its own.
class TvxSkinListItem {
public:
    TvxSkinListItem(TvxCompressedSkinList& list, int index);

    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    const std::string& DisplayName() const { return m_name; }
    const std::string& Description() const { return m_description; }
    void SetDescription(std::string text) { m_description = std::move(text); }

    const std::string& FileName() const { return m_file_name; }
    // In the list's design mode imports first, then stores the file-name part.
    void SetFileName(const std::string& path);
    const std::string& CompressedFileName() const { return m_compressed_file_name; }
    void SetCompressedFileName(const std::string& path);

    TvxCompressedStoredSkin& StoredSkin() { return *m_skin; }
    const TvxCompressedStoredSkin& StoredSkin() const { return *m_skin; }

    // The byte-block property "Skin": the compressed skin file layout.
    void WriteSkinData(TStream& stream) const { m_skin->SaveToCompressedStream(stream); }
    void ReadSkinData(TStream& stream) { m_skin->LoadFromCompressedStream(stream); }

private:
    bool Designing() const;

    TvxCompressedSkinList& m_list;
    std::unique_ptr<TvxCompressedStoredSkin> m_skin;
    std::string m_name;
    std::string m_description;
    std::string m_file_name;
    std::string m_compressed_file_name;
};

} // namespace tessel
