#pragma once
// ContactSheet: one PNG overview of every texture written, each drawn on a
// checkerboard with its skin rectangles outlined and its path as caption, so
// a person can look over the whole art set at once.
#include "DataWriter.h"

#include <string>
#include <vector>

class ContactSheet {
public:
    static void write(const std::vector<DataWriter::WrittenSheet>& sheets, const std::string& path);
};
