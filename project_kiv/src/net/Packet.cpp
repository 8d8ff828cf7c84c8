#include "Packet.h"

#include "Kiv.h"
#include "KivBase.h"
#include "ResourceManager.h"
#include "RuntimeClassManager.h"

#include <cmath>
#include <cstring>

Packet::Packet(const void* data, size_t size)
    : bytes(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + size), bReading(true)
{
}

size_t Packet::getBitsLeft() const
{
    return bReading && !bError ? bytes.size() * 8 - bitPosition : 0;
}

bool Packet::fail()
{
    bError = true;
    bitPosition = bytes.size() * 8;
    return false;
}

void Packet::writeBits(uint32_t value, int bitCount)
{
    for (int i = 0; i < bitCount; ++i) {
        if (bitPosition % 8 == 0)
            bytes.push_back(0);
        if ((value >> i) & 1u)
            bytes.back() = static_cast<unsigned char>(bytes.back() | (1u << (bitPosition % 8)));
        ++bitPosition;
    }
}

uint32_t Packet::readBits(int bitCount)
{
    if (bError || bitCount < 0 || bitCount > 32 || static_cast<size_t>(bitCount) > getBitsLeft()) {
        fail();
        return 0;
    }
    uint32_t value = 0;
    for (int i = 0; i < bitCount; ++i) {
        if ((bytes[bitPosition / 8] >> (bitPosition % 8)) & 1u)
            value |= 1u << i;
        ++bitPosition;
    }
    return value;
}

void Packet::writeBool(bool value)
{
    writeBits(value ? 1 : 0, 1);
}

bool Packet::readBool()
{
    return readBits(1) != 0;
}

void Packet::writeVarUInt(uint64_t value)
{
    do {
        uint32_t group = static_cast<uint32_t>(value & 0x7F);
        value >>= 7;
        writeBits(group | (value ? 0x80 : 0), 8);
    } while (value);
}

uint64_t Packet::readVarUInt()
{
    uint64_t value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        uint32_t group = readBits(8);
        // The tenth group holds only the top bit of a 64-bit value.
        if (bError || (shift == 63 && (group & 0x7E)))
            break;
        value |= static_cast<uint64_t>(group & 0x7F) << shift;
        if (!(group & 0x80))
            return value;
    }
    fail();
    return 0;
}

void Packet::writeVarInt(int64_t value)
{
    writeVarUInt((static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63));
}

int64_t Packet::readVarInt()
{
    uint64_t coded = readVarUInt();
    return static_cast<int64_t>((coded >> 1) ^ (~(coded & 1) + 1));
}

uint16_t Packet::floatToHalf(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    const uint32_t sign = (bits >> 16) & 0x8000;
    const uint32_t exponent = (bits >> 23) & 0xFF;
    uint32_t mantissa = bits & 0x7FFFFF;
    if (exponent == 0xFF)
        return static_cast<uint16_t>(sign | 0x7C00 | (mantissa ? 0x200 : 0));
    const int halfExponent = static_cast<int>(exponent) - 127 + 15;
    if (halfExponent >= 31)
        return static_cast<uint16_t>(sign | 0x7C00);
    if (halfExponent <= 0) {
        if (halfExponent < -10)
            return static_cast<uint16_t>(sign);
        mantissa |= 0x800000;
        const int shift = 14 - halfExponent;
        uint32_t half = mantissa >> shift;
        const uint32_t rest = mantissa & ((1u << shift) - 1);
        const uint32_t halfway = 1u << (shift - 1);
        if (rest > halfway || (rest == halfway && (half & 1)))
            ++half;
        return static_cast<uint16_t>(sign | half);
    }
    uint32_t half = (static_cast<uint32_t>(halfExponent) << 10) | (mantissa >> 13);
    const uint32_t rest = mantissa & 0x1FFF;
    if (rest > 0x1000 || (rest == 0x1000 && (half & 1)))
        ++half;
    return static_cast<uint16_t>(sign | half);
}

float Packet::halfToFloat(uint16_t half)
{
    const uint32_t sign = static_cast<uint32_t>(half & 0x8000) << 16;
    const int exponent = (half >> 10) & 0x1F;
    const uint32_t mantissa = half & 0x3FF;
    float magnitude;
    if (exponent == 0)
        magnitude = std::ldexp(static_cast<float>(mantissa), -24);
    else if (exponent == 31)
        magnitude = mantissa ? NAN : INFINITY;
    else
        magnitude = std::ldexp(static_cast<float>(mantissa | 0x400), exponent - 25);
    uint32_t bits;
    std::memcpy(&bits, &magnitude, 4);
    bits |= sign;
    float result;
    std::memcpy(&result, &bits, 4);
    return result;
}

void Packet::writeHalf(float value)
{
    writeBits(floatToHalf(value), 16);
}

float Packet::readHalf()
{
    return halfToFloat(static_cast<uint16_t>(readBits(16)));
}

