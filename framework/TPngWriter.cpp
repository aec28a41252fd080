#include "framework/TPngWriter.h"

#include "framework/Exception.h"
#include "framework/TBitmap.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <png.h>
#include <vector>

namespace tessel {

void TPngWriter::Save(const TBitmap& bitmap, const std::string& file_name)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(file_name.c_str(), "wb"), &std::fclose);
    if (!file)
        throw EFCreateError(file_name, std::strerror(errno));
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw EFCreateError(file_name, "out of memory");
    }
    std::vector<png_byte> row(static_cast<size_t>(bitmap.Width()) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw EFCreateError(file_name, "PNG encoding failed");
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()),
        static_cast<png_uint_32>(bitmap.Height()), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
        PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint32_t* src = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            row[3 * x] = static_cast<png_byte>(src[x] >> 16);
            row[3 * x + 1] = static_cast<png_byte>(src[x] >> 8);
            row[3 * x + 2] = static_cast<png_byte>(src[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}

} // namespace tessel
