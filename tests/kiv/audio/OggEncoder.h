#pragma once
// Test sounds: Ogg Vorbis files made in memory with libvorbisenc, so the audio
// tests and benchmark need no binary fixtures. Header-only so the benchmark
// can share it.
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace oggtest {

// interleaved: frames x channels samples in -1..1. quality: -0.1 .. 1.0.
inline std::vector<unsigned char> encodeOgg(const std::vector<float>& interleaved, int channels, int rate,
                                            float quality = 0.6f)
{
    std::vector<unsigned char> bytes;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0)
        std::abort();
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1234);
    auto append = [&bytes](const ogg_page& page) {
        bytes.insert(bytes.end(), page.header, page.header + page.header_len);
        bytes.insert(bytes.end(), page.body, page.body + page.body_len);
    };
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page))
        append(page);

    const long frames = static_cast<long>(interleaved.size()) / channels;
    const long blockFrames = 1024;
    for (long start = 0;;) {
        const long count = std::min(blockFrames, frames - start);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (long i = 0; i < count; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = interleaved[static_cast<size_t>((start + i) * channels + c)];
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(std::max(count, 0L)));
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page))
                    append(page);
            }
        }
        if (count <= 0)
            break;
        start += count;
    }
    while (ogg_stream_flush(&stream, &page))
        append(page);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return bytes;
}

// A sine of the given frequency per channel (channel c at hz x (c + 1)), amplitude 0.5.
inline std::vector<float> sine(long frames, int channels, int rate, double hz)
{
    std::vector<float> samples(static_cast<size_t>(frames * channels));
    for (long i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[static_cast<size_t>(i * channels + c)] =
                static_cast<float>(0.5 * std::sin(2.0 * M_PI * hz * (c + 1) * i / rate));
    return samples;
}

inline std::vector<unsigned char> sineOgg(long frames, int channels, int rate, double hz = 440.0)
{
    return encodeOgg(sine(frames, channels, rate, hz), channels, rate);
}

} // namespace oggtest