void Packet::writeFloat(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    writeBits(bits, 32);
}

float Packet::readFloat()
{
    uint32_t bits = readBits(32);
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

void Packet::writeBytes(const void* data, size_t size)
{
    const unsigned char* source = static_cast<const unsigned char*>(data);
    if (bitPosition % 8 == 0) {
        bytes.insert(bytes.end(), source, source + size);
        bitPosition += size * 8;
        return;
    }
    for (size_t i = 0; i < size; ++i)
        writeBits(source[i], 8);
}

bool Packet::readBytes(void* destination, size_t size)
{
    if (bError || size > getBitsLeft() / 8)
        return fail();
    unsigned char* target = static_cast<unsigned char*>(destination);
    if (bitPosition % 8 == 0) {
        std::memcpy(target, bytes.data() + bitPosition / 8, size);
        bitPosition += size * 8;
        return true;
    }
    for (size_t i = 0; i < size; ++i)
        target[i] = static_cast<unsigned char>(readBits(8));
    return true;
}

void Packet::writeString(const UString& text)
{
    writeVarUInt(text.size());
    writeBytes(text.data(), text.size());
}

UString Packet::readString(size_t maxLength)
{
    uint64_t length = readVarUInt();
    if (bError || length > maxLength || length > getBitsLeft() / 8) {
        fail();
        return UString();
    }
    std::string text(static_cast<size_t>(length), '\0');
    readBytes(&text[0], text.size());
    return UString(std::move(text));
}

void Packet::writeObjectRef(const KivBase* object)
{
    writeVarInt(object ? object->objectUID : -1);
}

int32_t Packet::readObjectUID()
{
    int64_t uid = readVarInt();
    if (uid < -1 || uid > INT32_MAX) {
        fail();
        return -1;
    }
    return static_cast<int32_t>(uid);
}

KivBase* Packet::readObjectRef()
{
    int32_t uid = readObjectUID();
    if (bError || uid < 0 || !objectResolver)
        return nullptr;
    return objectResolver(uid);
}

void Packet::writeResourceRef(const KivBase* resource)
{
    UString key;
    if (resource && pKiv && pKiv->pResourceManager)
        key = pKiv->pResourceManager->findKey(resource);
    writeString(key);
}

KivBase* Packet::readResourceRef()
{
    // Resource keys are short names; anything longer is not one.
    UString key = readString(256);
    if (bError || key.empty() || !pKiv || !pKiv->pResourceManager)
        return nullptr;
    return pKiv->pResourceManager->find(key, false);
}

void Packet::writeClassRef(const RuntimeClass* runtimeClass)
{
    writeVarUInt(runtimeClass && runtimeClass->index >= 0 ? static_cast<uint64_t>(runtimeClass->index) + 1 : 0);
}

const RuntimeClass* Packet::readClassRef()
{
    uint64_t number = readVarUInt();
    if (bError || number == 0)
        return nullptr;
    const std::vector<RuntimeClass*>& classes = RuntimeClassManager::getInstance().classArray;
    if (number > classes.size()) {
        fail();
        return nullptr;
    }
    return classes[number - 1];
}

void Packet::serializeBits(uint32_t& value, int bitCount)
{
    if (bReading)
        value = readBits(bitCount);
    else
        writeBits(value, bitCount);
}

void Packet::serializeBool(bool& value)
{
    if (bReading)
        value = readBool();
    else
        writeBool(value);
}

void Packet::serializeInt(int32_t& value)
{
    if (!bReading) {
        writeVarInt(value);
        return;
    }
    int64_t read = readVarInt();
    if (read < INT32_MIN || read > INT32_MAX)
        fail();
    value = bError ? 0 : static_cast<int32_t>(read);
}

void Packet::serializeUInt(uint32_t& value)
{
    if (!bReading) {
        writeVarUInt(value);
        return;
    }
    uint64_t read = readVarUInt();
    if (read > UINT32_MAX)
        fail();
    value = bError ? 0 : static_cast<uint32_t>(read);
}

void Packet::serializeHalf(float& value)
{
    if (bReading)
        value = readHalf();
    else
        writeHalf(value);
}

void Packet::serializeFloat(float& value)
{
    if (bReading)
        value = readFloat();
    else
        writeFloat(value);
}

void Packet::serializeString(UString& text, size_t maxLength)
{
    if (bReading)
        text = readString(maxLength);
    else
        writeString(text.size() > maxLength ? UString(text.substr(0, maxLength)) : text);
}

void Packet::serializeObjectRef(KivBase*& object)
{
    if (bReading)
        object = readObjectRef();
    else
        writeObjectRef(object);
}

void Packet::serializeResourceRef(KivBase*& resource)
{
    if (bReading)
        resource = readResourceRef();
    else
        writeResourceRef(resource);
}

void Packet::serializeClassRef(const RuntimeClass*& runtimeClass)
{
    if (bReading)
        runtimeClass = readClassRef();
    else
        writeClassRef(runtimeClass);
}
