#include "tessel/platform/TPngFile.h"

#include "tessel/platform/TSurface.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <png.h>
#include <vector>

namespace tessel {

std::string TPngFile::Save(
    int width, int height, const RowReader& read_row, const std::string& file_name, TPngChannels channels)
{
    const size_t bytes = channels == TPngChannels::Rgba ? 4 : 3;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(file_name.c_str(), "wb"), &std::fclose);
    if (!file)
        return std::strerror(errno);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "out of memory";
    }
    std::vector<png_byte> row(static_cast<size_t>(width) * bytes);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return "PNG encoding failed";
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
        bytes == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
        PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        const uint32_t* src = read_row(y);
        for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
            row[bytes * x] = static_cast<png_byte>(src[x] >> 16);
            row[bytes * x + 1] = static_cast<png_byte>(src[x] >> 8);
            row[bytes * x + 2] = static_cast<png_byte>(src[x]);
            if (bytes == 4)
                row[bytes * x + 3] = static_cast<png_byte>(src[x] >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file.release()) == 0 ? std::string() : std::string(std::strerror(errno));
}

std::string TPngFile::Save(const TSurface& surface, const std::string& file_name)
{
    return Save(
        surface.Width(), surface.Height(), [&](int y) { return surface.ScanLine(y); }, file_name);
}

} // namespace tessel
