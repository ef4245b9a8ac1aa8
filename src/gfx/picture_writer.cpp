#include "gfx/picture_writer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h>  // after <cstdio>: it needs FILE

namespace kestrilon {
namespace {

void PutLe(std::vector<unsigned char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

// Rows of the canvas as R, G, B bytes, top row first.
void RgbRow(const Canvas& canvas, int y, unsigned char* out) {
    const uint32_t* row = canvas.Data() + static_cast<size_t>(y) * canvas.Stride();
    for (int x = 0; x < canvas.Width(); ++x) {
        out[3 * x] = static_cast<unsigned char>((row[x] >> 16) & 0xFF);
        out[3 * x + 1] = static_cast<unsigned char>((row[x] >> 8) & 0xFF);
        out[3 * x + 2] = static_cast<unsigned char>(row[x] & 0xFF);
    }
}

}  // namespace

bool WriteBmp(const Canvas& canvas, const std::filesystem::path& file) {
    if (canvas.Empty()) return false;
    const int width = canvas.Width(), height = canvas.Height();
    const uint32_t rowBytes = static_cast<uint32_t>((width * 3 + 3) & ~3);
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    std::vector<unsigned char> out;
    out.reserve(54 + imageBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, 54 + imageBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);  // BITMAPINFOHEADER
    PutLe(out, static_cast<uint32_t>(width), 4);
    PutLe(out, static_cast<uint32_t>(height), 4);  // positive: rows stored bottom-up
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);  // no compression
    PutLe(out, imageBytes, 4);
    PutLe(out, 2835, 4);  // 72 dpi
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * 3);
    for (int y = height - 1; y >= 0; --y) {
        RgbRow(canvas, y, rgb.data());
        for (int x = 0; x < width; ++x) {
            out.push_back(rgb[3 * x + 2]);
            out.push_back(rgb[3 * x + 1]);
            out.push_back(rgb[3 * x]);
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(stream);
}

bool WriteJpeg(const Canvas& canvas, const std::filesystem::path& file, int quality) {
    if (canvas.Empty()) return false;
    FILE* stream = std::fopen(file.c_str(), "wb");
    if (!stream) return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, stream);
    info.image_width = static_cast<JDIMENSION>(canvas.Width());
    info.image_height = static_cast<JDIMENSION>(canvas.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Plain baseline files with no timestamps, so every build writes the same bytes.
    info.write_JFIF_header = TRUE;
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(canvas.Width()) * 3);
    while (info.next_scanline < info.image_height) {
        RgbRow(canvas, static_cast<int>(info.next_scanline), row.data());
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const bool ok = std::ferror(stream) == 0;
    return std::fclose(stream) == 0 && ok;
}

bool WritePicture(const Canvas& canvas, const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".jpg" || ext == ".jpeg") return WriteJpeg(canvas, file);
    return WriteBmp(canvas, file);
}

}  // namespace kestrilon
