#pragma once
// ContextScoreUpload: sends the persistent block of high scores and settings
// to the maker's web server: the ".hst" file as it lies on disk, saved just
// before so that it holds the current scores, with the player's country.
// Pushed by the high-score options; deleted by the stack when it closes.
// Main thread only.
#include "ContextUploadOffer.h"

class ContextScoreUpload : public ContextUploadOffer {
public:
    ContextScoreUpload();

    // Saves the block, then puts the file as it now lies on disk into the
    // form with the common fields and the country code. False when the file
    // cannot be read back.
    static bool buildForm(MultipartForm& form);
    // Where the block's file lies.
    static UString getBlockPath();

protected:
    bool prepareForm(MultipartForm& form, std::string& message) override;
};
