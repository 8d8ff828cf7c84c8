#include "MultipartForm.h"

#include "FileStream.h"
#include "MD5Digest.h"
#include "MemoryStream.h"

namespace {

// Header parameters are quoted strings: quotes and line breaks inside a
// name would break the part's header, so they are escaped or dropped.
UString quoted(const UString& text)
{
    UString result = "\"";
    for (char c : text) {
        if (c == '"')
            result += "%22";
        else if (c != '\r' && c != '\n')
            result += c;
    }
    return result + "\"";
}

UString baseName(const UString& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : UString(path.substr(slash + 1));
}

} // namespace

void MultipartForm::addField(const UString& name, const std::string& value)
{
    Part part;
    part.name = name;
    part.bytes = value;
    parts.push_back(std::move(part));
}

void MultipartForm::addFile(const UString& name, const UString& fileName, const std::string& bytes,
                            const UString& contentType)
{
    Part part;
    part.name = name;
    part.fileName = fileName;
    part.contentType = contentType;
    part.bFile = true;
    part.bytes = bytes;
    parts.push_back(std::move(part));
}

bool MultipartForm::addFileFromDisk(const UString& name, const UString& path, const UString& contentType)
{
    std::unique_ptr<FileStream> file = FileStream::open(path, FileStream::MODE_READ);
    MemoryStream contents;
    if (!file || !contents.writeAll(*file))
        return false;
    addFile(name, baseName(path), contents.getBytes(), contentType);
    return true;
}

UString MultipartForm::getBoundary() const
{
    std::string all;
    for (const Part& part : parts)
        all += part.name + '\0' + part.fileName + '\0' + part.bytes + '\0';
    for (uint32_t attempt = 0;; ++attempt) {
        char hex[33];
        MD5Digest(attempt, all.data(), all.size()).toHex(hex);
        UString boundary = UString("KivFormBoundary") + hex;
        if (all.find(boundary) == std::string::npos)
            return boundary;
    }
}

UString MultipartForm::getContentType() const
{
    return "multipart/form-data; boundary=" + getBoundary();
}

std::string MultipartForm::getBody() const
{
    const UString boundary = getBoundary();
    std::string body;
    for (const Part& part : parts) {
        body += "--" + boundary + "\r\n";
        body += "Content-Disposition: form-data; name=" + quoted(part.name);
        if (part.bFile)
            body += "; filename=" + quoted(part.fileName) + "\r\nContent-Type: " + part.contentType;
        body += "\r\n\r\n";
        body += part.bytes;
        body += "\r\n";
    }
    body += "--" + boundary + "--\r\n";
    return body;
}
