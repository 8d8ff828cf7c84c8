#pragma once
// ContextErrorReport: offers to send the crash files of the previous run
// (the crash log and the crash screenshot that the error manager keeps after
// a fatal error) to the maker's web server. Global pushes it at start-up when
// crashLogExists. The crash files are removed once they have been sent, and
// when the player closes the screen without sending, unless the last attempt
// failed (the report is then offered again at the next start). Deleted by
// the stack when it closes. Main thread only.
#include "ContextUploadOffer.h"

class ContextErrorReport : public ContextUploadOffer {
public:
    // The most of the crash log that is sent: its end, where the error is.
    static constexpr size_t MAX_LOG_BYTES = 4 * 1024 * 1024;

    ContextErrorReport();

    // Closing: the crash files go, unless the last attempt failed.
    void deactivate(bool closing) override;

    // True when the crash log of a previous run exists and can be read; an
    // empty or unreadable log counts as absent.
    static bool crashLogExists();
    // Deletes the crash log and the crash screenshot.
    static void removeCrashFiles();
    // The report: the common fields, the crash log (at most its last
    // MAX_LOG_BYTES) and the crash screenshot when there is one. False when
    // the log cannot be read; bytes receives the size of the attached files.
    static bool buildForm(MultipartForm& form, uint32_t installationId, size_t& bytes);

protected:
    bool prepareForm(MultipartForm& form, std::string& message) override;
    void onSent() override;
};
