#pragma once

#include "tessel/framework/TComponent.h"
#include "tessel/framework/TMemoryStream.h"

#include <string>

namespace tessel {

class TMemIniFile;

// A skin kept in memory as a compressed skin: the skin package as one zlib stream
// (level 9, it begins 78 DA). The program carries its skin this way.
class TvxCompressedStoredSkin : public TComponent {
public:
    // An inflated skin larger than this is a decompression error, so that a
    // compressed bomb cannot exhaust memory.
    static constexpr int64_t kMaxInflatedSize = 256ll * 1024 * 1024;

    explicit TvxCompressedStoredSkin(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TvxCompressedStoredSkin"; }

    const std::string& Description() const { return m_description; }
    void SetDescription(std::string text) { m_description = std::move(text); }

    const std::string& FileName() const { return m_file_name; }
    // In design mode (and not while loading) imports the skin folder of that INI
    // file; otherwise only stores the text. Stores only the file-name part.
    void SetFileName(const std::string& path);
    const std::string& CompressedFileName() const { return m_compressed_file_name; }
    // Likewise for a compressed skin file.
    void SetCompressedFileName(const std::string& path);

    // The compressed skin, as the form description stores it.
    const std::vector<uint8_t>& CompressedData() const { return m_data.Bytes(); }
    void SetCompressedData(std::vector<uint8_t> bytes) { m_data = TMemoryStream(std::move(bytes)); }

    bool IsEmpty() const { return m_data.Bytes().empty(); }
    // Inflates the whole compressed skin into target; raises EZDecompressionError.
    void DecompressTo(TStream& target);

    // Builds the skin package from a skin folder and stores it compressed. A folder
    // whose INI lacks VERSION, PICTURES, FORMINFO, SKINOBJECTS or SKINCONTROLS is
    // not imported and the compressed skin stays as it was. A missing bitmap raises
    // EFOpenError, and the compressed skin is then already cleared.
    void ImportSkinFolder(const std::string& ini_path);
    // Replaces the compressed skin with the data of a compressed skin file (version,
    // size, data); a version above 3 leaves it empty.
    void ImportCompressedFile(const std::string& path);

    // The compressed skin file layout: version 2, size, data.
    void SaveToCompressedStream(TStream& stream) const;
    void LoadFromCompressedStream(TStream& stream);

    // The sections a skin folder's INI must have.
    static bool HasRequiredSections(const TMemIniFile& ini, std::string* missing = nullptr);

private:
    void ReadCompressed(TStream& stream);

    std::string m_description;
    std::string m_file_name;
    std::string m_compressed_file_name;
    TMemoryStream m_data;
};

} // namespace tessel
