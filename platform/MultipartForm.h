#pragma once
// MultipartForm: a multipart/form-data body (RFC 7578) of text fields and
// files, as the upload screens send crash reports, the connection test and
// the high-score block. The boundary is derived from the contents, so the
// same form always gives the same body. Any thread, one user at a time.
#include "UString.h"

#include <string>
#include <vector>

class MultipartForm {
public:
    void addField(const UString& name, const std::string& value);
    void addFile(const UString& name, const UString& fileName, const std::string& bytes,
                 const UString& contentType = "application/octet-stream");
    // Attaches a file from disk under its own base name; false when it cannot
    // be read.
    bool addFileFromDisk(const UString& name, const UString& path,
                         const UString& contentType = "application/octet-stream");

    // "multipart/form-data; boundary=..." for the request header.
    UString getContentType() const;
    std::string getBody() const;

private:
    struct Part {
        UString name;
        UString fileName;
        UString contentType;
        bool bFile = false;
        std::string bytes;
    };
    UString getBoundary() const;

    std::vector<Part> parts;
};
