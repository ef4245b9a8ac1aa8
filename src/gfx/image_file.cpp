#include "gfx/image_file.h"

#include <SDL.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>

#include <jpeglib.h>  // after <cstdio>: it needs FILE

namespace kestrilon {
namespace {

constexpr int kMaxSide = 8192;  // larger pictures are refused rather than eating memory

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    std::longjmp(error->jump, 1);
}

bool DecodeJpeg(const std::filesystem::path& file, DecodedImage& out) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(file.c_str(), "rb"), std::fclose);
    if (!f) return false;
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    error.manager.output_message = [](j_common_ptr) {};
    // Everything that must survive a longjmp lives outside this frame's locals.
    out.pixels.clear();
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        out.pixels.clear();
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, f.get());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxSide ||
        info.output_height > kMaxSide || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.pixels.resize(static_cast<size_t>(out.width) * out.height);
    // The row buffer belongs to libjpeg, so an error jump leaks nothing.
    JSAMPARRAY rows = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        const auto y = info.output_scanline;
        jpeg_read_scanlines(&info, rows, 1);
        uint32_t* dst = out.pixels.data() + static_cast<size_t>(y) * out.width;
        for (int x = 0; x < out.width; ++x) {
            const unsigned char* p = rows[0] + static_cast<size_t>(x) * 3;
            dst[x] = 0xFF000000u | (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool DecodeBmp(const std::filesystem::path& file, DecodedImage& out) {
    SDL_Surface* loaded = SDL_LoadBMP(file.c_str());
    if (!loaded) return false;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) return false;
    const bool fits = argb->w > 0 && argb->h > 0 && argb->w <= kMaxSide && argb->h <= kMaxSide;
    if (fits) {
        out.width = argb->w;
        out.height = argb->h;
        out.pixels.resize(static_cast<size_t>(out.width) * out.height);
        SDL_LockSurface(argb);
        for (int y = 0; y < out.height; ++y) {
            const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const char*>(argb->pixels) + y * argb->pitch);
            uint32_t* dst = out.pixels.data() + static_cast<size_t>(y) * out.width;
            for (int x = 0; x < out.width; ++x) dst[x] = src[x] | 0xFF000000u;
        }
        SDL_UnlockSurface(argb);
    }
    SDL_FreeSurface(argb);
    return fits;
}

}  // namespace

bool DecodeImageFile(const std::filesystem::path& file, DecodedImage& out) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".jpg" || ext == ".jpeg") return DecodeJpeg(file, out);
    return DecodeBmp(file, out);
}

}  // namespace kestrilon
