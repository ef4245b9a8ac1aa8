#include "session.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

#include "app/click_item.h"
#include "state/layers_state.h"
#include "state_report.h"

namespace kestrilon::play {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";
// Ticks due at the same instant as the end of a wait still run within it.
constexpr double kTimeSlack = 1e-9;

std::string_view Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    for (s = Trim(s); !s.empty(); s = Trim(s)) {
        const size_t end = std::min(s.find_first_of(kBlanks), s.size());
        words.push_back(s.substr(0, end));
        s.remove_prefix(end);
    }
    return words;
}

bool ToInt(std::string_view s, int& value) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

bool ToSeconds(std::string_view s, double& value) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size() && std::isfinite(value) && value >= 0;
}

// Game texts may hold line breaks; the transcript keeps one event a line.
std::string OneLine(std::string_view text) {
    std::string line;
    for (char c : text) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    return line;
}

struct KeyName {
    std::string_view name;
    Key key;
};

// The form tells only three keys apart; the rest are accepted by name as any other key.
constexpr std::array<KeyName, 13> kKeys = {{
    {"Escape", Key::Escape}, {"Return", Key::Enter}, {"Enter", Key::Enter}, {"Backspace", Key::Backspace},
    {"Space", Key::Other},   {"Tab", Key::Other},    {"Delete", Key::Other}, {"Up", Key::Other},
    {"Down", Key::Other},    {"Left", Key::Other},   {"Right", Key::Other},  {"Home", Key::Other},
    {"End", Key::Other},
}};

bool KeyOf(std::string_view name, Key& key) {
    for (const KeyName& k : kKeys) {
        if (k.name == name) {
            key = k.key;
            return true;
        }
    }
    const bool letterOrDigit = name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]));
    key = Key::Other;
    return letterOrDigit;
}

bool OnSurface(int x, int y) { return x >= 0 && x < kScreenWidth && y >= 0 && y < kScreenHeight; }

std::string ReadPoint(std::string_view args, int& x, int& y) {
    const auto words = Words(args);
    if (words.size() != 2 || !ToInt(words[0], x) || !ToInt(words[1], y)) return "expects X Y";
    if (!OnSurface(x, y)) return "(" + std::to_string(x) + ", " + std::to_string(y) + ") lies outside the 800 x 600 window";
    return "";
}

}  // namespace

PlaySession::PlaySession(tools::ScriptedPlatform& os, std::ostream& out) : os_(os), out_(out) {
    os_.listener = [this](std::string_view kind, std::string_view detail) {
        out_ << kind << ' ' << OneLine(detail) << '\n';
    };
    Open();
}

PlaySession::~PlaySession() {
    form_.reset();
    os_.listener = nullptr;
}

void PlaySession::Open() {
    out_ << "WINDOW opened\n";
    form_ = std::make_unique<TForm1>(os_);
    form_->FormCreate();
    closed_ = false;
    nextTick_ = os_.clock + form_->Timer1Interval() / 1000.0;
}

void PlaySession::Tick() {
    os_.clock = nextTick_;
    form_->Timer1Timer();
    nextTick_ = os_.clock + form_->Timer1Interval() / 1000.0;
    CloseIfAsked();
}

void PlaySession::CloseIfAsked() {
    if (!closed_ && form_->CloseRequested()) CloseWindow();
}

void PlaySession::CloseWindow() {
    form_->FormClose();
    form_->FormDestroy();
    closed_ = true;
    out_ << "WINDOW closed\n";
}

