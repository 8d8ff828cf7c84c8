#pragma once
// ContextNetworkWizard: sets the player's network up in three pages. The
// first explains the connection test and offers to run it in a window (a
// full-screen game is switched to a window while the test runs, so that a
// firewall's question can be seen, and switched back afterwards). The second
// runs the test (ConnectionTest) and logs its progress; its result and the
// public address the server saw are stored in the persistent block. The
// third lets the player choose a country, which the block keeps as well. The
// player may go on after a failed test; each page shows only its own result.
// Pushed by the options and by the screens that need a passed test; deleted
// by the stack when it closes. Main thread only.
#include "ContextOnline.h"

#include <memory>
#include <string>

class ConnectionTest;
class MenuButton;

class ContextNetworkWizard : public ContextOnline {
public:
    enum Page { PAGE_INTRO, PAGE_TEST, PAGE_COUNTRY };

    ContextNetworkWizard();
    ~ContextNetworkWizard() override;

    // Polls the buttons and the running test.
    void tickContents(double t, double dt) override;
    // Closing stops a running test and gives the display back, and writes
    // the persistent block when the wizard changed what it keeps there.
    void deactivate(bool closing) override;

    Page getPage() const { return page; }
    bool isTesting() const { return pTest != nullptr; }

    // Run the test in a window; offered on the first page, on by default.
    bool bRunOnDesktop = true;
    // Seconds the server's datagram may lag behind its HTTP reply.
    double datagramWait;
    // The country chooser's value: a position in the chooser's order.
    int countryPosition;

private:
    // Makes the page the shown one, on a fresh page with an empty log.
    void startPage(Page shown);
    void showIntro();
    void showTest();
    void showCountry();
    void startTest();
    void pollTest();
    void stopTest();
    void leaveDesktop();

    Page page = PAGE_INTRO;
    std::unique_ptr<ConnectionTest> pTest;
    // Full screen was switched off for the test and is to come back.
    bool bRestoreFullScreen = false;
    MenuButton* pLeftButton = nullptr;
    MenuButton* pRightButton = nullptr;
    // The country and test result as they were when the wizard opened.
    std::string keptAtOpening;
};
