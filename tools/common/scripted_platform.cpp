#include "scripted_platform.h"

#include <fstream>
#include <random>
#include <stdexcept>

#include "gfx/canvas.h"
#include "gfx/picture_writer.h"

namespace kestrilon::tools {

ScriptedPlatform::ScriptedPlatform() : ownsFolder_(true) {
    std::random_device rd;
    folder_ = std::filesystem::temp_directory_path() /
              ("kestrilon-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(folder_ / "cg");
    std::filesystem::create_directories(folder_ / "dat");
    std::filesystem::create_directories(folder_ / "dat2");
}

ScriptedPlatform::ScriptedPlatform(std::filesystem::path folder) : folder_(std::move(folder)) {}

ScriptedPlatform::~ScriptedPlatform() {
    if (!ownsFolder_) return;
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

void ScriptedPlatform::Tell(std::string_view kind, std::string_view detail) {
    if (listener) listener(kind, detail);
}

int ScriptedPlatform::LoadWave(const std::filesystem::path& file) {
    if (!soundDevice || !std::filesystem::exists(file)) return -1;
    wavesLoaded.push_back(file.filename().string());
    handles_.push_back(file.filename().string());
    return static_cast<int>(handles_.size()) - 1;
}

void ScriptedPlatform::PlayWave(int handle, int volumeCentibels) {
    if (handle < 0 || handle >= static_cast<int>(handles_.size())) return;
    played.push_back(handles_[static_cast<size_t>(handle)]);
    playedVolumes.push_back(volumeCentibels);
    Tell("SOUND", played.back());
}

bool ScriptedPlatform::PlayMusic(const std::filesystem::path& file) {
    if (!std::filesystem::exists(file)) return false;
    musicStarted.push_back(file.filename().string());
    musicPlaying_ = true;
    Tell("MUSIC", musicStarted.back());
    return true;
}

void ScriptedPlatform::StopMusic() {
    ++musicStops;
    // The game stops the music whether or not any plays; only a real stop is news.
    if (musicPlaying_) Tell("MUSIC", "stop");
    musicPlaying_ = false;
}

bool ScriptedPlatform::MusicFinished() {
    const bool ended = musicEnded;
    musicEnded = false;
    return ended;
}

bool ScriptedPlatform::ClosesAt(const std::string& text) {
    if (!closeWindowAt.empty() && text.find(closeWindowAt) != std::string::npos) windowClosed = true;
    return windowClosed;
}

Answer ScriptedPlatform::Ask(const std::string& text) {
    questions.push_back(text);
    if (ClosesAt(text)) {
        Tell("ASK", text + " -> window closed");
        return Answer::Closed;
    }
    const bool queued = !answers.empty();
    bool answer = true;
    if (queued) {
        answer = answers.front();
        answers.pop_front();
    }
    Tell("ASK", text + (answer ? " -> yes" : " -> no") + (queued ? "" : " (none queued)"));
    return answer ? Answer::Yes : Answer::No;
}

Answer ScriptedPlatform::Notify(const std::string& text) {
    messages.push_back(text);
    const bool closed = ClosesAt(text);
    Tell("MSG", text + (closed ? " -> window closed" : ""));
    return closed ? Answer::Closed : Answer::Yes;
}

bool ScriptedPlatform::Confirm(const std::string& text) { return Ask(text) == Answer::Yes; }

void ScriptedPlatform::MessageBox(const std::string& text) { Notify(text); }

HttpReply ScriptedPlatform::HttpGet(const std::string& url) {
    HttpReply reply;
    if (http) reply = http(url, {});
    requests.push_back("GET " + url);
    Tell("HTTP", url + (reply.ok ? " -> ok" : " -> failed"));
    return reply;
}

HttpReply ScriptedPlatform::HttpPost(const std::string& url, const std::string& body) {
    HttpReply reply;
    if (http) reply = http(url, body);
    requests.push_back("POST " + url);
    Tell("HTTP", "POST " + url + (reply.ok ? " -> ok" : " -> failed"));
    return reply;
}

void ScriptedPlatform::ShowFrame(const Canvas&) { ++framesShown; }

bool ScriptedPlatform::OpenUrl(const std::string& url) {
    urlsOpened.push_back(url);
    Tell("OPEN", url);
    return true;
}

void ScriptedPlatform::Logged(std::string_view text, std::string_view colourName) {
    if (!listener) return;
    std::string detail(colourName);
    detail += ' ';
    detail += text;
    listener("LOG", detail);
}

void ScriptedPlatform::WriteFile(const std::filesystem::path& relative, const std::string& bytes) {
    const auto path = folder_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

void ScriptedPlatform::WriteBmp(const std::filesystem::path& relative, int width, int height, uint32_t colour) {
    WriteCanvas(relative, width, height, colour, false);
}

void ScriptedPlatform::WriteJpeg(const std::filesystem::path& relative, int width, int height, uint32_t colour) {
    WriteCanvas(relative, width, height, colour, true);
}

void ScriptedPlatform::WriteCanvas(const std::filesystem::path& relative, int width, int height, uint32_t colour,
                                   bool jpeg) {
    const auto path = folder_ / relative;
    std::filesystem::create_directories(path.parent_path());
    Canvas canvas(width, height);
    canvas.Clear(colour);
    const bool written = jpeg ? kestrilon::WriteJpeg(canvas, path, 95) : kestrilon::WriteBmp(canvas, path);
    if (!written) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace kestrilon::tools
