#include "platform/gdi/PngWriter.h"

#include "platform/gdi/Bitmap.h"

#include <cstdio>
#include <fstream>
#include <png.h>

namespace win {

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// libpng reports errors by longjmp; the encoder keeps every C++ object it needs
// outside the jump's reach.
bool EncodeRows(const Surface& surface, std::vector<std::uint8_t>& out,
                std::vector<std::uint8_t>& row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, &out, AppendBytes, NoFlush);
    png_set_IHDR(png, info, png_uint_32(surface.width), png_uint_32(surface.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface.height; ++y) {
        const std::uint32_t* pixels = surface.Row(y);
        for (int x = 0; x < surface.width; ++x) {
            row[std::size_t(x) * 3] = std::uint8_t(pixels[x] >> 16);
            row[std::size_t(x) * 3 + 1] = std::uint8_t(pixels[x] >> 8);
            row[std::size_t(x) * 3 + 2] = std::uint8_t(pixels[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const Surface& surface) {
    std::vector<std::uint8_t> out;
    if (surface.width <= 0 || surface.height <= 0)
        return out;
    std::vector<std::uint8_t> row(std::size_t(surface.width) * 3);
    if (!EncodeRows(surface, out, row))
        out.clear();
    return out;
}

bool WritePng(const std::string& path, const Surface& surface) {
    const std::vector<std::uint8_t> bytes = EncodePng(surface);
    if (bytes.empty())
        return false;
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        if (file.write(reinterpret_cast<const char*>(bytes.data()),
                       std::streamsize(bytes.size())) &&
            file.flush())
            return true;
    }
    std::remove(path.c_str());
    return false;
}

Surface SurfaceFromBitmap(HBITMAP bitmap) {
    Bitmap* source = GdiHandleTable::Instance().FindAs<Bitmap>(bitmap);
    if (!source)
        return {};
    Surface surface(source->Width(), source->Height());
    const PixelView view = source->View();
    for (int y = 0; y < surface.height; ++y)
        view.Read(y, 0, surface.width, surface.Row(y));
    return surface;
}

bool WritePng(const std::string& path, HBITMAP bitmap) {
    return WritePng(path, SurfaceFromBitmap(bitmap));
}

} // namespace win
