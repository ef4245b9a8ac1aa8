#include "support/fake_platform.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>

#include "gfx/picture_writer.h"

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

bool FakePlatform::ClosesAt(const std::string& text) {
    if (!closeWindowAt.empty() && text.find(closeWindowAt) != std::string::npos) windowClosed = true;
    return windowClosed;
}

Answer FakePlatform::Ask(const std::string& text) {
    questions.push_back(text);
    if (ClosesAt(text)) return Answer::Closed;
    if (answers.empty()) return Answer::Yes;
    const bool answer = answers.front();
    answers.pop_front();
    return answer ? Answer::Yes : Answer::No;
}

Answer FakePlatform::Notify(const std::string& text) {
    messages.push_back(text);
    return ClosesAt(text) ? Answer::Closed : Answer::Yes;
}

bool FakePlatform::Confirm(const std::string& text) { return Ask(text) == Answer::Yes; }

void FakePlatform::MessageBox(const std::string& text) { Notify(text); }

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
    WriteCanvas(relative, width, height, colour, false);
}

void FakePlatform::WriteJpeg(const std::filesystem::path& relative, int width, int height, uint32_t colour) {
    WriteCanvas(relative, width, height, colour, true);
}

void FakePlatform::WriteCanvas(const std::filesystem::path& relative, int width, int height, uint32_t colour,
                               bool jpeg) {
    const auto path = folder_ / relative;
    std::filesystem::create_directories(path.parent_path());
    Canvas canvas(width, height);
    canvas.Clear(colour);
    const bool written = jpeg ? kestrilon::WriteJpeg(canvas, path, 95) : kestrilon::WriteBmp(canvas, path);
    if (!written) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace kestrilon::testing
