#include <lame/lame.h>

#include <algorithm>
#include <fstream>
#include <mutex>
#include <vector>

#include "music.h"

namespace kestrilon::assets {
namespace {

// The encoder fills shared tables while it sets itself up; encoding itself only reads them.
std::mutex setupMutex;

}  // namespace

bool EncodeMp3(const MusicLoop& loop, const std::filesystem::path& file) {
    lame_global_flags* lame = lame_init();
    if (!lame) return false;
    lame_set_num_channels(lame, 2);
    lame_set_in_samplerate(lame, loop.rate);
    lame_set_out_samplerate(lame, loop.rate);
    lame_set_mode(lame, JOINT_STEREO);
    lame_set_VBR(lame, vbr_off);
    lame_set_brate(lame, 128);
    lame_set_quality(lame, 5);
    lame_set_write_id3tag_automatic(lame, 0);
    lame_set_bWriteVbrTag(lame, 1);
    int ready;
    {
        std::lock_guard lock(setupMutex);
        ready = lame_init_params(lame);
    }
    if (ready < 0) {
        lame_close(lame);
        return false;
    }
    const int frames = static_cast<int>(loop.samples.size() / 2);
    std::vector<unsigned char> out(static_cast<size_t>(frames) * 5 / 4 + 7200 + 16384);
    std::vector<short> pcm(loop.samples.begin(), loop.samples.end());
    const int written = lame_encode_buffer_interleaved(lame, pcm.data(), frames, out.data(), static_cast<int>(out.size()));
    if (written < 0) {
        lame_close(lame);
        return false;
    }
    const int flushed = lame_encode_flush(lame, out.data() + written, static_cast<int>(out.size()) - written);
    if (flushed < 0) {
        lame_close(lame);
        return false;
    }
    out.resize(static_cast<size_t>(written + flushed));
    // The first frame was a placeholder for the info frame, known only now.
    unsigned char tag[4096];
    const size_t tagBytes = lame_get_lametag_frame(lame, tag, sizeof tag);
    if (tagBytes > 0 && tagBytes <= out.size()) std::copy(tag, tag + tagBytes, out.begin());
    lame_close(lame);
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(stream);
}

}  // namespace kestrilon::assets
