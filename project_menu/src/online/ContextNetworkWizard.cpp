#include "ContextNetworkWizard.h"

#include "ConnectionTest.h"
#include "Global.h"
#include "MenuBool.h"
#include "MenuButton.h"
#include "MenuCountry.h"
#include "MenuLayout.h"
#include "MessageViewer.h"
#include "MultipartForm.h"

#include <cstring>

namespace {
// The position of the country code in the chooser's order; 0 ("--") when
// the code is none of the table's.
int positionOfCountry(const char code[2])
{
    for (int position = 0; position < MenuCountry::COUNTRY_COUNT; ++position)
        if (std::memcmp(MenuCountry::countryTable[MenuCountry::rowAt(position)].code, code, 2) == 0)
            return position;
    return 0;
}

// What the wizard keeps in the persistent block: the country, the test's
// result and the address the server saw.
std::string keptByTheWizard(const HSTdata& hst)
{
    std::string kept(hst.countryCode, sizeof(hst.countryCode));
    kept.append(reinterpret_cast<const char*>(hst.countryVector), sizeof(hst.countryVector));
    kept.append(reinterpret_cast<const char*>(&hst.bConnectionTestPassed), sizeof(hst.bConnectionTestPassed));
    kept.append(reinterpret_cast<const char*>(&hst.publicAddress), sizeof(hst.publicAddress));
    return kept;
}
} // namespace

ContextNetworkWizard::ContextNetworkWizard()
    : datagramWait(ConnectionTest::DEFAULT_DATAGRAM_WAIT), countryPosition(positionOfCountry(pGlobal->hst.countryCode)),
      keptAtOpening(keptByTheWizard(pGlobal->hst))
{
    showIntro();
}

ContextNetworkWizard::~ContextNetworkWizard()
{
    stopTest();
}

void ContextNetworkWizard::startPage(Page shown)
{
    page = shown;
    newPage();
    // The log is the test page's: a result belongs to the page that showed
    // it, and a retry starts afresh.
    pViewer->lines.clear();
}

void ContextNetworkWizard::showIntro()
{
    startPage(PAGE_INTRO);
    addTitle(Language::NETWORKWIZARD);
    const float y = addLines({Language::NETTESTINTRO1, Language::NETTESTINTRO2, Language::NETTESTINTRO3,
                              Language::NETTESTINTRO4},
                             MenuLayout::top() - 110.0f);
    MenuBool* desktop =
        addToPage(new MenuBool(150.0f, y - 20.0f, 0.0f, text(Language::RUNTESTONDESKTOP),
                               text(Language::RUNTESTONDESKTOPHINT), &bRunOnDesktop));
    desktop->setWidth(MenuBool::SWITCH_WIDTH);
    pLeftButton = addLeftButton(Language::CANCEL);
    pRightButton = addRightButton(Language::NEXT);
}

void ContextNetworkWizard::showTest()
{
    startPage(PAGE_TEST);
    addTitle(Language::NETWORKWIZARD);
    pLeftButton = addLeftButton(Language::CANCEL);
    pRightButton = addRightButton(Language::NEXT);
    pRightButton->disabled = true;
    startTest();
}

void ContextNetworkWizard::showCountry()
{
    startPage(PAGE_COUNTRY);
    addTitle(Language::NETCONFIGTITLE);
    addToPage(new MenuCountry(0.0f, 40.0f, 0.0f, text(Language::SELECTYOURCOUNTRY),
                              text(Language::SELECTYOURCOUNTRYHINT), &countryPosition));
    pLeftButton = addLeftButton(Language::BACK);
    pRightButton = addRightButton(Language::FINISH);
}

void ContextNetworkWizard::startTest()
{
    HSTdata& hst = pGlobal->hst;
    if (bRunOnDesktop && hst.bFullScreen) {
        hst.bFullScreen = false;
        bRestoreFullScreen = true;
        pGlobal->applySettings();
    }
    addMessage(Language::STARTINGDOTS);
    addMessage(Language::ERRORREPORTPLEASEWAIT);
    MultipartForm form;
    OnlineRequest::addCommonFields(form, "connectiontest", hst.installationId);
    pTest = std::make_unique<ConnectionTest>(serverUrl, form, requestOptions, timeLimit, t);
    pTest->datagramWait = datagramWait;
}

void ContextNetworkWizard::pollTest()
{
    if (!pTest)
        return;
    HSTdata& hst = pGlobal->hst;
    switch (pTest->poll(t)) {
    case ConnectionTest::STATUS_RUNNING:
        return;
    case ConnectionTest::STATUS_PASSED:
        hst.bConnectionTestPassed = true;
        hst.publicAddress = pTest->getPublicAddress();
        addMessage(Language::NETTESTSUCCESS);
        break;
    case ConnectionTest::STATUS_FAILED:
        hst.bConnectionTestPassed = false;
        addMessage(Language::FAILED);
        addMessage(pTest->getFailureText());
        addMessage(Language::NETTESTFAIL1);
        break;
    }
    stopTest();
    pLeftButton->caption = text(Language::BACK);
    pRightButton->disabled = false;
}

void ContextNetworkWizard::stopTest()
{
    pTest.reset();
    leaveDesktop();
}

void ContextNetworkWizard::leaveDesktop()
{
    if (!bRestoreFullScreen)
        return;
    bRestoreFullScreen = false;
    pGlobal->hst.bFullScreen = true;
    pGlobal->applySettings();
}

void ContextNetworkWizard::deactivate(bool closing)
{
    if (!closing)
        return;
    stopTest();
    // Written now, as the options pages write theirs, so that a kill later in
    // the run does not lose the choice.
    if (keptByTheWizard(pGlobal->hst) != keptAtOpening)
        pGlobal->hst.saveNow();
}

void ContextNetworkWizard::tickContents(double contextT, double contextDt)
{
    ContextOnline::tickContents(contextT, contextDt);
    const bool bLeft = pLeftButton && pLeftButton->wasClicked();
    const bool bRight = pRightButton && pRightButton->wasClicked();
    switch (page) {
    case PAGE_INTRO:
        if (bLeft)
            bFinished = true;
        else if (bRight)
            showTest();
        break;
    case PAGE_TEST:
        if (bLeft) {
            if (pTest) {
                stopTest();
                bFinished = true;
            } else {
                showIntro();
            }
        } else if (bRight && !pTest) {
            showCountry();
        }
        break;
    case PAGE_COUNTRY:
        if (bLeft)
            showIntro();
        else if (bRight)
            bFinished = true;
        break;
    }
    pollTest();
}