std::string PlaySession::Run(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == '#') return "";
    out_ << "> " << line << '\n';
    const size_t end = std::min(line.find_first_of(kBlanks), line.size());
    const std::string_view name = line.substr(0, end);
    const std::string_view args = Trim(line.substr(end));

    struct Command {
        std::string_view name;
        std::string (PlaySession::*run)(std::string_view);
        bool needsWindow;
    };
    static constexpr std::array<Command, 13> kCommands = {{
        {"click", &PlaySession::LeftClick, true},
        {"rclick", &PlaySession::RightClick, true},
        {"move", &PlaySession::Move, true},
        {"key", &PlaySession::KeyDown, true},
        {"type", &PlaySession::Type, true},
        {"frames", &PlaySession::Frames, true},
        {"wait", &PlaySession::Wait, true},
        {"answer", &PlaySession::Answer, false},
        {"shot", &PlaySession::Shot, false},
        {"state", &PlaySession::State, false},
        {"click-item", &PlaySession::ClickCaption, true},
        {"close", &PlaySession::Close, true},
        {"restart", &PlaySession::Restart, false},
    }};
    for (const Command& command : kCommands) {
        if (command.name != name) continue;
        if (command.needsWindow && closed_) return std::string(name) + ": the window is closed (restart opens it again)";
        std::string problem = (this->*command.run)(args);
        if (!problem.empty()) return std::string(name) + ": " + problem;
        CloseIfAsked();
        return "";
    }
    return "unknown command \"" + std::string(name) + "\"";
}

std::string PlaySession::LeftClick(std::string_view args) { return Press(args, MouseButton::Left); }

std::string PlaySession::RightClick(std::string_view args) { return Press(args, MouseButton::Right); }

std::string PlaySession::Press(std::string_view args, MouseButton button) {
    int x = 0, y = 0;
    if (std::string problem = ReadPoint(args, x, y); !problem.empty()) return problem;
    form_->cgMouseMove(x, y);
    form_->cgMouseDown(x, y, button);
    form_->cgMouseUp();
    return "";
}

std::string PlaySession::Move(std::string_view args) {
    int x = 0, y = 0;
    if (std::string problem = ReadPoint(args, x, y); !problem.empty()) return problem;
    form_->cgMouseMove(x, y);
    return "";
}

std::string PlaySession::KeyDown(std::string_view args) {
    Key key = Key::Other;
    if (args.empty() || !KeyOf(args, key)) return "unknown key \"" + std::string(args) + "\"";
    form_->FormKeyDown(key);
    return "";
}

std::string PlaySession::Type(std::string_view args) {
    const ScreenState& screen = form_->game().screen;
    if (screen.presetPanelOpen) {
        if (form_->PresetPanel().focus < 0) return "no name edit of the preset panel has the focus (click one first)";
    } else if (!screen.nameBoxOpen) {
        return "neither the name entry nor the preset panel is shown";
    }
    form_->name_lTextInput(args);
    return "";
}

std::string PlaySession::Frames(std::string_view args) {
    int n = 0;
    if (!ToInt(args, n) || n < 0) return "expects a count of ticks";
    for (int i = 0; i < n && !closed_; ++i) Tick();
    return "";
}

std::string PlaySession::Wait(std::string_view args) {
    double seconds = 0;
    if (!ToSeconds(args, seconds)) return "expects seconds";
    const double until = os_.clock + seconds;
    while (!closed_ && nextTick_ <= until + kTimeSlack) Tick();
    os_.clock = std::max(os_.clock, until);
    return "";
}

std::string PlaySession::Answer(std::string_view args) {
    const auto words = Words(args);
    if (words.empty()) return "expects yes or no, one for each dialog";
    for (std::string_view word : words)
        if (word != "yes" && word != "no") return "\"" + std::string(word) + "\" is neither yes nor no";
    for (std::string_view word : words) os_.answers.push_back(word == "yes");
    return "";
}

std::string PlaySession::Shot(std::string_view args) {
    if (args.empty()) return "expects a file name";
    if (!form_->Surface().SavePng(std::filesystem::path(std::string(args)))) return "cannot write " + std::string(args);
    return "";
}

std::string PlaySession::State(std::string_view args) {
    if (!args.empty()) return "takes no arguments";
    PrintState(form_->game(), out_);
    return "";
}

std::string PlaySession::ClickCaption(std::string_view args) {
    if (args.empty()) return "expects a caption";
    std::string problem;
    if (!ClickItem(*form_, args, &problem)) return problem;
    return "";
}

std::string PlaySession::Close(std::string_view args) {
    if (!args.empty()) return "takes no arguments";
    CloseWindow();
    return "";
}

std::string PlaySession::Restart(std::string_view args) {
    if (!args.empty()) return "takes no arguments";
    if (!closed_) CloseWindow();
    form_.reset();
    Open();
    return "";
}

}  // namespace kestrilon::play
