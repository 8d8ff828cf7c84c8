#pragma once
// The name of a class as its declaration spells it ("ContextOptions",
// "Quad"), for records and failure messages: the mangled name of a class
// at file scope without its length prefix.
#include <string>
#include <typeinfo>

namespace testsupport {

inline std::string className(const std::type_info& type)
{
    const std::string mangled = type.name();
    return mangled.substr(mangled.find_first_not_of("0123456789"));
}

} // namespace testsupport
