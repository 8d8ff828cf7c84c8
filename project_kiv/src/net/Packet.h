#pragma once
// Packet: a network message buffer used in one direction, either written or
// read. netSerialize implementations call the serialize* operations, which
// write the value when the packet is being written and read it back into
// the same variable when it is being read, so one function describes both
// directions. Values are packed bit by bit, least significant bit first.
//
// Reading never runs past the end: a read beyond the bytes, or a value that
// breaks its own rules (a string longer than allowed, a class number outside
// the class array), sets the packet's error flag and yields zero, empty or
// null; every later read then yields those too. Callers check hasError()
// once after reading a message. Main thread only.
#include "UString.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class KivBase;
class RuntimeClass;

class Packet {
public:
    // Finds the live object with a network identifier, or null.
    using ObjectResolver = std::function<KivBase*(int32_t objectUID)>;

    // An empty packet being written.
    Packet() = default;
    // A packet reading a copy of size bytes.
    Packet(const void* data, size_t size);

    bool isReading() const { return bReading; }
    bool isWriting() const { return !bReading; }
    bool hasError() const { return bError; }
    // The written bytes (the last byte padded with zero bits).
    const std::vector<unsigned char>& getBytes() const { return bytes; }
    size_t getBitPosition() const { return bitPosition; }
    // Bits left to read.
    size_t getBitsLeft() const;
    void setObjectResolver(ObjectResolver resolver) { objectResolver = std::move(resolver); }

    // Writing. bitCount is 1 to 32; only the low bitCount bits are kept.
    void writeBits(uint32_t value, int bitCount);
    void writeBool(bool value);
    // Seven bits per byte, low group first, high bit set while more follow.
    void writeVarUInt(uint64_t value);
    // Zig-zag coded, so small negative numbers stay short.
    void writeVarInt(int64_t value);
    // IEEE 754 half precision: about three significant digits, range 65504,
    // rounded to nearest.
    void writeHalf(float value);
    void writeFloat(float value);
    void writeBytes(const void* data, size_t size);
    // Length (variable-length integer), then the bytes.
    void writeString(const UString& text);
    // The object's network identifier; null and unregistered objects as -1.
    void writeObjectRef(const KivBase* object);
    // The resource's registry key; null or unregistered as the empty key.
    void writeResourceRef(const KivBase* resource);
    // The class's number in the name-sorted class array; null as none.
    void writeClassRef(const RuntimeClass* runtimeClass);

    // Reading.
    uint32_t readBits(int bitCount);
    bool readBool();
    uint64_t readVarUInt();
    int64_t readVarInt();
    float readHalf();
    float readFloat();
    bool readBytes(void* destination, size_t size);
    UString readString(size_t maxLength);
    // Resolved through the object resolver; null when none is set or the
    // object is unknown. readObjectUID gives the raw identifier.
    KivBase* readObjectRef();
    int32_t readObjectUID();
    KivBase* readResourceRef();
    const RuntimeClass* readClassRef();

    // Both directions.
    void serializeBits(uint32_t& value, int bitCount);
    void serializeBool(bool& value);
    void serializeInt(int32_t& value);
    void serializeUInt(uint32_t& value);
    void serializeHalf(float& value);
    void serializeFloat(float& value);
    void serializeString(UString& text, size_t maxLength);
    void serializeObjectRef(KivBase*& object);
    void serializeResourceRef(KivBase*& resource);
    void serializeClassRef(const RuntimeClass*& runtimeClass);

    static uint16_t floatToHalf(float value);
    static float halfToFloat(uint16_t half);

private:
    bool fail();

    std::vector<unsigned char> bytes;
    size_t bitPosition = 0;
    bool bReading = false;
    bool bError = false;
    ObjectResolver objectResolver;
};
