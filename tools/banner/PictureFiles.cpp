#include "tools/banner/PictureFiles.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <jpeglib.h>
#include <png.h>
#include <vector>

namespace banner {

namespace {

struct TJpegFailure {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JumpOnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegFailure*>(info->err)->jump, 1);
}

std::vector<unsigned char> RgbRow(const win::Surface& picture, int y) {
    std::vector<unsigned char> row(std::size_t(picture.width) * 3);
    const std::uint32_t* pixels = picture.Row(y);
    for (int x = 0; x < picture.width; ++x) {
        row[std::size_t(x) * 3] = static_cast<unsigned char>(pixels[x] >> 16);
        row[std::size_t(x) * 3 + 1] = static_cast<unsigned char>(pixels[x] >> 8);
        row[std::size_t(x) * 3 + 2] = static_cast<unsigned char>(pixels[x]);
    }
    return row;
}

// libjpeg reports errors by longjmp, so nothing with a destructor may live
// between the setjmp and the end of compression.
bool CompressJpeg(std::FILE* file, const win::Surface& picture, int quality,
                  std::vector<std::vector<unsigned char>>& rows) {
    jpeg_compress_struct info{};
    TJpegFailure failure{};
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = JumpOnJpegError;
    if (setjmp(failure.jump) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full-resolution colour keeps the thin blue edges of the lettering clean.
    for (int component = 0; component < info.num_components; ++component) {
        info.comp_info[component].h_samp_factor = 1;
        info.comp_info[component].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    for (auto& row : rows) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

void PutLe16(std::vector<unsigned char>& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void PutLe32(std::vector<unsigned char>& out, std::uint32_t value) {
    PutLe16(out, value & 0xFFFF);
    PutLe16(out, value >> 16);
}

// A device-independent bitmap as icons hold it: the header with double height,
// the BGRA rows bottom-up, then the AND mask (one bit per pixel, rows padded to
// 32 bits), set where the pixel is fully transparent.
std::vector<unsigned char> IconImage(const win::Surface& picture) {
    std::vector<unsigned char> out;
    PutLe32(out, 40);
    PutLe32(out, std::uint32_t(picture.width));
    PutLe32(out, std::uint32_t(picture.height * 2));
    PutLe16(out, 1);
    PutLe16(out, 32);
    for (int field = 0; field < 6; ++field)
        PutLe32(out, 0);
    for (int y = picture.height - 1; y >= 0; --y)
        for (int x = 0; x < picture.width; ++x)
            PutLe32(out, picture.Row(y)[x]);
    const int maskStride = (picture.width + 31) / 32 * 4;
    for (int y = picture.height - 1; y >= 0; --y) {
        std::vector<unsigned char> mask(std::size_t(maskStride), 0);
        for (int x = 0; x < picture.width; ++x)
            if ((picture.Row(y)[x] >> 24) == 0)
                mask[std::size_t(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.insert(out.end(), mask.begin(), mask.end());
    }
    return out;
}

bool WriteWhole(const std::string& path, const char* bytes, std::size_t size) {
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes, std::streamsize(size));
        if (out.good())
            return true;
    }
    std::remove(path.c_str());
    return false;
}

} // namespace

bool WriteJpeg(const std::string& path, const win::Surface& picture, int quality) {
    std::vector<std::vector<unsigned char>> rows;
    for (int y = 0; y < picture.height; ++y)
        rows.push_back(RgbRow(picture, y));
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool compressed = CompressJpeg(file, picture, quality, rows);
    const bool closed = std::fclose(file) == 0;
    if (compressed && closed)
        return true;
    std::remove(path.c_str());
    return false;
}

bool WriteRgbaPng(const std::string& path, const win::Surface& picture) {
    std::vector<unsigned char> rgba;
    rgba.reserve(picture.pixels.size() * 4);
    for (std::uint32_t pixel : picture.pixels) {
        rgba.push_back(static_cast<unsigned char>(pixel >> 16));
        rgba.push_back(static_cast<unsigned char>(pixel >> 8));
        rgba.push_back(static_cast<unsigned char>(pixel));
        rgba.push_back(static_cast<unsigned char>(pixel >> 24));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_RGBA;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr) != 0)
        return true;
    std::remove(path.c_str());
    return false;
}

bool WriteIco(const std::string& path, std::span<const win::Surface> images) {
    std::vector<unsigned char> out;
    PutLe16(out, 0);
    PutLe16(out, 1);
    PutLe16(out, static_cast<unsigned>(images.size()));
    std::vector<std::vector<unsigned char>> bodies;
    for (const win::Surface& picture : images)
        bodies.push_back(IconImage(picture));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<unsigned char>(images[i].width >= 256 ? 0 : images[i].width));
        out.push_back(static_cast<unsigned char>(images[i].height >= 256 ? 0 : images[i].height));
        out.push_back(0);
        out.push_back(0);
        PutLe16(out, 1);
        PutLe16(out, 32);
        PutLe32(out, std::uint32_t(bodies[i].size()));
        PutLe32(out, offset);
        offset += std::uint32_t(bodies[i].size());
    }
    for (const auto& body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return WriteWhole(path, reinterpret_cast<const char*>(out.data()), out.size());
}

bool WriteText(const std::string& path, const std::string& text) {
    return WriteWhole(path, text.data(), text.size());
}

} // namespace banner
