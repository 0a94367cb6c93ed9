#include "framework/gui/JpegDecoder.h"

#include "framework/gui/Bitmap.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace fw {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return; it
// jumps back to the decoder, which is written so that no object with a
// destructor lives between the jump and its target.
struct TJpegError {
    jpeg_error_mgr manager;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto* error = reinterpret_cast<TJpegError*>(info->err);
    error->manager.format_message(info, error->message);
    std::longjmp(error->back, 1);
}

void SilentOutput(j_common_ptr) {}

// Decodes into rgb (top-down RGB rows); false with error->message set on failure.
bool DecodeRgb(std::span<const std::uint8_t> bytes, TJpegError& error,
               std::vector<std::uint8_t>& rgb, int& width, int& height) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = ErrorExit;
    error.manager.output_message = SilentOutput;
    if (setjmp(error.back)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    // A forged header may announce gigapixels; no picture of the program is near this.
    constexpr std::uint64_t MaxPixels = std::uint64_t(1) << 26;
    if (std::uint64_t(info.output_width) * info.output_height > MaxPixels) {
        std::snprintf(error.message, sizeof error.message, "picture too large");
        jpeg_destroy_decompress(&info);
        return false;
    }
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    rgb.resize(rowBytes * static_cast<std::size_t>(height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb.data() + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

bool IsJpeg(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

void DecodeJpeg(std::span<const std::uint8_t> bytes, TBitmap& bitmap) {
    TJpegError error{};
    std::vector<std::uint8_t> pixels;
    int width = 0;
    int height = 0;
    if (!DecodeRgb(bytes, error, pixels, width, height))
        throw EInvalidGraphic(std::string("JPEG error: ") + error.message);
    // The device wants blue first.
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3)
        std::swap(pixels[i], pixels[i + 2]);
    bitmap.LoadFromBgr(width, height, pixels);
}

} // namespace fw
