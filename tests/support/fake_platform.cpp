#include "support/fake_platform.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>  // after <cstdio>: it needs FILE

namespace kestrilon::testing {

FakePlatform::FakePlatform() {
    std::random_device rd;
    folder_ = std::filesystem::temp_directory_path() /
              ("kestrilon-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(folder_ / "cg");
    std::filesystem::create_directories(folder_ / "dat");
    std::filesystem::create_directories(folder_ / "dat2");
}

FakePlatform::~FakePlatform() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

int FakePlatform::LoadWave(const std::filesystem::path& file) {
    if (!soundDevice || !std::filesystem::exists(file)) return -1;
    wavesLoaded.push_back(file.filename().string());
    handles_.push_back(file.filename().string());
    return static_cast<int>(handles_.size()) - 1;
}

void FakePlatform::PlayWave(int handle, int volumeCentibels) {
    if (handle < 0 || handle >= static_cast<int>(handles_.size())) return;
    played.push_back(handles_[static_cast<size_t>(handle)]);
    playedVolumes.push_back(volumeCentibels);
}

bool FakePlatform::PlayMusic(const std::filesystem::path& file) {
    if (!std::filesystem::exists(file)) return false;
    musicStarted.push_back(file.filename().string());
    return true;
}

void FakePlatform::StopMusic() { ++musicStops; }

bool FakePlatform::MusicFinished() {
    const bool ended = musicEnded;
    musicEnded = false;
    return ended;
}

bool FakePlatform::Confirm(const std::string& text) {
    questions.push_back(text);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakePlatform::MessageBox(const std::string& text) { messages.push_back(text); }

HttpReply FakePlatform::HttpGet(const std::string& url) {
    if (http) return http(url);
    return {};
}

bool FakePlatform::OpenUrl(const std::string& url) {
    urlsOpened.push_back(url);
    return true;
}

void FakePlatform::WriteFile(const std::filesystem::path& relative, const std::string& bytes) {
    const auto path = folder_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

void FakePlatform::WriteBmp(const std::filesystem::path& relative, int width, int height, uint32_t colour) {
    const int rowBytes = (width * 3 + 3) & ~3;
    const int imageBytes = rowBytes * height;
    std::string bmp(54 + static_cast<size_t>(imageBytes), '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + static_cast<size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<uint32_t>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    bmp[26] = 1;
    bmp[28] = 24;
    put32(34, static_cast<uint32_t>(imageBytes));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t at = 54 + static_cast<size_t>(y * rowBytes + x * 3);
            bmp[at] = static_cast<char>((colour >> 16) & 0xFF);     // blue
            bmp[at + 1] = static_cast<char>((colour >> 8) & 0xFF);  // green
            bmp[at + 2] = static_cast<char>(colour & 0xFF);         // red
        }
    }
    WriteFile(relative, bmp);
}

void FakePlatform::WriteJpeg(const std::filesystem::path& relative, int width, int height, uint32_t colour) {
    const auto path = folder_ / relative;
    std::filesystem::create_directories(path.parent_path());
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) throw std::runtime_error("cannot write " + path.string());
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[static_cast<size_t>(x) * 3] = static_cast<unsigned char>(colour & 0xFF);
        row[static_cast<size_t>(x) * 3 + 1] = static_cast<unsigned char>((colour >> 8) & 0xFF);
        row[static_cast<size_t>(x) * 3 + 2] = static_cast<unsigned char>((colour >> 16) & 0xFF);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

}  // namespace kestrilon::testing
