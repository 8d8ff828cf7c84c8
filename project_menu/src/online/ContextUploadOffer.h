#pragma once
// ContextUploadOffer: the flow that the crash report and the score upload
// share. The screen explains what will be sent and offers to send it; until
// the network wizard has passed a connection test it says so, offers the
// wizard and keeps the send button disabled. Sending builds the form (the
// subclass's part), starts the request and logs its progress; the player may
// cancel at any time, and after a failure may try again. Main thread only.
#include "ContextOnline.h"

#include <memory>
#include <string>
#include <vector>

class MenuButton;
class MultipartForm;
class OnlineRequest;

class ContextUploadOffer : public ContextOnline {
public:
    enum State { STATE_OFFER, STATE_SENDING, STATE_SENT, STATE_FAILED };

    // The screen's title, the lines that explain the offer, and the lines
    // (one sentence) that ask for the network wizard while no connection
    // test has passed.
    ContextUploadOffer(Language::StringsEnum titleId, std::vector<Language::StringsEnum> introIds,
                       std::vector<Language::StringsEnum> wizardIds);
    ~ContextUploadOffer() override;

    // Polls the buttons and the request.
    void tickContents(double t, double dt) override;
    // Back from the network wizard: the offer is laid out anew.
    void activate(bool firstTime) override;

    State getState() const { return state; }

protected:
    // Fills the form and names the first progress message; false, with the
    // reason in message, when there is nothing that can be sent.
    virtual bool prepareForm(MultipartForm& form, std::string& message) = 0;
    // After the server has accepted the upload.
    virtual void onSent() {}

private:
    void showOffer();
    void send();
    void pollRequest();

    Language::StringsEnum titleId;
    std::vector<Language::StringsEnum> introIds;
    std::vector<Language::StringsEnum> wizardIds;
    State state = STATE_OFFER;
    std::unique_ptr<OnlineRequest> pRequest;
    MenuButton* pCancelButton = nullptr;
    MenuButton* pSendButton = nullptr;
    MenuButton* pWizardButton = nullptr;
};
