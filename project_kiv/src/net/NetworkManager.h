#pragma once
// NetworkManager: the engine's network service, created at start-up by the
// engine object, which owns it. The game plays locally: it starts no server
// or client role. It knows the maker's upload server, read from the edition
// settings ("[Network] uploadServer" in the ".cfg.static" file), and starts
// the uploads that the online screens poll. Main thread only.
#include "UString.h"

#include <memory>

class HttpUpload;
class MultipartForm;

class NetworkManager {
public:
    NetworkManager();
    virtual ~NetworkManager();
    NetworkManager(const NetworkManager&) = delete;
    NetworkManager& operator=(const NetworkManager&) = delete;

    // "http://host[:port]/path" of the upload server; empty when none is
    // configured.
    const UString& getUploadServer() const { return uploadServer; }
    // Starts an upload of the form to the upload server on a worker thread;
    // with no server configured it has failed already.
    std::unique_ptr<HttpUpload> startUpload(const MultipartForm& form) const;

private:
    UString uploadServer;
};
