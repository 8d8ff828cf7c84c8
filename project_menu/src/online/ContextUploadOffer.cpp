#include "ContextUploadOffer.h"

#include "ContextManager.h"
#include "ContextNetworkWizard.h"
#include "Global.h"
#include "MenuButton.h"
#include "MenuLayout.h"
#include "MultipartForm.h"
#include "OnlineRequest.h"

namespace {
constexpr float WIZARD_BUTTON_Y = -100.0f;
constexpr int WIZARD_BUTTON_WIDTH = 256;
} // namespace

ContextUploadOffer::ContextUploadOffer(Language::StringsEnum title, std::vector<Language::StringsEnum> intro,
                                       std::vector<Language::StringsEnum> wizard)
    : titleId(title), introIds(std::move(intro)), wizardIds(std::move(wizard))
{
    showOffer();
}

ContextUploadOffer::~ContextUploadOffer() = default;

void ContextUploadOffer::showOffer()
{
    newPage();
    addTitle(titleId);
    float y = MenuLayout::top() - 110.0f;
    for (Language::StringsEnum id : introIds)
        y = addLines({id}, y);
    pCancelButton = addLeftButton(Language::CANCEL);
    pSendButton = addRightButton(Language::OK);
    pWizardButton = nullptr;
    if (!pGlobal->hst.bConnectionTestPassed) {
        y -= 10.0f;
        // The hint line holds the whole sentence that the lines break.
        UString sentence;
        for (Language::StringsEnum id : wizardIds) {
            y = addLines({id}, y);
            sentence += (sentence.empty() ? "" : " ");
            sentence += text(id);
        }
        pWizardButton = addButton(0.0f, WIZARD_BUTTON_Y, Language::NETWORKWIZARDDOTS, "", WIZARD_BUTTON_WIDTH);
        pSendButton->disabled = true;
        pSendButton->disabledText = sentence;
    }
}

void ContextUploadOffer::activate(bool firstTime)
{
    if (!firstTime && state == STATE_OFFER)
        showOffer();
}

void ContextUploadOffer::tickContents(double contextT, double contextDt)
{
    ContextOnline::tickContents(contextT, contextDt);
    if (pCancelButton && pCancelButton->wasClicked()) {
        bFinished = true;
        return;
    }
    if (pWizardButton && pWizardButton->wasClicked())
        pGlobal->pContextManager->pushContext(new ContextNetworkWizard());
    if (pSendButton && pSendButton->wasClicked()) {
        if (state == STATE_SENT) {
            bFinished = true;
            return;
        }
        send();
    }
    pollRequest();
}

void ContextUploadOffer::send()
{
    MultipartForm form;
    std::string message;
    if (!prepareForm(form, message)) {
        state = STATE_FAILED;
        addMessage(Language::FAILED);
        addMessage(message);
        return;
    }
    state = STATE_SENDING;
    pSendButton->disabled = true;
    addMessage(message);
    addMessage(Language::ERRORREPORTPLEASEWAIT);
    pRequest = std::make_unique<OnlineRequest>(serverUrl, form, requestOptions, timeLimit, t);
}

void ContextUploadOffer::pollRequest()
{
    if (!pRequest)
        return;
    switch (pRequest->poll(t)) {
    case OnlineRequest::STATUS_RUNNING:
        return;
    case OnlineRequest::STATUS_SUCCEEDED:
        state = STATE_SENT;
        onSent();
        addMessage(Language::SUCCESS);
        newPage();
        addTitle(titleId);
        pCancelButton = nullptr;
        pWizardButton = nullptr;
        pSendButton = addRightButton(Language::DONE);
        break;
    case OnlineRequest::STATUS_FAILED:
        state = STATE_FAILED;
        addMessage(pRequest->getFailureText());
        addMessage(Language::CHECKCONNECTION);
        pSendButton->disabled = false;
        break;
    }
    pRequest.reset();
}
