#include "MemoryImageFile.h"

#include "ErrorManager.h"
#include "Logger.h"
#include "FileManager.h"
#include "MemoryFile.h"
#include "Point.h"
#include "ProgramEnd.h"
#include "Rect.h"
#include "ReplaceFile.h"

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

namespace {

// TGA header: 18 bytes, little-endian.
constexpr size_t TGA_HEADER_SIZE = 18;
constexpr unsigned char TGA_TRUE_COLOR = 2;
// Image descriptor bit 5: rows stored top row first.
constexpr unsigned char TGA_TOP_ORIGIN = 0x20;

bool dimensionsAcceptable(int64_t imageWidth, int64_t imageHeight)
{
    return imageWidth > 0 && imageHeight > 0 && imageWidth <= MemoryImageFile::MAX_DIMENSION &&
           imageHeight <= MemoryImageFile::MAX_DIMENSION && imageWidth * imageHeight <= MemoryImageFile::MAX_PIXELS;
}

UString badDimensions(int64_t imageWidth, int64_t imageHeight)
{
    return formatString("unsupported image size %lldx%lld", static_cast<long long>(imageWidth),
                        static_cast<long long>(imageHeight));
}

UString lowerExtension(const UString& fileName)
{
    size_t dot = fileName.rfind('.');
    size_t slash = fileName.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return UString();
    UString extension = fileName.substr(dot);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to the caller, which releases what it holds.
struct JpegErrorManager {
    jpeg_error_mgr base;
    jmp_buf returnPoint;
    char message[JMSG_LENGTH_MAX];
};

void jpegErrorExit(j_common_ptr info)
{
    JpegErrorManager* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    longjmp(manager->returnPoint, 1);
}

void jpegSilentOutput(j_common_ptr) {}

// Memory source: the whole compressed image is already in memory, so a
// request for more bytes means the file is truncated, which is an error.
void jpegInitSource(j_decompress_ptr) {}

boolean jpegFillInputBuffer(j_decompress_ptr info)
{
    ERREXIT(info, JERR_INPUT_EOF);
    return FALSE;
}

void jpegSkipInputData(j_decompress_ptr info, long count)
{
    if (count <= 0)
        return;
    jpeg_source_mgr* source = info->src;
    if (static_cast<size_t>(count) > source->bytes_in_buffer)
        ERREXIT(info, JERR_INPUT_EOF);
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<size_t>(count);
}

void jpegTermSource(j_decompress_ptr) {}

struct JpegDecodeResult {
    int width = 0;
    int height = 0;
    unsigned char* pixels = nullptr;
};

// Kept free of C++ objects with destructors: a longjmp out of libjpeg must
// not skip any.
bool decodeJpegInto(const unsigned char* bytes, size_t size, bool sizeOnly, JpegDecodeResult& result,
                    char* errorText, size_t errorCapacity)
{
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    jpeg_source_mgr source;
    unsigned char* volatile pixels = nullptr;
    unsigned char* volatile row = nullptr;

    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegErrorExit;
    errors.base.output_message = jpegSilentOutput;
    errors.message[0] = '\0';
    if (setjmp(errors.returnPoint)) {
        jpeg_destroy_decompress(&info);
        delete[] pixels;
        delete[] row;
        std::snprintf(errorText, errorCapacity, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    source.next_input_byte = bytes;
    source.bytes_in_buffer = size;
    source.init_source = jpegInitSource;
    source.fill_input_buffer = jpegFillInputBuffer;
    source.skip_input_data = jpegSkipInputData;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = jpegTermSource;
    info.src = &source;

    jpeg_read_header(&info, TRUE);
    if (!dimensionsAcceptable(info.image_width, info.image_height)) {
        std::snprintf(errorText, errorCapacity, "unsupported image size %ux%u", info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    result.width = static_cast<int>(info.image_width);
    result.height = static_cast<int>(info.image_height);
    if (sizeOnly) {
        jpeg_destroy_decompress(&info);
        return true;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const size_t pixelCount = static_cast<size_t>(result.width) * static_cast<size_t>(result.height);
    pixels = new unsigned char[pixelCount * 4];
    row = new unsigned char[static_cast<size_t>(info.output_width) * 3];
    while (info.output_scanline < info.output_height) {
        const size_t y = info.output_scanline;
        JSAMPROW rows[1] = {row};
        jpeg_read_scanlines(&info, rows, 1);
        unsigned char* target = pixels + y * static_cast<size_t>(result.width) * 4;
        for (int x = 0; x < result.width; ++x) {
            target[x * 4 + 0] = row[x * 3 + 0];
            target[x * 4 + 1] = row[x * 3 + 1];
            target[x * 4 + 2] = row[x * 3 + 2];
            target[x * 4 + 3] = 255;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    delete[] row;
    result.pixels = pixels;
    return true;
}

// Destination: the encoded bytes, gathered in a block of malloc's that
// doubles as it fills. A longjmp out of libjpeg may leave it at any size:
// the block goes with the object, which lives outside the encoder.
struct JpegMemoryDestination {
    JpegMemoryDestination() = default;
    ~JpegMemoryDestination() { std::free(bytes); }
    JpegMemoryDestination(const JpegMemoryDestination&) = delete;
    JpegMemoryDestination& operator=(const JpegMemoryDestination&) = delete;

    jpeg_destination_mgr base{};
    unsigned char* bytes = nullptr;
    size_t capacity = 0;
    size_t size = 0;
};

constexpr size_t JPEG_FIRST_BLOCK = 64 * 1024;

JpegMemoryDestination& memoryDestination(j_compress_ptr info)
{
    return *reinterpret_cast<JpegMemoryDestination*>(info->dest);
}

// Gives the encoder the free part of a block grown to capacity bytes.
void jpegGrowBlock(j_compress_ptr info, size_t capacity)
{
    JpegMemoryDestination& destination = memoryDestination(info);
    void* grown = std::realloc(destination.bytes, capacity);
    if (!grown)
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    destination.bytes = static_cast<unsigned char*>(grown);
    destination.base.next_output_byte = destination.bytes + destination.capacity;
    destination.base.free_in_buffer = capacity - destination.capacity;
    destination.capacity = capacity;
}

void jpegInitDestination(j_compress_ptr info)
{
    jpegGrowBlock(info, JPEG_FIRST_BLOCK);
}

// Called once the block is full.
boolean jpegEmptyOutputBuffer(j_compress_ptr info)
{
    jpegGrowBlock(info, memoryDestination(info).capacity * 2);
    return TRUE;
}

void jpegTermDestination(j_compress_ptr info)
{
    JpegMemoryDestination& destination = memoryDestination(info);
    destination.size = destination.capacity - destination.base.free_in_buffer;
}

// Kept free of C++ objects with destructors, like decodeJpegInto. False
// when libjpeg failed; errors then holds its message.
bool compressJpegTo(JpegMemoryDestination& destination, const unsigned char* pixels, int imageWidth,
                    int imageHeight, int quality, JpegErrorManager& errors)
{
    jpeg_compress_struct info;
    // Had before the encoder starts, so that running out of it leaves no
    // encoder behind.
    unsigned char* volatile row = new unsigned char[static_cast<size_t>(imageWidth) * 3];

    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegErrorExit;
    errors.base.output_message = jpegSilentOutput;
    errors.message[0] = '\0';
    if (setjmp(errors.returnPoint)) {
        jpeg_destroy_compress(&info);
        delete[] row;
        return false;
    }
    jpeg_create_compress(&info);
    destination.base.init_destination = jpegInitDestination;
    destination.base.empty_output_buffer = jpegEmptyOutputBuffer;
    destination.base.term_destination = jpegTermDestination;
    info.dest = &destination.base;
    info.image_width = static_cast<JDIMENSION>(imageWidth);
    info.image_height = static_cast<JDIMENSION>(imageHeight);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, std::clamp(quality, 0, 100), TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const unsigned char* source = pixels + static_cast<size_t>(info.next_scanline) * imageWidth * 4;
        for (int x = 0; x < imageWidth; ++x) {
            row[x * 3 + 0] = source[x * 4 + 0];
            row[x * 3 + 1] = source[x * 4 + 1];
            row[x * 3 + 2] = source[x * 4 + 2];
        }
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    delete[] row;
    return true;
}

} // namespace

MemoryImageFile::MemoryImageFile(const UString& fileName, bool sizeOnly)
{
    const UString extension = lowerExtension(fileName);
    const bool isTGA = extension == ".tga";
    const bool isJPG = extension == ".jpg" || extension == ".jpeg";
    if (!isTGA && !isJPG)
        KIV_ERROR("Unsupported image format '%s'.", fileName.c_str());
    MemoryFile file(fileName);
    UString error;
    const bool decoded = isTGA ? decodeTGA(file.data, file.size, sizeOnly, error)
                               : decodeJPG(file.data, file.size, sizeOnly, error);
    if (!decoded)
        KIV_ERROR("Image %s could not be loaded: %s.", FileManager::describeDataFile(fileName).c_str(), error.c_str());
}

MemoryImageFile::MemoryImageFile(int imageWidth, int imageHeight)
{
    KIV_ASSERT(imageWidth >= 0 && imageHeight >= 0);
    width = imageWidth;
    height = imageHeight;
    hasAlpha = true;
    pImageData = new unsigned char[static_cast<size_t>(width) * static_cast<size_t>(height) * 4];
}

MemoryImageFile::~MemoryImageFile()
{
    delete[] pImageData;
}

void MemoryImageFile::replacePixels(int newWidth, int newHeight, bool newHasAlpha, unsigned char* newData)
{
    delete[] pImageData;
    pImageData = newData;
    width = newWidth;
    height = newHeight;
    hasAlpha = newHasAlpha;
}

bool MemoryImageFile::decodeTGA(const unsigned char* bytes, size_t size, bool sizeOnly, UString& error)
{
    if (!bytes || size < TGA_HEADER_SIZE) {
        error = "truncated TGA header";
        return false;
    }
    const unsigned idLength = bytes[0];
    const unsigned colorMapType = bytes[1];
    const unsigned imageType = bytes[2];
    const int imageWidth = bytes[12] | (bytes[13] << 8);
    const int imageHeight = bytes[14] | (bytes[15] << 8);
    const unsigned bitsPerPixel = bytes[16];
    const unsigned descriptor = bytes[17];
    if (colorMapType != 0 || imageType != TGA_TRUE_COLOR || bitsPerPixel != 32) {
        error = formatString("unsupported TGA type (colour map %u, type %u, %u bits); only uncompressed 32-bit",
                             colorMapType, imageType, bitsPerPixel);
        return false;
    }
    if (!dimensionsAcceptable(imageWidth, imageHeight)) {
        error = badDimensions(imageWidth, imageHeight);
        return false;
    }
    const size_t rowBytes = static_cast<size_t>(imageWidth) * 4;
    const size_t pixelBytes = rowBytes * static_cast<size_t>(imageHeight);
    const size_t pixelOffset = TGA_HEADER_SIZE + idLength;
    if (size < pixelOffset || size - pixelOffset < pixelBytes) {
        error = formatString("truncated TGA pixels (%zu bytes, %zu needed)", size, pixelOffset + pixelBytes);
        return false;
    }
    if (sizeOnly) {
        replacePixels(imageWidth, imageHeight, true, nullptr);
        return true;
    }
    unsigned char* pixels = new unsigned char[pixelBytes];
    const bool topFirst = (descriptor & TGA_TOP_ORIGIN) != 0;
    for (int y = 0; y < imageHeight; ++y) {
        const int sourceRow = topFirst ? y : imageHeight - 1 - y;
        const unsigned char* source = bytes + pixelOffset + static_cast<size_t>(sourceRow) * rowBytes;
        unsigned char* target = pixels + static_cast<size_t>(y) * rowBytes;
        for (int x = 0; x < imageWidth; ++x) {
            target[x * 4 + 0] = source[x * 4 + 2];
            target[x * 4 + 1] = source[x * 4 + 1];
            target[x * 4 + 2] = source[x * 4 + 0];
            target[x * 4 + 3] = source[x * 4 + 3];
        }
    }
    replacePixels(imageWidth, imageHeight, true, pixels);
    return true;
}

bool MemoryImageFile::decodeJPG(const unsigned char* bytes, size_t size, bool sizeOnly, UString& error)
{
    if (!bytes || size == 0) {
        error = "empty JPEG file";
        return false;
    }
    JpegDecodeResult result;
    char errorText[JMSG_LENGTH_MAX + 64] = {};
    if (!decodeJpegInto(bytes, size, sizeOnly, result, errorText, sizeof(errorText))) {
        error = errorText;
        return false;
    }
    replacePixels(result.width, result.height, false, result.pixels);
    return true;
}

void MemoryImageFile::ditherTo(unsigned char keepMask)
{
    KIV_ASSERT(pImageData);
    const size_t stride = static_cast<size_t>(width) * 4;
    auto spread = [](unsigned char& target, int amount) {
        target = static_cast<unsigned char>(std::min(255, target + amount));
    };
    for (int y = 0; y < height; ++y) {
        unsigned char* row = pImageData + y * stride;
        unsigned char* below = y + 1 < height ? row + stride : nullptr;
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                unsigned char& value = row[x * 4 + c];
                const int error = value & ~keepMask & 0xFF;
                value = static_cast<unsigned char>(value & keepMask);
                if (error == 0)
                    continue;
                if (x + 1 < width)
                    spread(row[(x + 1) * 4 + c], error * 7 / 16);
                if (below) {
                    if (x > 0)
                        spread(below[(x - 1) * 4 + c], error * 3 / 16);
                    spread(below[x * 4 + c], error * 5 / 16);
                    if (x + 1 < width)
                        spread(below[(x + 1) * 4 + c], error / 16);
                }
            }
        }
    }
}

void MemoryImageFile::ditherTo15Bit()
{
    ditherTo(0xF8);
}

void MemoryImageFile::ditherTo12Bit()
{
    ditherTo(0xF0);
}

void MemoryImageFile::halveSize()
{
    KIV_ASSERT(pImageData);
    KIV_LOG("Halving texture size (original size: %dx%d)", width, height);
    const int newWidth = width / 2;
    const int newHeight = height / 2;
    const size_t stride = static_cast<size_t>(width) * 4;
    unsigned char* halved = new unsigned char[static_cast<size_t>(newWidth) * newHeight * 4];
    for (int y = 0; y < newHeight; ++y) {
        const unsigned char* top = pImageData + static_cast<size_t>(2 * y) * stride;
        const unsigned char* bottom = top + stride;
        unsigned char* target = halved + static_cast<size_t>(y) * newWidth * 4;
        for (int x = 0; x < newWidth; ++x)
            for (int c = 0; c < 4; ++c) {
                const size_t left = static_cast<size_t>(2 * x) * 4 + c;
                target[x * 4 + c] = static_cast<unsigned char>(top[left] / 4 + top[left + 4] / 4 +
                                                               bottom[left] / 4 + bottom[left + 4] / 4);
            }
    }
    replacePixels(newWidth, newHeight, hasAlpha, halved);
}

void MemoryImageFile::clear(const Rect* rect, bool white)
{
    const Rect whole(0, 0, width, height);
    const Rect* area = rect ? rect : &whole;
    KIV_ASSERT(area->left>=0 && area->top>=0 && area->right<=width && area->bottom<=height);
    if (area->width() <= 0 || area->height() <= 0)
        return;
    const unsigned char fill[4] = {static_cast<unsigned char>(white ? 255 : 0),
                                   static_cast<unsigned char>(white ? 255 : 0),
                                   static_cast<unsigned char>(white ? 255 : 0), 0};
    for (int y = area->top; y < area->bottom; ++y) {
        unsigned char* target = pImageData + (static_cast<size_t>(y) * width + area->left) * 4;
        for (int x = 0; x < area->width(); ++x)
            std::memcpy(target + x * 4, fill, 4);
    }
}

void MemoryImageFile::blit(const MemoryImageFile* source, const Rect* sourceRectOrNull, const Point* destPointOrNull)
{
    KIV_ASSERT(source && source->pImageData && pImageData);
    const Rect wholeSource(0, 0, source->width, source->height);
    const Point origin(0, 0);
    const Rect* sourceRect = sourceRectOrNull ? sourceRectOrNull : &wholeSource;
    const Point* destPoint = destPointOrNull ? destPointOrNull : &origin;
    KIV_ASSERT(destPoint->x+sourceRect->width()<=width && destPoint->y+sourceRect->height()<=height);
    // The destination check alone let a source rectangle reach outside the
    // source image and copy whatever memory lay beyond it.
    KIV_ASSERT(sourceRect->left>=0 && sourceRect->top>=0 && sourceRect->right<=source->width && sourceRect->bottom<=source->height);
    KIV_ASSERT(destPoint->x>=0 && destPoint->y>=0);
    if (sourceRect->width() <= 0 || sourceRect->height() <= 0)
        return;
    const size_t rowBytes = static_cast<size_t>(sourceRect->width()) * 4;
    for (int y = 0; y < sourceRect->height(); ++y) {
        const unsigned char* from =
            source->pImageData + (static_cast<size_t>(sourceRect->top + y) * source->width + sourceRect->left) * 4;
        unsigned char* to = pImageData + (static_cast<size_t>(destPoint->y + y) * width + destPoint->x) * 4;
        std::memmove(to, from, rowBytes);
    }
}

bool MemoryImageFile::encodeJPG(int quality, std::vector<unsigned char>& bytes, UString& error) const
{
    KIV_ASSERT(pImageData);
    JpegErrorManager errors;
    JpegMemoryDestination destination;
    if (!compressJpegTo(destination, pImageData, width, height, quality, errors)) {
        error = formatString("the encoder failed (%s)", errors.message);
        return false;
    }
    bytes.assign(destination.bytes, destination.bytes + destination.size);
    return true;
}

bool MemoryImageFile::saveJPG(const UString& fileName, int quality, UString& error) const
{
    // A save like the player's files, encoding included: a termination
    // request waits for it.
    const ProgramEnd::SaveInProgress saving;
    std::vector<unsigned char> bytes;
    return encodeJPG(quality, bytes, error) && replaceFile(fileName, bytes, error);
}

void MemoryImageFile::saveTGA(const UString&) const
{
    KIV_ERROR("Unimplemented");
}

void MemoryImageFile::saveBMP(const UString&) const
{
    KIV_ERROR("Unimplemented.");
}
