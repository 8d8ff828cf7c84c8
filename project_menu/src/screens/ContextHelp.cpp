#include "ContextHelp.h"

#include "ContextPre.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "MenuButtonQuit.h"
#include "MenuButtonURL.h"
#include "MenuLayout.h"

#include <filesystem>
#include <system_error>

const char* const ContextHelp::DOCUMENTATION_FILE = "readme.htm";
const char* const ContextHelp::ONLINE_HELP_ADDRESS = "http://www.brightforgestudios.com/glimmerdale/help/";

ContextHelp::ContextHelp()
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    const Language& language = *pKiv->pLanguage;
    MenuLayout::addTitle(*this, language.getText(Language::HELPTITLE));
    pDocumentationButton = new MenuButtonURL(0.0f, FIRST_BUTTON_Y, 0.0f, language.getText(Language::DOCUMENTATION),
                                             language.getText(Language::DOCUMENTATIONHINT));
    pDocumentationButton->url = findDocumentation();
    pDocumentationButton->disabled = pDocumentationButton->url.empty();
    addChildLast(pDocumentationButton);
    pOnlineHelpButton =
        new MenuButtonURL(0.0f, FIRST_BUTTON_Y - MenuLayout::BUTTON_STEP, 0.0f, language.getText(Language::ONLINEHELP),
                          language.getText(Language::ONLINEHELPHINT));
    pOnlineHelpButton->url = ONLINE_HELP_ADDRESS;
    addChildLast(pOnlineHelpButton);
    pBackButton = MenuLayout::addBackButton(*this);
}

UString ContextHelp::findDocumentation()
{
    // The desktop opens the page after the program has ended, from wherever
    // the program leaves its working folder, so the path is made whole now.
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(DOCUMENTATION_FILE, error);
    if (error || !std::filesystem::is_regular_file(path, error))
        return UString();
    return UString(path.string());
}
