#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

using namespace audiotest;

namespace {

// The same file with its last page announcing frames frames in all (its
// granule position), the page's checksum mended so that only the length lies.
std::vector<unsigned char> announcing(std::vector<unsigned char> bytes, int64_t frames)
{
    const size_t page = oggtest::pageStarts(bytes).back();
    for (int i = 0; i < 8; ++i)
        bytes[page + 6 + i] = static_cast<unsigned char>(frames >> (8 * i));
    oggtest::mendChecksum(bytes, page);
    return bytes;
}

// The most address space this process has held, in kilobytes.
long peakAddressSpaceKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string field; status >> field;)
        if (field == "VmPeak:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    return 0;
}

TEST(MixerOGG, WholeDecodeHoldsExactlyWhatTheLibraryDecodes)
{
    // bChirps: a twentieth of a second of sine every two seconds,
    // silence between; otherwise a sine all along.
    struct Case { const char* what; int channels; long frames; bool bChirps; int64_t announced; bool bHoled; };
    // Silence packs far more frames into a byte than music: the buffer grows
    // past what the file's size suggested. A damaged last page may announce
    // far more than the file holds (here 8 GB of floats once clamped): only
    // what is decoded may cost memory. A damaged page in the middle costs
    // only its own frames: decoding goes on after the hole.
    const Case cases[] = {{"mono", 1, 30001, false, 0, false},
                          {"stereo", 2, 70000, false, 0, false},
                          {"a minute of chirps and silence", 1, 60L * 44100, true, 0, false},
                          {"stereo announcing 2^40 frames", 2, 100000, false, int64_t(1) << 40, false},
                          {"stereo with a hole in the middle", 2, 100000, false, 0, true}};
    for (const Case& c : cases) {
        std::vector<float> samples = oggtest::sine(c.frames, c.channels, 44100, 440.0);
        for (size_t i = 0; c.bChirps && i < samples.size(); ++i)
            if (i % 88200 >= 2205)
                samples[i] = 0.0f;
        std::vector<unsigned char> bytes = oggtest::encodeOgg(samples, c.channels, 44100);
        if (c.announced)
            bytes = announcing(bytes, c.announced);
        if (c.bHoled)
            bytes = oggtest::holed(bytes);
        std::vector<float> bare;
        const auto keepStereo = [&bare](float** pcm, long frames, int channels) {
            for (long i = 0; i < frames; ++i) {
                bare.push_back(pcm[0][i]);
                bare.push_back(pcm[channels - 1][i]);
            }
        };
        ASSERT_GE(bareDecode(bytes, keepStereo), c.bHoled ? c.frames / 2 : c.frames) << c.what;
        auto file = memoryFile(bytes);
        const long peakBefore = peakAddressSpaceKilobytes();
        MixerOGGstatic sample(file.get(), false, 1);
        EXPECT_LT(peakAddressSpaceKilobytes() - peakBefore, 64 * 1024) << c.what;
        if (c.announced) {
            EXPECT_GT(sample.length, 1 << 29) << "the damaged page is read as announced";
        }
        ASSERT_EQ(sample.dataSize, static_cast<int32_t>(bare.size())) << c.what;
        EXPECT_EQ(sample.dataCapacity, sample.dataSize) << c.what;
        EXPECT_TRUE(std::equal(bare.begin(), bare.end(), sample.data)) << c.what;
    }
}

// libvorbisfile reads and seeks through these: nothing may be read outside
// the file, whatever position a seek left.
TEST(OggDecoder, MemoryCallbacksStayInsideTheFile)
{
    const std::vector<unsigned char> bytes = oggtest::sineOgg(1000, 1, 22050);
    OggDecoder source;
    ASSERT_TRUE(source.open(bytes.data(), static_cast<uint32_t>(bytes.size())));
    const int32_t size = static_cast<int32_t>(bytes.size());
    unsigned char buffer[64];
    struct Case { int32_t position; size_t elementSize, count; size_t result; int32_t positionAfter; };
    // A partial element is copied but not counted.
    const Case cases[] = {{size - 6, 4, 10, 1, size}, {size + 100, 1, 10, 0, size + 100}, {-20, 1, 10, 0, -20}};
    for (const Case& c : cases) {
        source.readPosition = c.position;
        EXPECT_EQ(OggDecoder::readCallback(buffer, c.elementSize, c.count, &source), c.result) << c.position;
        EXPECT_EQ(source.readPosition, c.positionAfter) << c.position;
    }
    struct SeekCase { int64_t offset; int origin; int32_t position; }; // from 100
    for (const SeekCase& c : {SeekCase{-30, SEEK_CUR, 70}, SeekCase{-10, SEEK_END, size - 10}}) {
        source.readPosition = 100;
        EXPECT_EQ(OggDecoder::seekCallback(&source, c.offset, c.origin), 0);
        EXPECT_EQ(OggDecoder::tellCallback(&source), c.position) << c.offset << " from " << c.origin;
    }
}

} // namespace
